#include "reports/ConvencoesDosRelatorios.h"

#include "reports/RelatorioHtml.h"
#include "core/Score.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr const char* kPecasDoCabecalho[] = {
    "<html>", "<head>", "<title>Varenta</title>", "<STYLE>", "TD {", "FONT-FAMILY: Arial;", "FONT-SIZE: 10pt;",
    "TEXT-ALIGN: center", "}", "</STYLE>", "</head>", "<body>",
};

// Maior coluna marcada, ou -1.
int MaiorColunaMarcada(const int16_t (&marcas)[5])
{
    for (int c = 4; c >= 0; --c)
        if (marcas[c] == 1)
            return c;
    return -1;
}

std::string TextoDoTime(const int16_t (&marcas)[5])
{
    const int coluna = MaiorColunaMarcada(marcas);
    return coluna < 0 ? std::string() : TextoDaColuna(coluna);
}

// Centavos inteiros, arredondados como o printf, sem sinal.
std::string Centavos(double valor)
{
    char texto[400];
    std::snprintf(texto, sizeof texto, "%.0f", std::fabs(valor) * 100.0);
    return texto;
}

} // namespace

void EscreverCabecalhoHtml(CRelatorioHtml& relatorio)
{
    for (const char* peca : kPecasDoCabecalho)
        relatorio << peca;
}

std::string BlocoDeTitulo(const std::string& titulo)
{
    return "<p><strong><big><big><font face=\"Arial\" color=\"#004080\">" + titulo +
           "</font></big></big></strong></p>";
}

std::string CelulaDeCabecalho(const std::string& rotulo, int largura, bool um_espaco)
{
    return "<th width=\"" + std::to_string(largura) + (um_espaco ? "\" " : "\"  ") +
           "height=\"20\" bgcolor=\"#7BA8D9\"><small><font face=\"Arial\" color=\"#FFFFFF\">" + rotulo +
           "</font></small></th>";
}

std::string FormatarValor(double valor)
{
    // Registro danificado: sem número para mostrar.
    if (!std::isfinite(valor))
        return "-";
    std::string invertido = Centavos(valor);
    const bool negativo = valor < 0 && invertido.find_first_not_of('0') != std::string::npos;
    std::reverse(invertido.begin(), invertido.end());
    while (invertido.size() < 3)
        invertido += '0';
    std::string texto = invertido.substr(0, 2) + ",";
    const std::string resto = invertido.substr(2);
    for (size_t i = 0; i < resto.size(); ++i) {
        if (i != 0 && i % 3 == 0)
            texto += '.';
        texto += resto[i];
    }
    if (negativo)
        texto += '-';
    std::reverse(texto.begin(), texto.end());
    return texto;
}

std::string TextoDaColuna(int coluna)
{
    return coluna == 4 ? "+" : std::to_string(coluna);
}

std::string TextoDoPlacar(const CScore& placar)
{
    return TextoDoTime(placar.m_time1) + " x " + TextoDoTime(placar.m_time2);
}
