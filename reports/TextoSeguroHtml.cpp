#include "reports/TextoSeguroHtml.h"

namespace {
constexpr std::string_view kQuebra = "<br>";
}

std::string EscaparHtml(std::string_view texto)
{
    std::string seguro;
    seguro.reserve(texto.size());
    for (const char c : texto) {
        switch (c) {
        case '&':
            seguro += "&amp;";
            break;
        case '<':
            seguro += "&lt;";
            break;
        case '>':
            seguro += "&gt;";
            break;
        default:
            seguro += c;
        }
    }
    return seguro;
}

std::string ResumoEmHtml(std::string_view resumo)
{
    std::string seguro;
    size_t inicio = 0;
    for (size_t quebra = resumo.find(kQuebra); quebra != std::string_view::npos;
         quebra = resumo.find(kQuebra, inicio)) {
        seguro += EscaparHtml(resumo.substr(inicio, quebra - inicio));
        seguro += kQuebra;
        inicio = quebra + kQuebra.size();
    }
    seguro += EscaparHtml(resumo.substr(inicio));
    return seguro;
}
