// "quinaro-cli resultados importar/exportar", chamados direto, com HOME isolado pelo
// main dos testes.
#include "cli/ComandoResultados.h"
#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "platform/PastasDoSistema.h"
#include "tests/support/PastaTemporaria.h"
#include "tests/support/RelogioParado.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

using testing::HasSubstr;

const std::string kCabecalho =
    "concurso;data;placares;ganhadores 3;ganhadores 4;ganhadores 5;rateio 3;rateio 4;rateio 5;acumulado\n";

struct SSaida {
    int codigo = -1;
    std::string saida;
    std::string erros;
};

class CsvDeResultadosNoCli : public testing::Test {
protected:
    void SetUp() override
    {
        m_arquivo = CaminhoDeDados(CPastasDoSistema(), kArquivoDeResultados);
        ASSERT_THAT(m_arquivo.string(), HasSubstr(std::getenv("HOME")));
        fs::remove(m_arquivo);
    }

    static SSaida Rodar(const std::vector<std::string>& argumentos)
    {
        std::ostringstream saida;
        std::ostringstream erros;
        // "inserir" sem --data grava a hora deste relógio.
        const CRelogioParado relogio(SDiaEHora{2011, 7, 9, 14, 35, 20});
        const int codigo = ComandoResultadosComRelogio(argumentos, relogio, saida, erros);
        return {codigo, saida.str(), erros.str()};
    }

    static void Inserir(const std::vector<std::string>& opcoes)
    {
        std::vector<std::string> argumentos = {"inserir"};
        argumentos.insert(argumentos.end(), opcoes.begin(), opcoes.end());
        const auto execucao = Rodar(argumentos);
        ASSERT_EQ(execucao.codigo, 0) << execucao.erros;
    }

    void InserirTres()
    {
        Inserir({"--concurso", "1234", "--data", "15/03/2004", "--placares", "1x0 2x2 +x1 0x0 3x+", "--ganhadores3",
                 "152", "--ganhadores4", "9", "--rateio3", "25,40", "--rateio4", "2100", "--acumulado", "350000.00"});
        Inserir({"--concurso", "20", "--placares", "+x+ 3x3 2x1 1x2 0x+", "--rateio5", "0.125"});
        Inserir({"--concurso", "1", "--data", "1/2/2010", "--placares", "0x0 0x0 0x0 0x0 0x0"});
    }

    fs::path Csv(const std::string& nome, const std::string& conteudo) const
    {
        GravarBytes(m_pasta / nome, conteudo);
        return m_pasta / nome;
    }

    CPastaTemporaria m_pasta;
    fs::path m_arquivo;
};

TEST_F(CsvDeResultadosNoCli, ExportarEImportarDevolvemOMesmoArquivoByteAByte)
{
    InserirTres();
    const std::string original = LerBytes(m_arquivo);
    const fs::path csv = m_pasta / "resultados.csv";
    const auto exportacao = Rodar({"exportar", csv.string()});
    ASSERT_EQ(exportacao.codigo, 0) << exportacao.erros;
    EXPECT_THAT(exportacao.saida, HasSubstr("3 concursos"));
    EXPECT_EQ(LerBytes(csv), kCabecalho +
                                 "1;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0.00;0.00;0.00;0.00\n"
                                 "20;09/07/2011 14:35:20;+x+ 3x3 2x1 1x2 0x+;0;0;0;0.00;0.00;0.125;0.00\n"
                                 "1234;15/03/2004;1x0 2x2 +x1 0x0 3x+;152;9;0;25.40;2100.00;0.00;350000.00\n");

    fs::remove(m_arquivo);
    const auto importacao = Rodar({"importar", csv.string()});
    ASSERT_EQ(importacao.codigo, 0) << importacao.erros;
    EXPECT_EQ(importacao.erros, "");
    EXPECT_EQ(LerBytes(m_arquivo), original);

    // Sobre o próprio arquivo: cada concurso substituído por ele mesmo.
    ASSERT_EQ(Rodar({"importar", csv.string()}).codigo, 0);
    EXPECT_EQ(LerBytes(m_arquivo), original);
}

TEST_F(CsvDeResultadosNoCli, ComLinhaRuimNadaEGravadoSemIgnorarErros)
{
    Inserir({"--concurso", "7", "--data", "01/01/2001", "--placares", "1x1 1x1 1x1 1x1 1x1"});
    const std::string antes = LerBytes(m_arquivo);
    const fs::path csv = Csv("misto.csv", kCabecalho +
                                              "7;02/02/2002;2x2 2x2 2x2 2x2 2x2;0;0;0;0;0;0;0\n"
                                              "8;31/02/2002;2x2 2x2 2x2 2x2 2x2;0;0;0;0;0;0;0\n"
                                              "\n"
                                              "9;03/03/2003;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0\n"
                                              "10;04/04/2004;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0\n"
                                              "7;05/05/2005;3x3 3x3 3x3 3x3 3x3;0;0;0;0;0;0;0\n");
    const std::string recusas = csv.string() + ": Linha 3: data inválida: \"31/02/2002\" (use dd/mm/aaaa).\n" +
                                csv.string() + ": Linha 5: 9 colunas em vez de 10.\n" + csv.string() +
                                ": Linha 7: concurso 7 repetido (já na linha 2).\n";

    const auto tudo_ou_nada = Rodar({"importar", csv.string()});
    EXPECT_EQ(tudo_ou_nada.codigo, 1);
    EXPECT_EQ(tudo_ou_nada.saida, "");
    EXPECT_THAT(tudo_ou_nada.erros, testing::StartsWith(recusas));
    EXPECT_THAT(tudo_ou_nada.erros, HasSubstr("Nada gravado: 3 linha(s)"));
    EXPECT_EQ(LerBytes(m_arquivo), antes);

    const auto ignorando = Rodar({"importar", csv.string(), "--ignorar-erros"});
    EXPECT_EQ(ignorando.codigo, 0) << ignorando.erros;
    EXPECT_EQ(ignorando.erros, recusas);
    EXPECT_THAT(ignorando.saida, HasSubstr("2 concursos"));
    const auto listagem = Rodar({"listar"});
    EXPECT_EQ(listagem.saida, "7;02/02/2002;2x2 2x2 2x2 2x2 2x2;0;0;0;0.00;0.00;0.00;0.00\n"
                              "10;04/04/2004;0x0 0x0 0x0 0x0 0x0;0;0;0;0.00;0.00;0.00;0.00\n");
}

TEST_F(CsvDeResultadosNoCli, VirgulaComValoresEntreAspasDaOMesmoQuePontoEVirgula)
{
    const fs::path ponto_e_virgula =
        Csv("pv.csv", kCabecalho + "1234;15/03/2004;1x0 2x2 +x1 0x0 3x+;152;9;0;25,40;2100.00;0;350000.5\n");
    const fs::path virgula = Csv("v.csv", "\xEF\xBB\xBF"
                                          "concurso,data,placares,ganhadores 3,ganhadores 4,ganhadores 5,rateio 3,"
                                          "rateio 4,rateio 5,acumulado\r\n"
                                          "1234,15/03/2004,1x0 2x2 +x1 0x0 3x+,152,9,0,\"25,40\",2100.00,0,"
                                          "\"350000,50\"\r\n");
    ASSERT_EQ(Rodar({"importar", ponto_e_virgula.string()}).codigo, 0);
    const std::string esperado = LerBytes(m_arquivo);
    fs::remove(m_arquivo);
    const auto execucao = Rodar({"importar", virgula.string()});
    ASSERT_EQ(execucao.codigo, 0) << execucao.erros;
    EXPECT_EQ(LerBytes(m_arquivo), esperado);
    EXPECT_EQ(Rodar({"listar"}).saida, "1234;15/03/2004;1x0 2x2 +x1 0x0 3x+;152;9;0;25.40;2100.00;0.00;350000.50\n");
}

TEST_F(CsvDeResultadosNoCli, ArquivosQueNaoServemEUsoErrado)
{
    Inserir({"--concurso", "7", "--placares", "1x1 1x1 1x1 1x1 1x1"});
    const std::string antes = LerBytes(m_arquivo);
    const fs::path sem_cabecalho = Csv("sem.csv", "7;02/02/2002;2x2 2x2 2x2 2x2 2x2;0;0;0;0;0;0;0\n");
    const struct {
        std::vector<std::string> argumentos;
        int codigo;
        const char* mensagem;
    } casos[] = {
        {{"importar", sem_cabecalho.string()}, 1, "cabeçalho"},
        {{"importar", sem_cabecalho.string(), "--ignorar-erros"}, 1, "cabeçalho"},
        {{"importar", (m_pasta / "falta.csv").string()}, 1, "Erro ao Abrir Arquivo"},
        {{"importar"}, 2, "Uso: quinaro-cli resultados"},
        {{"importar", "a.csv", "b.csv"}, 2, "Uso: quinaro-cli resultados"},
        {{"importar", "a.csv", "--ignorar"}, 2, "Uso: quinaro-cli resultados"},
        {{"exportar"}, 2, "Uso: quinaro-cli resultados"},
        {{"exportar", "a.csv", "--ignorar-erros"}, 2, "Uso: quinaro-cli resultados"},
        {{"exportar", (m_pasta / "nao" / "ha" / "pasta.csv").string()}, 1, "Erro ao Salvar Arquivo"},
    };
    for (const auto& caso : casos) {
        const auto execucao = Rodar(caso.argumentos);
        EXPECT_EQ(execucao.codigo, caso.codigo) << testing::PrintToString(caso.argumentos);
        EXPECT_THAT(execucao.erros, HasSubstr(caso.mensagem)) << testing::PrintToString(caso.argumentos);
    }
    EXPECT_EQ(LerBytes(m_arquivo), antes);

    fs::remove(m_arquivo);
    const auto sem_resultados = Rodar({"exportar", (m_pasta / "x.csv").string()});
    EXPECT_EQ(sem_resultados.codigo, 1);
    EXPECT_THAT(sem_resultados.erros, HasSubstr("Erro ao Abrir Arquivo"));
    EXPECT_FALSE(fs::exists(m_pasta / "x.csv"));
}

} // namespace
