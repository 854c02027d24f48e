#include "reports/ConvencoesDosRelatorios.h"
#include "reports/Graficos.h"
#include "reports/RelatorioHtml.h"
#include "core/Score.h"
#include "reports/TextoSeguroHtml.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

namespace {

TEST(FormatarValor, CentavosComPontosDeMilhar)
{
    const std::pair<double, const char*> casos[] = {
        {1234567.89, "1.234.567,89"}, {1000, "1.000,00"},   {123.45, "123,45"},      {0.05, "0,05"},
        {0, "0,00"},                  {1000000, "1.000.000,00"}, {12.5, "12,50"},    {999.999, "1.000,00"},
        {100, "100,00"},              {-1234.5, "-1.234,50"},    {-0.001, "0,00"},   {NAN, "-"},
        {INFINITY, "-"},
    };
    for (const auto& [valor, texto] : casos)
        EXPECT_EQ(FormatarValor(valor), texto) << valor;
}

CScore Placar(std::initializer_list<int> time1, std::initializer_list<int> time2)
{
    CScore placar;
    for (int c : time1)
        placar.m_time1[c] = 1;
    for (int c : time2)
        placar.m_time2[c] = 1;
    return placar;
}

TEST(TextoDoPlacar, ColunasComMaisEVariasMarcas)
{
    EXPECT_EQ(TextoDoPlacar(Placar({2}, {1})), "2 x 1");
    EXPECT_EQ(TextoDoPlacar(Placar({4}, {0})), "+ x 0");
    EXPECT_EQ(TextoDoPlacar(Placar({4}, {4})), "+ x +");
    EXPECT_EQ(TextoDoPlacar(Placar({0, 3}, {1, 2})), "3 x 2");  // vale a maior marcada
    EXPECT_EQ(TextoDoPlacar(Placar({}, {3})), " x 3");
}

int LarguraDaBarra(const std::string& barra)
{
    std::smatch partes;
    const std::regex largura(R"(<table width="(\d+)%" border="1")");
    EXPECT_TRUE(std::regex_search(barra, partes, largura)) << barra;
    return std::stoi(partes[1]);
}

TEST(BarraPercentual, LarguraEmPrecisaoSimples)
{
    struct {
        int quantidade, maximo, largura;
    } const casos[] = {
        {53, 100, 52}, {29, 100, 29}, {100, 100, 100}, {1, 3, 33}, {2, 3, 66},
        {0, 7, 0},     {0, 0, 0},     {7, 7, 100},     {1, 1, 100},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(LarguraDaBarra(BarraPercentual(caso.quantidade, caso.maximo)), caso.largura)
            << caso.quantidade << " de " << caso.maximo;
}

TEST(BarraPercentual, ContagemNaCelulaEstreitaEQuebrasDeLinha)
{
    const std::string barra = BarraPercentual(53, 100);
    EXPECT_NE(barra.find("sans-serif\">53</font></td>\n"), std::string::npos);
    EXPECT_EQ(std::count(barra.begin(), barra.end(), '\n'), 12);
    EXPECT_EQ(barra.back(), '\n');
}

TEST(TextoSeguroHtml, SoEscapaEComercialEMenorEMaior)
{
    EXPECT_EQ(EscaparHtml("<script>alert(\"x\" & 'y')</script>"),
              "&lt;script&gt;alert(\"x\" &amp; 'y')&lt;/script&gt;");
    EXPECT_EQ(EscaparHtml("A"), "A");
}

TEST(TextoSeguroHtml, ResumoMantemSoAsQuebras)
{
    EXPECT_EQ(ResumoEmHtml("Para: <br>No mínimo 1 jogo na chave <b>.<br>"),
              "Para: <br>No mínimo 1 jogo na chave &lt;b&gt;.<br>");
    EXPECT_EQ(ResumoEmHtml("<br><br>x<BR>"), "<br><br>x&lt;BR&gt;");
    EXPECT_EQ(ResumoEmHtml("<b<br>r>"), "&lt;b<br>r&gt;");
}

TEST(RelatorioHtml, Windows1252ECrLf)
{
    std::ostringstream saida;
    CRelatorioHtml relatorio(saida);
    relatorio << "NÃO\n" << "ação" << "\n\n";
    EXPECT_EQ(saida.str(), "N\xc3O\r\na\xe7\xe3o\r\n\r\n");
}

TEST(RelatorioHtml, CabecalhoEmPecasJuntas)
{
    std::ostringstream saida;
    CRelatorioHtml relatorio(saida);
    EscreverCabecalhoHtml(relatorio);
    EXPECT_EQ(saida.str(), "<html><head><title>Varenta</title><STYLE>TD {FONT-FAMILY: Arial;FONT-SIZE: 10pt;"
                           "TEXT-ALIGN: center}</STYLE></head><body>");
}

} // namespace
