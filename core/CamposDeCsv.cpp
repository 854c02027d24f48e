#include "core/CamposDeCsv.h"

#include <algorithm>

namespace {

bool EhBranco(char c)
{
    return c == ' ' || c == '\t';
}

std::string Aparado(std::string_view texto)
{
    while (!texto.empty() && EhBranco(texto.front()))
        texto.remove_prefix(1);
    while (!texto.empty() && EhBranco(texto.back()))
        texto.remove_suffix(1);
    return std::string(texto);
}

size_t PularBrancos(std::string_view linha, size_t i)
{
    while (i < linha.size() && EhBranco(linha[i]))
        ++i;
    return i;
}

// Campo entre aspas a partir da aspa que abre; i passa para o separador ou o fim.
std::optional<std::string> CampoEntreAspas(std::string_view linha, size_t& i, char separador)
{
    std::string campo;
    for (++i;; ++i) {
        if (i >= linha.size())
            return std::nullopt;
        if (linha[i] != '"') {
            campo += linha[i];
        } else if (i + 1 < linha.size() && linha[i + 1] == '"') {
            campo += '"';
            ++i;
        } else {
            break;
        }
    }
    i = PularBrancos(linha, i + 1);
    if (i < linha.size() && linha[i] != separador)
        return std::nullopt;
    return campo;
}

bool PrecisaDeAspas(const std::string& campo, char separador)
{
    return campo.find_first_of(std::string{separador, '"', '\r', '\n'}) != std::string::npos ||
           (!campo.empty() && (EhBranco(campo.front()) || EhBranco(campo.back())));
}

} // namespace

std::optional<std::vector<std::string>> DividirLinhaDeCsv(std::string_view linha, char separador)
{
    std::vector<std::string> campos;
    for (size_t i = 0;;) {
        i = PularBrancos(linha, i);
        if (i < linha.size() && linha[i] == '"') {
            auto campo = CampoEntreAspas(linha, i, separador);
            if (!campo)
                return std::nullopt;
            campos.push_back(std::move(*campo));
        } else {
            const size_t fim = std::min(linha.find(separador, i), linha.size());
            campos.push_back(Aparado(linha.substr(i, fim - i)));
            i = fim;
        }
        if (i >= linha.size())
            return campos;
        ++i;  // o separador
    }
}

std::string LinhaDeCsv(const std::vector<std::string>& campos, char separador)
{
    std::string linha;
    for (size_t i = 0; i < campos.size(); ++i) {
        if (i > 0)
            linha += separador;
        if (!PrecisaDeAspas(campos[i], separador)) {
            linha += campos[i];
            continue;
        }
        linha += '"';
        for (char c : campos[i]) {
            if (c == '"')
                linha += '"';
            linha += c;
        }
        linha += '"';
    }
    return linha;
}
