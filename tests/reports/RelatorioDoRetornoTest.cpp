#include "reports/RelatorioDoRetorno.h"

#include "tests/reports/PastasDeTeste.h"
#include "tests/reports/RetornoDeExemplo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace fs = std::filesystem;

namespace {

using testing::HasSubstr;
using testing::Not;

enum class ELado { kEsquerda, kDireita };

// Largura, cor e lado do eixo da barra de cada linha de concurso, na ordem da página.
struct SBarra {
    int largura;
    std::string cor;
    ELado lado;
    bool operator==(const SBarra&) const = default;
};

std::ostream& operator<<(std::ostream& saida, const SBarra& barra)
{
    return saida << barra.largura << "% " << barra.cor << (barra.lado == ELado::kEsquerda ? " à esquerda" : " à direita");
}

const std::string kEixo = "style=\"border-left: 1px solid #000000\"";
const std::string kCelulaDoSaldo = "<table width=\"100%\"";

std::vector<SBarra> Barras(const std::string& pagina)
{
    static const std::regex barra(
        R"re(<table width="(\d+)%" border="0" cellspacing="0" cellpadding="0" bgcolor="(#[0-9A-F]+)")re");
    std::vector<SBarra> barras;
    for (std::sregex_iterator it(pagina.begin(), pagina.end(), barra), fim; it != fim; ++it) {
        // À esquerda do eixo quando o eixo da mesma célula ainda vem depois da barra.
        const size_t depois = static_cast<size_t>(it->position(0) + it->length(0));
        const size_t eixo = pagina.find(kEixo, depois);
        const size_t proxima = pagina.find(kCelulaDoSaldo, depois);
        const bool esquerda = eixo != std::string::npos && (proxima == std::string::npos || eixo < proxima);
        barras.push_back({std::stoi((*it)[1]), (*it)[2], esquerda ? ELado::kEsquerda : ELado::kDireita});
    }
    return barras;
}

size_t Ocorrencias(const std::string& texto, const std::string& parte)
{
    size_t total = 0;
    for (size_t pos = texto.find(parte); pos != std::string::npos; pos = texto.find(parte, pos + 1))
        ++total;
    return total;
}

class RelatorioDoRetorno : public testing::Test {
protected:
    CPastasDeTeste m_pastas;
};

TEST_F(RelatorioDoRetorno, UmaLinhaPorConcursoOTotalEAsBarrasDoSaldo)
{
    const fs::path caminho = EscreverRelatorioDoRetorno(m_pastas.Pastas(), RetornoDeExemplo());
    EXPECT_EQ(caminho, m_pastas.Dados() / "relatorios" / "VarentaRetorno.htm");
    const std::string pagina = LerBytes(caminho);

    EXPECT_THAT(pagina, testing::StartsWith("<html><head><title>Varenta</title><STYLE>"));
    EXPECT_THAT(pagina, testing::EndsWith("</body></html>"));
    // Windows-1252 e CR LF: nada de UTF-8 nem de LF sozinho.
    EXPECT_THAT(pagina, HasSubstr(">Pr\xEAmio</font>"));
    EXPECT_THAT(pagina, Not(HasSubstr("\xC3")));
    EXPECT_EQ(Ocorrencias(pagina, "\n"), Ocorrencias(pagina, "\r\n"));
    EXPECT_THAT(pagina, HasSubstr("<p><strong><big><big><font face=\"Arial\" color=\"#004080\">"
                                  "Retorno da Aposta na Varenta</font></big></big></strong></p>"));

    EXPECT_THAT(pagina, HasSubstr("<tr><td>101</td><td>2</td><td>0</td><td>1</td>"
                                  "<td>5.021,00</td><td>8,00</td><td>5.013,00</td>"));
    EXPECT_THAT(pagina, HasSubstr("<tr bgcolor=#D9E6F4><td>102</td><td>0</td><td>2</td><td>0</td>"
                                  "<td>300,50</td><td>8,00</td><td>292,50</td>"));
    EXPECT_THAT(pagina, HasSubstr("<tr><td>103</td><td>1</td><td>0</td><td>0</td>"
                                  "<td>5,00</td><td>8,00</td><td>-3,00</td>"));
    EXPECT_THAT(pagina, HasSubstr("<td>Total:</td><td>3</td><td>2</td><td>1</td>"
                                  "<td>5.326,50</td><td>24,00</td><td>5.302,50</td><td>&nbsp;</td></tr></table>"));
    // O maior saldo ocupa a metade da célula; 292,50 de 5.013,00 dá 5%; o prejuízo de 3,00
    // é pequeno, mas aparece: vermelho, à esquerda do eixo.
    EXPECT_EQ(Barras(pagina), (std::vector<SBarra>{{100, "#FFCC33", ELado::kDireita},
                                                  {5, "#FFCC33", ELado::kDireita},
                                                  {1, "#FF3300", ELado::kEsquerda}}));
    EXPECT_EQ(Ocorrencias(pagina, kEixo), 3u);
}

TEST_F(RelatorioDoRetorno, SemConcursosSoOCabecalhoEOTotal)
{
    const std::string pagina = LerBytes(EscreverRelatorioDoRetorno(m_pastas.Pastas(), RetornoSemConcursos()));
    EXPECT_EQ(Ocorrencias(pagina, "<tr"), 2u);
    EXPECT_THAT(pagina, HasSubstr("<td>Total:</td><td>0</td><td>0</td><td>0</td><td>0,00</td><td>0,00</td>"
                                  "<td>0,00</td>"));
    EXPECT_TRUE(Barras(pagina).empty());
}

TEST(BarraDoSaldo, LarguraProporcionalAoMaiorSaldoCorELadoDoSinal)
{
    struct Caso {
        double saldo;
        double maior;
        std::vector<SBarra> barras;
    } const casos[] = {
        {50.0, 200.0, {{25, "#FFCC33", ELado::kDireita}}},
        {-200.0, 200.0, {{100, "#FF3300", ELado::kEsquerda}}},
        {-50.0, 200.0, {{25, "#FF3300", ELado::kEsquerda}}},
        {-0.5, 200.0, {{1, "#FF3300", ELado::kEsquerda}}},
        {0.5, 200.0, {{1, "#FFCC33", ELado::kDireita}}},
        // Sem saldo, sem escala ou sem número: só o eixo, nenhuma barra vazia.
        {0.0, 200.0, {}},
        {0.0, 0.0, {}},
        {std::nan(""), 10.0, {}},
    };
    for (const Caso& caso : casos) {
        const std::string celula = BarraDoSaldo(caso.saldo, caso.maior);
        EXPECT_EQ(Barras(celula), caso.barras) << caso.saldo;
        EXPECT_EQ(Ocorrencias(celula, kEixo), 1u) << caso.saldo;
    }
}

} // namespace
