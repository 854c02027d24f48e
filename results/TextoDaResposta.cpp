#include "results/TextoDaResposta.h"

#include "core/ErroDoUsuario.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <regex>

namespace {

bool Branco(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool Algarismo(char c)
{
    return c >= '0' && c <= '9';
}

// Posição depois dos brancos e do sinal, e se o sinal era "-".
size_t InicioDoNumero(std::string_view texto, bool& negativo)
{
    size_t i = 0;
    while (i < texto.size() && Branco(texto[i]))
        ++i;
    negativo = i < texto.size() && texto[i] == '-';
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+'))
        ++i;
    return i;
}

SData DataDasPartes(const std::smatch& partes, int ano, int mes, int dia, int primeira_hora)
{
    SDiaEHora momento{ano, mes, dia};
    if (partes[primeira_hora].matched) {
        momento.hora = std::stoi(partes[primeira_hora]);
        momento.minuto = std::stoi(partes[primeira_hora + 1]);
        if (partes[primeira_hora + 2].matched)
            momento.segundo = std::stoi(partes[primeira_hora + 2]);
    }
    try {
        return DataDoCalendario(momento);
    } catch (const CErroDoUsuario&) {
        return SData{-1.0, SData::kInvalida};
    }
}

} // namespace

int32_t InteiroDoInicio(std::string_view texto)
{
    bool negativo = false;
    size_t i = InicioDoNumero(texto, negativo);
    int64_t valor = 0;
    constexpr int64_t kLimite = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < texto.size() && Algarismo(texto[i]); ++i)
        valor = std::min(valor * 10 + (texto[i] - '0'), kLimite);
    if (negativo)
        return int32_t(-valor);
    return int32_t(std::min<int64_t>(valor, std::numeric_limits<int32_t>::max()));
}

double DecimalDoInicio(std::string_view texto)
{
    bool negativo = false;
    const size_t inicio = InicioDoNumero(texto, negativo);
    size_t fim = inicio;
    while (fim < texto.size() && Algarismo(texto[fim]))
        ++fim;
    if (fim < texto.size() && texto[fim] == '.') {
        ++fim;
        while (fim < texto.size() && Algarismo(texto[fim]))
            ++fim;
    }
    const std::string_view numero = texto.substr(inicio, fim - inicio);
    if (numero.find_first_of("0123456789") == std::string_view::npos)
        return 0.0;
    double valor = 0.0;
    const auto [ptr, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor,
                                             std::chars_format::fixed);
    if (erro != std::errc() || !std::isfinite(valor))
        return 0.0;
    return negativo ? -valor : valor;
}

std::string_view Aparar(std::string_view texto)
{
    while (!texto.empty() && Branco(texto.front()))
        texto.remove_prefix(1);
    while (!texto.empty() && Branco(texto.back()))
        texto.remove_suffix(1);
    return texto;
}

SData LerDataDaResposta(const std::string& texto, const FLerDataRegional& regional)
{
    static const std::regex brasileira(R"((\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?)");
    static const std::regex iso(R"((\d{4})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2}))?)?)");
    std::smatch partes;
    if (std::regex_match(texto, partes, brasileira))
        return DataDasPartes(partes, std::stoi(partes[3]), std::stoi(partes[2]), std::stoi(partes[1]), 4);
    if (std::regex_match(texto, partes, iso))
        return DataDasPartes(partes, std::stoi(partes[1]), std::stoi(partes[2]), std::stoi(partes[3]), 4);
    if (regional) {
        if (const auto momento = regional(texto)) {
            try {
                return DataDoCalendario(*momento);
            } catch (const CErroDoUsuario&) {
                return SData{-1.0, SData::kInvalida};
            }
        }
    }
    return SData{0.0, SData::kInvalida};
}
