// quinaro-cli e o arquivo de resultados do usuário: a mesma leitura e as mesmas
// mensagens do programa de mesa em todo comando que o lê; gráficos pelo nome.
#include "tests/cli/ExecucaoDoCli.h"
#include "tests/support/PastaTemporaria.h"

#include "document/ArquivoDeApostas.h"
#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "core/CartaoCheio.h"
#include "platform/PastasDoSistema.h"
#include "document/VarentaDoc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using testing::HasSubstr;

class ArquivoDeResultadosNoCli : public testing::Test {
protected:
    void SetUp() override
    {
        CVarentaDoc documento;
        documento.OnNewDocument();
        for (auto& jogo : documento.m_celulas)
            jogo[0] = kFavorito;
        GravarArquivoDeApostas(documento, m_quadro);
        m_resultados = CaminhoDeDados(CPastasDoSistema(), kArquivoDeResultados);
        fs::remove(m_resultados);
    }

    void GravarUmConcurso() const
    {
        CListaDeResultados lista;
        auto resultado = std::make_unique<CResultadoVarenta>();
        resultado->m_concurso = 7;
        for (int m = 0; m < 5; ++m)
            resultado->m_scores.push_back(std::make_unique<CScore>(*CCartaoCheio::Instancia().Celula(m, m)));
        lista.push_back(std::move(resultado));
        ASSERT_TRUE(GravarArquivoDeResultados(m_resultados, lista));
    }

    // Todo comando que lê o arquivo de resultados.
    std::vector<std::vector<std::string>> Leitores() const
    {
        return {
            {"resultados", "listar"},
            {"resultados", "remover", "7"},
            {"conferir", m_quadro, "--concurso", "7"},
            {"analisar", m_quadro},
            {"relatorio", "resultados"},
            {"relatorio", "grafico", "frequencia"},
            {"relatorio", "grafico", "32787"},
        };
    }

    CPastaTemporaria m_pasta;
    fs::path m_quadro = m_pasta / "quadro.vrt";
    fs::path m_resultados;
};

TEST_F(ArquivoDeResultadosNoCli, SemArquivoTodoComandoDizErroAoAbrirComOCaminho)
{
    for (const auto& argumentos : Leitores()) {
        const SExecucao execucao = ExecutarCli(argumentos);
        EXPECT_EQ(execucao.codigo, 1) << argumentos[0] << ' ' << argumentos[1];
        EXPECT_EQ(execucao.erros, "Erro ao Abrir Arquivo: " + m_resultados.string() + "\n") << argumentos[1];
        EXPECT_FALSE(fs::exists(m_resultados)) << argumentos[1];
    }
}

TEST_F(ArquivoDeResultadosNoCli, ArquivoDanificadoDaAMensagemDoFormatoENadaMuda)
{
    const struct {
        std::string bytes;
        std::string mensagem;
    } casos[] = {
        {"", "Attempted to access " + m_resultados.string() + " past its end."},
        {std::string("\x01\x00\xff\xff\x00\x00\x03\x00XYZ", 11), m_resultados.string() + " contained an unexpected object."},
    };
    for (const auto& caso : casos) {
        GravarBytes(m_resultados, caso.bytes);
        for (const auto& argumentos : Leitores()) {
            const SExecucao execucao = ExecutarCli(argumentos);
            EXPECT_EQ(execucao.codigo, 1) << argumentos[1];
            EXPECT_EQ(execucao.erros, caso.mensagem + "\n") << argumentos[1];
            EXPECT_EQ(LerBytes(m_resultados), caso.bytes) << argumentos[1];
        }
    }
}

TEST_F(ArquivoDeResultadosNoCli, GraficoPeloNomeOuPeloNumeroDaOMesmoRelatorio)
{
    GravarUmConcurso();
    const struct {
        const char* nome;
        const char* numero;
    } casos[] = {
        {"frequencia", "32773"},    {"gols-por-time", "32778"}, {"total-de-gols", "32781"},
        {"colunas-time1", "32795"}, {"colunas-time2", "32785"}, {"total-por-coluna", "32787"},
    };
    const SExecucao ajuda = ExecutarCli({"--help"});
    for (const auto& caso : casos) {
        EXPECT_THAT(ajuda.saida, HasSubstr(caso.nome));
        const SExecucao pelo_nome = ExecutarCli({"relatorio", "grafico", caso.nome});
        ASSERT_EQ(pelo_nome.codigo, 0) << pelo_nome.erros;
        const fs::path caminho = pelo_nome.saida.substr(0, pelo_nome.saida.size() - 1);
        const std::string bytes = LerBytes(caminho);
        const SExecucao pelo_numero = ExecutarCli({"relatorio", "grafico", caso.numero});
        ASSERT_EQ(pelo_numero.codigo, 0) << pelo_numero.erros;
        EXPECT_EQ(pelo_numero.saida, pelo_nome.saida);
        EXPECT_EQ(LerBytes(caminho), bytes) << caso.nome;
    }
    // Cada nome dá o seu gráfico, não sempre o mesmo.
    const SExecucao frequencia = ExecutarCli({"relatorio", "grafico", "frequencia"});
    const std::string bytes_da_frequencia = LerBytes(frequencia.saida.substr(0, frequencia.saida.size() - 1));
    const SExecucao gols = ExecutarCli({"relatorio", "grafico", "total-de-gols"});
    EXPECT_NE(LerBytes(gols.saida.substr(0, gols.saida.size() - 1)), bytes_da_frequencia);

    for (const char* desconhecido : {"1", "Frequencia", "frequencia ", "", "32773x"}) {
        const SExecucao execucao = ExecutarCli({"relatorio", "grafico", desconhecido});
        EXPECT_EQ(execucao.codigo, 1) << desconhecido;
        EXPECT_THAT(execucao.erros, HasSubstr("Gráfico desconhecido")) << desconhecido;
        EXPECT_THAT(execucao.erros, HasSubstr("total-por-coluna")) << desconhecido;
    }
}

} // namespace
