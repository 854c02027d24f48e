// Os relatórios abertos de verdade num navegador (Chromium sem janela): a página é lida
// e as linhas das tabelas estão lá.
#include "reports/Comprovantes.h"
#include "reports/Graficos.h"
#include "core/ListaDeVolantes.h"
#include "reports/ListagemDeApostas.h"
#include "reports/ListagemDeResultados.h"
#include "tests/support/Montagem.h"
#include "tests/reports/PastasDeTeste.h"
#include "reports/RelatorioDoRetorno.h"
#include "tests/reports/RetornoDeExemplo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace fs = std::filesystem;

namespace {

const fs::path kChromium = "/usr/bin/chromium";

size_t Ocorrencias(const std::string& texto, const std::string& parte)
{
    size_t total = 0;
    for (size_t pos = texto.find(parte); pos != std::string::npos; pos = texto.find(parte, pos + 1))
        ++total;
    return total;
}

class NoNavegador : public testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(kChromium))
            GTEST_SKIP() << kChromium << " não está instalado (apt-get install chromium); teste no navegador pulado.";
        CListaDeResultados resultados;
        resultados.push_back(ResultadoDosPlacares(1, "1x0 0x0 0x2 +x3 2x2"));
        resultados.push_back(ResultadoDosPlacares(2, "0x1 0x1 0x1 0x1 0x1"));
        resultados.push_back(ResultadoDosPlacares(3, "+x+ 3x3 2x1 1x2 0x+"));
        m_pastas.GravarResultados(resultados);
    }

    // A página depois de lida pelo navegador (DOM em UTF-8).
    std::string Dom(const fs::path& pagina) const
    {
        const std::string comando = "timeout 120 " + kChromium.string() +
                                    " --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --dump-dom"
                                    " --disable-background-networking --disable-component-update --no-first-run"
                                    " --user-data-dir='" +
                                    m_perfil.Caminho().string() + "' 'file://" + pagina.string() + "' 2>/dev/null";
        std::unique_ptr<FILE, int (*)(FILE*)> saida(popen(comando.c_str(), "r"), pclose);
        std::string dom;
        char bloco[4096];
        for (size_t lidos; saida && (lidos = fread(bloco, 1, sizeof bloco, saida.get())) > 0;)
            dom.append(bloco, lidos);
        return dom;
    }

    CPastasDeTeste m_pastas;
    CPastaTemporaria m_perfil;
};

TEST_F(NoNavegador, ListagemDeResultados)
{
    const std::string dom = Dom(EscreverListagemDeResultados(m_pastas.Pastas()));

    EXPECT_EQ(Ocorrencias(dom, "<tr"), 1u + 3u) << dom;
    EXPECT_EQ(Ocorrencias(dom, "<th "), 15u);
    EXPECT_EQ(Ocorrencias(dom, "<td>N\u00c3O</td>"), 3u);
    EXPECT_NE(dom.find("<td>+ x +</td>"), std::string::npos);
}

TEST_F(NoNavegador, Graficos)
{
    struct {
        EGrafico grafico;
        size_t linhas;
        size_t colunas;
    } const graficos[] = {
        {EGrafico::FrequenciaDeResultados, 6, 3}, {EGrafico::GolsPorTime, 21, 2},
        {EGrafico::TotalDeGols, 41, 1},           {EGrafico::ResultadosPorColunaTime1, 6, 5},
        {EGrafico::ResultadosPorColunaTime2, 6, 5}, {EGrafico::TotalDeResultadosPorColuna, 11, 5},
    };
    for (const auto& grafico : graficos) {
        const std::string dom = Dom(EscreverGrafico(m_pastas.Pastas(), grafico.grafico));
        // Cabeçalho, as linhas e, em cada célula, as duas linhas da barra.
        EXPECT_EQ(Ocorrencias(dom, "<tr"), 1 + grafico.linhas * (1 + 2 * grafico.colunas)) << int(grafico.grafico);
        EXPECT_EQ(Ocorrencias(dom, "bgcolor=\"#FFCC33\""), grafico.linhas * grafico.colunas);
    }
}

TEST_F(NoNavegador, ListagemDeApostas)
{
    CListaDeVolantes volantes;
    for (const char* cartao : {"1x0 2x2 +x1 0x0 3x+", "0x0 0x0 0x0 0x0 0x0", "+x+ 3x3 2x1 1x2 0x+"})
        AdicionarCartao(volantes, cartao);

    const std::string dom = Dom(EscreverListagemDeApostas(m_pastas.Pastas(), volantes));

    EXPECT_EQ(Ocorrencias(dom, "<tr"), 2u + 3u) << dom;
    EXPECT_EQ(Ocorrencias(dom, "<td>+</td>"), 5u);
}

TEST_F(NoNavegador, RetornoDaAposta)
{
    const std::string dom = Dom(EscreverRelatorioDoRetorno(m_pastas.Pastas(), RetornoDeExemplo()));

    // Cabeçalho, três concursos com as duas linhas da barra cada e o total.
    EXPECT_EQ(Ocorrencias(dom, "<tr"), 1u + 3u * (1u + 2u) + 1u) << dom;
    EXPECT_EQ(Ocorrencias(dom, "<th "), 8u);
    EXPECT_NE(dom.find(">Pr\u00eamio</font>"), std::string::npos);  // lido como Windows-1252
    EXPECT_EQ(Ocorrencias(dom, "bgcolor=\"#FF3300\""), 1u);
    EXPECT_NE(dom.find("<td>5.302,50</td>"), std::string::npos);
}

TEST_F(NoNavegador, ComprovantesSemMarcacaoVindaDoArquivo)
{
    CelulasDoQuadro celulas{};
    celulas[0][0] = celulas[1][1] = celulas[2][2] = celulas[3][3] = celulas[4][4] = 1;
    const std::array<std::string, 5> chaves{"<b>A</b>", "B", "", "", ""};
    const std::string resumo = "Para acertar: <br>No mínimo 1 jogo na chave <b>A</b>.<br>Os 3 jogos sem chave.";

    const std::string dom = Dom(EscreverComprovantes(m_pastas.Pastas(), 77, celulas, chaves, resumo));

    // A linha de fora, a dos rótulos e as dos cinco jogos.
    EXPECT_EQ(Ocorrencias(dom, "<tr"), 1u + 1u + 5u) << dom;
    EXPECT_EQ(Ocorrencias(dom, "<input"), 5u + 2u * 24u);  // favoritos e alternativas dos jogos com chave
    EXPECT_EQ(Ocorrencias(dom, "<br>"), 2u + 2u + 1u);
    EXPECT_EQ(dom.find("<b>"), std::string::npos);
    EXPECT_NE(dom.find("&lt;b&gt;A&lt;/b&gt;"), std::string::npos);
}

} // namespace
