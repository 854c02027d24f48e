#include "results/TextoDaResposta.h"

#include "core/ErroDoUsuario.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

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

// Percorre a linha da data uma vez, sem voltar atrás. Não usa std::regex: aquele desce
// um nível de pilha por caractere e uma linha longa vinda da rede esgotava a pilha.
class CCursorDaData {
public:
    explicit CCursorDaData(std::string_view texto) : m_texto(texto) {}

    bool Fim() const { return m_posicao == m_texto.size(); }

    // De minimo a maximo algarismos (o máximo possível) em valor.
    bool Numero(size_t minimo, size_t maximo, int& valor)
    {
        size_t lidos = 0;
        valor = 0;
        while (lidos < maximo && !Fim() && Algarismo(m_texto[m_posicao])) {
            valor = valor * 10 + (m_texto[m_posicao++] - '0');
            ++lidos;
        }
        return lidos >= minimo;
    }

    bool Caractere(std::string_view aceitos)
    {
        if (Fim() || aceitos.find(m_texto[m_posicao]) == std::string_view::npos)
            return false;
        ++m_posicao;
        return true;
    }

    // Um ou mais brancos (os de \s: espaço, tabulação, CR, LF, VT, FF).
    bool Brancos()
    {
        const size_t inicio = m_posicao;
        while (Caractere(" \t\r\n\v\f")) {
        }
        return m_posicao > inicio;
    }

private:
    std::string_view m_texto;
    size_t m_posicao = 0;
};

// hh:mm[:ss] até o fim do texto, com horas de minimo_da_hora a dois algarismos.
bool LerHora(CCursorDaData& cursor, size_t minimo_da_hora, SDiaEHora& momento)
{
    if (!cursor.Numero(minimo_da_hora, 2, momento.hora) || !cursor.Caractere(":") ||
        !cursor.Numero(2, 2, momento.minuto))
        return false;
    if (cursor.Caractere(":") && !cursor.Numero(2, 2, momento.segundo))
        return false;
    return cursor.Fim();
}

// dd/mm/aaaa [hh:mm[:ss]] (dia, mês e hora com um ou dois algarismos).
std::optional<SDiaEHora> FormaDoServico(std::string_view texto)
{
    CCursorDaData cursor(texto);
    SDiaEHora momento;
    if (!cursor.Numero(1, 2, momento.dia) || !cursor.Caractere("/") || !cursor.Numero(1, 2, momento.mes) ||
        !cursor.Caractere("/") || !cursor.Numero(4, 4, momento.ano))
        return std::nullopt;
    if (cursor.Fim())
        return momento;
    if (!cursor.Brancos() || !LerHora(cursor, 1, momento))
        return std::nullopt;
    return momento;
}

// aaaa-mm-dd[(T| )hh:mm[:ss]].
std::optional<SDiaEHora> FormaIso(std::string_view texto)
{
    CCursorDaData cursor(texto);
    SDiaEHora momento;
    if (!cursor.Numero(4, 4, momento.ano) || !cursor.Caractere("-") || !cursor.Numero(2, 2, momento.mes) ||
        !cursor.Caractere("-") || !cursor.Numero(2, 2, momento.dia))
        return std::nullopt;
    if (cursor.Fim())
        return momento;
    if (!cursor.Caractere("T ") || !LerHora(cursor, 2, momento))
        return std::nullopt;
    return momento;
}

SData DataDoMomento(const SDiaEHora& momento)
{
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

std::optional<double> NumeroDoInicio(std::string_view texto)
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
        return std::nullopt;
    double valor = 0.0;
    const auto [ptr, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor,
                                             std::chars_format::fixed);
    if (erro != std::errc() || !std::isfinite(valor))
        return std::nullopt;
    return negativo ? -valor : valor;
}

double DecimalDoInicio(std::string_view texto)
{
    return NumeroDoInicio(texto).value_or(0.0);
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
    if (const auto momento = FormaDoServico(texto))
        return DataDoMomento(*momento);
    if (const auto momento = FormaIso(texto))
        return DataDoMomento(*momento);
    if (regional) {
        if (const auto momento = regional(texto))
            return DataDoMomento(*momento);
    }
    return SData{0.0, SData::kInvalida};
}
