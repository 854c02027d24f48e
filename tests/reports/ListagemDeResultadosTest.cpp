#include "reports/ListagemDeResultados.h"

#include "core/ArquivoDanificado.h"
#include "core/ErroAoAbrirArquivo.h"
#include "core/ErroAoSalvarArquivo.h"
#include "tests/support/PastaTemporaria.h"
#include "tests/support/Montagem.h"
#include "tests/reports/PastasDeTeste.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Três concursos: acumulado, não acumulado com valor, e o exemplo dos valores.
CListaDeResultados TresResultados()
{
    CListaDeResultados resultados;
    resultados.push_back(ResultadoDosPlacares(1, "1x0 2x2 +x1 0x0 3x+"));
    resultados.back()->m_data = {37653.0, SData::kValida};
    resultados.back()->m_ganhadores[3] = 120;
    resultados.back()->m_ganhadores[4] = 5;
    resultados.back()->m_rateio[3] = 12.5;
    resultados.back()->m_rateio[4] = 1234.56;
    resultados.back()->m_acumulado = 1;
    resultados.back()->m_valorAcumulado = 1000000;
    resultados.push_back(ResultadoDosPlacares(2, "0x1 0x1 0x1 0x1 +x+"));
    resultados.back()->m_data = {37695.75, SData::kValida};  // 18h
    resultados.back()->m_ganhadores[3] = 1;
    resultados.back()->m_rateio[3] = 0.05;
    resultados.back()->m_acumulado = 0;
    resultados.back()->m_valorAcumulado = 500;
    resultados.push_back(ResultadoDosPlacares(10, "3x3 2x1 1x2 +x0 0x3"));
    resultados.back()->m_data = {40543.0, SData::kValida};
    resultados.back()->m_ganhadores[3] = 7;
    resultados.back()->m_ganhadores[4] = 2;
    resultados.back()->m_ganhadores[5] = 1;
    resultados.back()->m_rateio[3] = 123.45;
    resultados.back()->m_rateio[4] = 1000;
    resultados.back()->m_rateio[5] = 1234567.89;
    return resultados;
}

class ListagemDeResultados : public testing::Test {
protected:
    fs::path Relatorio() const { return m_pastas.Dados() / "relatorios" / "Varenta.htm"; }

    CPastasDeTeste m_pastas;
};

TEST_F(ListagemDeResultados, TabelaComLinhasAlternadas)
{
    m_pastas.GravarResultados(TresResultados());

    const fs::path caminho = EscreverListagemDeResultados(m_pastas.Pastas());

    EXPECT_EQ(caminho, Relatorio());
    EXPECT_EQ(LerBytes(caminho), LerBytes(Fixture("reports/fixtures/listagem_de_resultados.htm")));
}

TEST_F(ListagemDeResultados, ArquivoVazioSoCabecalhoERodape)
{
    m_pastas.GravarResultados({});

    EXPECT_EQ(LerBytes(EscreverListagemDeResultados(m_pastas.Pastas())),
              LerBytes(Fixture("reports/fixtures/listagem_de_resultados_vazia.htm")));
}

TEST_F(ListagemDeResultados, ImagemVemDaInstalacaoSemSubstituirADoUsuario)
{
    fs::create_directories(m_pastas.Instalacao() / "relatorios");
    GravarBytes(m_pastas.Instalacao() / "relatorios" / "t3.gif", "GIF89a instalado");
    m_pastas.GravarResultados({});

    EscreverListagemDeResultados(m_pastas.Pastas());
    EXPECT_EQ(LerBytes(m_pastas.Dados() / "relatorios" / "t3.gif"), "GIF89a instalado");

    GravarBytes(m_pastas.Dados() / "relatorios" / "t3.gif", "GIF89a do usuario");
    EscreverListagemDeResultados(m_pastas.Pastas());
    EXPECT_EQ(LerBytes(m_pastas.Dados() / "relatorios" / "t3.gif"), "GIF89a do usuario");
}

TEST_F(ListagemDeResultados, SemArquivoDeResultadosNadaEhEscrito)
{
    try {
        EscreverListagemDeResultados(m_pastas.Pastas());
        FAIL() << "devia falhar";
    } catch (const CErroAoAbrirArquivo& erro) {
        EXPECT_STREQ(erro.what(), "Erro ao Abrir Arquivo");
    }
    EXPECT_FALSE(fs::exists(Relatorio()));
}

TEST_F(ListagemDeResultados, ArquivoDanificadoMostraAMensagemDeleEMantemORelatorioAnterior)
{
    m_pastas.GravarResultados(TresResultados());
    const std::string anterior = LerBytes(EscreverListagemDeResultados(m_pastas.Pastas()));
    m_pastas.GravarBytesDosResultados("");

    try {
        EscreverListagemDeResultados(m_pastas.Pastas());
        FAIL() << "devia falhar";
    } catch (const CArquivoDanificado& erro) {
        const fs::path resultados = m_pastas.Dados() / "resultados" / "Varenta.dat";
        EXPECT_EQ(erro.what(), "Attempted to access " + resultados.string() + " past its end.");
    }
    EXPECT_EQ(LerBytes(Relatorio()), anterior);
}

TEST_F(ListagemDeResultados, SegundaVezSubstituiASemSobras)
{
    m_pastas.GravarResultados(TresResultados());
    EscreverListagemDeResultados(m_pastas.Pastas());
    m_pastas.GravarResultados({});

    EscreverListagemDeResultados(m_pastas.Pastas());

    EXPECT_EQ(LerBytes(Relatorio()), LerBytes(Fixture("reports/fixtures/listagem_de_resultados_vazia.htm")));
    std::vector<fs::path> arquivos;
    for (const auto& entrada : fs::directory_iterator(m_pastas.Dados() / "relatorios"))
        arquivos.push_back(entrada.path().filename());
    EXPECT_EQ(arquivos, std::vector<fs::path>{"Varenta.htm"});
}

TEST_F(ListagemDeResultados, RelatorioQueNaoPodeSerCriado)
{
    m_pastas.GravarResultados({});
    fs::create_directories(Relatorio() / "ocupado");  // uma pasta no lugar do arquivo

    try {
        EscreverListagemDeResultados(m_pastas.Pastas());
        FAIL() << "devia falhar";
    } catch (const CErroAoSalvarArquivo& erro) {
        EXPECT_EQ(erro.what(), "Erro ao Salvar Arquivo: " + Relatorio().string() + ": não foi possível gravar");
    }
}

// Um link plantado no lugar do relatório (para um arquivo set-uid) não empresta as
// permissões do alvo: o relatório fica com as de sempre, e o alvo como estava.
TEST_F(ListagemDeResultados, RelatorioSobreLinkTemAsPermissoesDeSempre)
{
    m_pastas.GravarResultados(TresResultados());
    EscreverListagemDeResultados(m_pastas.Pastas());
    const fs::path alvo = m_pastas.Dados() / "alvo";
    GravarBytes(alvo, "alvo");
    ASSERT_EQ(::chmod(alvo.c_str(), 04755), 0);
    fs::remove(Relatorio());
    fs::create_symlink(alvo, Relatorio());

    EscreverListagemDeResultados(m_pastas.Pastas());

    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    EXPECT_FALSE(fs::is_symlink(Relatorio()));
    EXPECT_EQ(fs::status(Relatorio()).permissions(), static_cast<fs::perms>(0666 & ~mascara));
    EXPECT_EQ(LerBytes(alvo), "alvo");
    EXPECT_EQ(fs::status(alvo).permissions() & fs::perms::mask, static_cast<fs::perms>(04755));
}

} // namespace
