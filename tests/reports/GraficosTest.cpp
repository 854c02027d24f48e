#include "reports/Graficos.h"

#include "core/Cp1252.h"
#include "core/ErroAoAbrirArquivo.h"
#include "tests/support/Montagem.h"
#include "tests/reports/PastasDeTeste.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

namespace fs = std::filesystem;

namespace {

constexpr const char* kExemplo = "1x0 0x0 0x2 +x3 2x2";

// Contagem e largura de cada célula, por linha do gráfico.
struct SCelula {
    int quantidade;
    int largura;
    bool operator==(const SCelula&) const = default;
};
using Tabela = std::vector<std::vector<SCelula>>;

Tabela LerTabela(const std::string& pagina)
{
    static const std::regex celula(
        R"(sans-serif">(\d+)</font></td>\r\n  <td width="86%" height="12">\r\n      <table width="(\d+)%")");
    Tabela tabela;
    const std::string inicio = "<tr heigth=\"15\" bgcolor=#D9E6F4>";
    for (size_t pos = pagina.find(inicio); pos != std::string::npos;) {
        const size_t proxima = pagina.find(inicio, pos + 1);
        const std::string linha = pagina.substr(pos, proxima == std::string::npos ? std::string::npos : proxima - pos);
        std::vector<SCelula> celulas;
        for (std::sregex_iterator it(linha.begin(), linha.end(), celula), fim; it != fim; ++it)
            celulas.push_back({std::stoi((*it)[1]), std::stoi((*it)[2])});
        tabela.push_back(celulas);
        pos = proxima;
    }
    return tabela;
}

// Tabela de zeros com 1 (largura 100) nas células dadas (linha, coluna).
Tabela UmConcurso(int linhas, int colunas, const std::vector<std::pair<int, int>>& uns)
{
    Tabela tabela(size_t(linhas), std::vector<SCelula>(size_t(colunas), SCelula{0, 0}));
    for (const auto& [linha, coluna] : uns)
        tabela[size_t(linha)][size_t(coluna)] = {1, 100};
    return tabela;
}

class Graficos : public testing::Test {
protected:
    std::string Escrever(EGrafico grafico) { return LerBytes(EscreverGrafico(m_pastas.Pastas(), grafico)); }

    void GravarConcursos(const std::vector<std::string>& placares)
    {
        CListaDeResultados resultados;
        for (const std::string& texto : placares)
            resultados.push_back(ResultadoDosPlacares(int32_t(resultados.size() + 1), texto));
        m_pastas.GravarResultados(resultados);
    }

    CPastasDeTeste m_pastas;
};

TEST_F(Graficos, FrequenciaDoConcursoDeExemploPecaPorPeca)
{
    GravarConcursos({kExemplo});

    const fs::path caminho = EscreverGrafico(m_pastas.Pastas(), EGrafico::FrequenciaDeResultados);

    EXPECT_EQ(caminho, m_pastas.Dados() / "relatorios" / "VarentaFrequencia.htm");
    EXPECT_EQ(LerBytes(caminho), LerBytes(Fixture("reports/fixtures/grafico_32773.htm")));
}

TEST_F(Graficos, CadaGraficoContaOConcursoDeExemplo)
{
    GravarConcursos({kExemplo});
    struct {
        EGrafico grafico;
        const char* titulo;
        Tabela esperada;
    } const casos[] = {
        {EGrafico::FrequenciaDeResultados, "Análise de Frequência na  Varenta", UmConcurso(6, 3, {{2, 0}, {2, 1}, {1, 2}})},
        // time 1: 1+0+0+4+2 = 7; time 2: 0+0+2+3+2 = 7
        {EGrafico::GolsPorTime, "Quantidade de Gols por Time na Varenta", UmConcurso(21, 2, {{7, 0}, {7, 1}})},
        {EGrafico::TotalDeGols, "Quantidade de Gols por Time na Varenta", UmConcurso(41, 1, {{14, 0}})},
        // time 1 nas colunas 1, 0, 0, +, 2
        {EGrafico::ResultadosPorColunaTime1, "Quantidade de resultados na coluna para o Time 1",
         UmConcurso(6, 5, {{2, 0}, {1, 1}, {1, 2}, {0, 3}, {1, 4}})},
        // time 2 nas colunas 0, 0, 2, 3, 2
        {EGrafico::ResultadosPorColunaTime2, "Quantidade de resultados na coluna para o Time 2",
         UmConcurso(6, 5, {{2, 0}, {0, 1}, {2, 2}, {1, 3}, {0, 4}})},
        {EGrafico::TotalDeResultadosPorColuna, "Quantidade Total de Resultados Por Coluna",
         UmConcurso(11, 5, {{4, 0}, {1, 1}, {3, 2}, {1, 3}, {1, 4}})},
    };
    for (const auto& caso : casos) {
        const std::string pagina = Escrever(caso.grafico);
        EXPECT_NE(pagina.find("color=\"#004080\">" + Utf8ParaCp1252(caso.titulo) + "</font>"), std::string::npos)
            << int(caso.grafico);
        EXPECT_EQ(LerTabela(pagina), caso.esperada) << int(caso.grafico);
    }
}

TEST_F(Graficos, CabecalhosERotulosDasLinhas)
{
    GravarConcursos({kExemplo});
    const std::string colunas = Escrever(EGrafico::TotalDeResultadosPorColuna);
    EXPECT_NE(colunas.find("<tr><th width=\"100\"  height=\"20\" bgcolor=\"#7BA8D9\"><small><font face=\"Arial\" "
                           "color=\"#FFFFFF\">&nbsp;</font></small></th><th width=\"130\" height=\"20\""),
              std::string::npos);
    EXPECT_NE(colunas.find(">Col. \"+\"</font></small></th><tr heigth=\"15\" bgcolor=#D9E6F4><td>Nenhuma ocorrencia</td>"),
              std::string::npos);
    EXPECT_NE(colunas.find("<td>1 ocorrencia</td>"), std::string::npos);
    EXPECT_NE(colunas.find("<td>10 ocorrencias</td>"), std::string::npos);

    const std::string gols = Escrever(EGrafico::TotalDeGols);
    EXPECT_NE(gols.find(">Qtde de gols por rodada </font></small></th><th width=\"400\" height=\"20\""),
              std::string::npos);
    for (const char* rotulo : {"<td>Nenhum Gol</td>", "<td>1 Gol</td>", "<td>2 Gols</td>", "<td>40 Gols</td>"})
        EXPECT_NE(gols.find(rotulo), std::string::npos) << rotulo;
}

TEST_F(Graficos, MaiorContagemTemLarguraCemEAsOutrasProporcionais)
{
    // Dois concursos do exemplo e um com o time 2 vencendo os cinco jogos.
    GravarConcursos({kExemplo, kExemplo, "0x1 0x1 0x1 0x1 0x1"});

    const Tabela tabela = LerTabela(Escrever(EGrafico::FrequenciaDeResultados));

    Tabela esperada(6, std::vector<SCelula>(3, SCelula{0, 0}));
    esperada[2][0] = esperada[2][1] = esperada[1][2] = {2, 100};
    esperada[0][0] = esperada[0][1] = esperada[5][2] = {1, 50};
    EXPECT_EQ(tabela, esperada);
}

TEST_F(Graficos, SemConcursosTodasAsLargurasSaoZero)
{
    GravarConcursos({});

    const Tabela tabela = LerTabela(Escrever(EGrafico::GolsPorTime));

    EXPECT_EQ(tabela, UmConcurso(21, 2, {}));
}

TEST_F(Graficos, TimeSemColunaMarcadaContaComoZero)
{
    CListaDeResultados resultados;
    resultados.push_back(ResultadoDosPlacares(1, "1x1 1x1 1x1 1x1 1x1"));
    std::fill(std::begin(resultados[0]->m_scores[0]->m_time1), std::end(resultados[0]->m_scores[0]->m_time1), 0);
    m_pastas.GravarResultados(resultados);

    // Quatro jogos na coluna "1" e um na "0".
    EXPECT_EQ(LerTabela(Escrever(EGrafico::ResultadosPorColunaTime1)),
              UmConcurso(6, 5, {{1, 0}, {4, 1}, {0, 2}, {0, 3}, {0, 4}}));
}

TEST_F(Graficos, OSegundoGraficoSubstituiOPrimeiro)
{
    GravarConcursos({kExemplo});
    Escrever(EGrafico::GolsPorTime);

    const std::string pagina = Escrever(EGrafico::ResultadosPorColunaTime2);

    EXPECT_EQ(LerBytes(m_pastas.Dados() / "relatorios" / "VarentaFrequencia.htm"), pagina);
    EXPECT_EQ(pagina.find("Gols por Time"), std::string::npos);
}

TEST_F(Graficos, SemArquivoDeResultados)
{
    try {
        EscreverGrafico(m_pastas.Pastas(), EGrafico::TotalDeGols);
        FAIL() << "devia falhar";
    } catch (const CErroAoAbrirArquivo& erro) {
        EXPECT_STREQ(erro.what(), "Erro ao Abrir Arquivo");
    }
    EXPECT_FALSE(fs::exists(m_pastas.Dados() / "relatorios" / "VarentaFrequencia.htm"));
}

TEST(GraficoDoComando, OsSeisComandosEMaisNenhum)
{
    for (int comando : {32773, 32778, 32781, 32795, 32785, 32787})
        EXPECT_EQ(static_cast<int>(GraficoDoComando(comando).value()), comando);
    for (int comando : {0, 32784, 32777, -32773})
        EXPECT_FALSE(GraficoDoComando(comando).has_value()) << comando;
}

} // namespace
