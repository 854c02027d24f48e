// "quinaro-cli resultados", chamado direto, com HOME isolado pelo main dos testes.
#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "cli/ComandoResultados.h"
#include "results/DataDoResultado.h"
#include "tests/support/PastaTemporaria.h"
#include "platform/PastasDoSistema.h"
#include "tests/support/RelogioParado.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

using testing::HasSubstr;

struct SSaida {
    int codigo = -1;
    std::string saida;
    std::string erros;
};

class ComandoResultadosTest : public testing::Test {
protected:
    // O caminho só depois que o main dos testes isolou HOME.
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
        const int codigo = ComandoResultados(argumentos, saida, erros);
        return {codigo, saida.str(), erros.str()};
    }

    static void Inserir(int concurso, const std::string& placares = "1x0 2x2 +x1 0x0 3x+")
    {
        const auto execucao = Rodar({"inserir", "--concurso", std::to_string(concurso), "--data", "01/02/2010",
                                     "--placares", placares});
        ASSERT_EQ(execucao.codigo, 0) << execucao.erros;
    }

    CListaDeResultados Gravados() const
    {
        CListaDeResultados lista;
        EXPECT_TRUE(LerArquivoDeResultados(m_arquivo, lista));
        return lista;
    }

    fs::path m_arquivo;
};

TEST_F(ComandoResultadosTest, InserirComTodosOsValoresEListar)
{
    const auto insercao =
        Rodar({"inserir", "--concurso", "1234", "--data", "15/03/2004", "--placares", "1x0 2x2 +x1 0x0 3x+",
               "--ganhadores3", "152", "--ganhadores4", "9", "--rateio3", "25,40", "--rateio4", "2100",
               "--acumulado", "350000.00"});
    ASSERT_EQ(insercao.codigo, 0) << insercao.erros;
    EXPECT_THAT(insercao.saida, HasSubstr("1234"));

    const auto gravados = Gravados();
    ASSERT_EQ(gravados.size(), 1u);
    EXPECT_EQ(gravados[0]->m_data.valor, 38061.0);  // o dia às 00:00
    EXPECT_EQ(gravados[0]->m_acumulado, 1);
    EXPECT_EQ(gravados[0]->m_rateio[3], 25.4);

    const auto listagem = Rodar({"listar"});
    EXPECT_EQ(listagem.codigo, 0);
    EXPECT_EQ(listagem.saida, "1234;15/03/2004;1x0 2x2 +x1 0x0 3x+;152;9;0;25.40;2100.00;0.00;350000.00\n");
    EXPECT_EQ(listagem.erros, "");
}

TEST_F(ComandoResultadosTest, InserirSubstituiEOrdenaERemoverTiraOConcurso)
{
    Inserir(30);
    Inserir(10);
    Inserir(20);
    Inserir(20, "0x0 0x0 0x0 0x0 0x0");
    const auto listagem = Rodar({"listar"}).saida;
    EXPECT_EQ(listagem, "10;01/02/2010;1x0 2x2 +x1 0x0 3x+;0;0;0;0.00;0.00;0.00;0.00\n"
                        "20;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0.00;0.00;0.00;0.00\n"
                        "30;01/02/2010;1x0 2x2 +x1 0x0 3x+;0;0;0;0.00;0.00;0.00;0.00\n");

    EXPECT_EQ(Rodar({"remover", "20"}).codigo, 0);
    const auto gravados = Gravados();
    ASSERT_EQ(gravados.size(), 2u);
    EXPECT_EQ(gravados[0]->m_concurso, 10);
    EXPECT_EQ(gravados[1]->m_concurso, 30);
}

TEST_F(ComandoResultadosTest, SemDataGravaOMomentoDoRelogio)
{
    const SDiaEHora momentos[] = {{2011, 7, 9, 14, 35, 20}, {1999, 12, 31, 23, 59, 59}, {2030, 1, 1, 0, 0, 0}};
    for (const SDiaEHora& momento : momentos) {
        std::ostringstream saida;
        std::ostringstream erros;
        const CRelogioParado relogio(momento);
        ASSERT_EQ(ComandoResultadosComRelogio({"inserir", "--concurso", "5", "--placares", "0x0 0x0 0x0 0x0 0x0"},
                                              relogio, saida, erros),
                  0)
            << erros.str();
        EXPECT_EQ(Gravados()[0]->m_data.valor, DataDoCalendario(momento).valor) << momento.ano;
    }
    // O dia dado vale à meia-noite, seja qual for o relógio.
    std::ostringstream saida;
    std::ostringstream erros;
    ASSERT_EQ(ComandoResultadosComRelogio({"inserir", "--concurso", "5", "--data", "15/03/2004", "--placares",
                                           "0x0 0x0 0x0 0x0 0x0"},
                                          CRelogioParado(), saida, erros),
              0);
    EXPECT_EQ(Gravados()[0]->m_data.valor, 38061.0);
}

TEST_F(ComandoResultadosTest, ValoresRuinsNaoMexemNoArquivo)
{
    Inserir(7);
    const std::string antes = LerBytes(m_arquivo);
    const std::vector<std::vector<std::string>> casos = {
        {"--concurso", "abc"},         {"--concurso", "-3"},           {"--concurso", "99999999999"},
        {"--concurso", "0"},           {"--concurso", "100000"},       {"--concurso", "2147483647"},
        {"--ganhadores4", "2147483648"}, {"--rateio3", "10000000000000"}, {"--acumulado", "99999999999999"},
        {"--placares", "1x0 2x2"},     {"--placares", "1x0 2x2 4x1 0x0 3x+"},
        {"--data", "31/02/2004"},      {"--data", "2004-03-15"},       {"--ganhadores3", "x"},
        {"--ganhadores5", "-1"},       {"--rateio3", "-1"},            {"--rateio4", "1.2.3"},
        {"--rateio5", "1e3"},          {"--acumulado", "nan"},         {"--acumulado", ""},
    };
    for (const auto& caso : casos) {
        std::vector<std::string> argumentos = {"inserir", "--concurso", "8", "--placares", "0x0 0x0 0x0 0x0 0x0"};
        // A opção do caso substitui a padrão ou se junta às demais.
        const auto repetida = std::find(argumentos.begin(), argumentos.end(), caso[0]);
        if (repetida != argumentos.end())
            *(repetida + 1) = caso[1];
        else
            argumentos.insert(argumentos.end(), caso.begin(), caso.end());
        const auto execucao = Rodar(argumentos);
        EXPECT_EQ(execucao.codigo, 1) << caso[0] << " " << caso[1];
        EXPECT_NE(execucao.erros, "") << caso[0] << " " << caso[1];
        EXPECT_EQ(execucao.saida, "");
    }
    EXPECT_EQ(LerBytes(m_arquivo), antes);
}

// Fora da faixa: a mensagem nomeia o campo e a faixa; nos limites, grava.
TEST_F(ComandoResultadosTest, FaixaDeCadaCampoNaMensagem)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> casos = {
        {{"--concurso", "0"}, "Concurso fora da faixa (de 1 a 99999): 0.\n"},
        {{"--concurso", "100000"}, "Concurso fora da faixa (de 1 a 99999): 100000.\n"},
        {{"--concurso", "1", "--rateio4", "10000000000000"},
         "Rateio de 4 acertos fora da faixa (de 0 a menos de 10000000000000): 10000000000000.00.\n"},
        {{"--concurso", "1", "--acumulado", "12345678901234,5"},
         "Valor acumulado fora da faixa (de 0 a menos de 10000000000000): 12345678901234.50.\n"},
    };
    for (const auto& [opcoes, mensagem] : casos) {
        std::vector<std::string> argumentos = {"inserir", "--placares", "0x0 0x0 0x0 0x0 0x0"};
        argumentos.insert(argumentos.end(), opcoes.begin(), opcoes.end());
        const auto execucao = Rodar(argumentos);
        EXPECT_EQ(execucao.codigo, 1) << mensagem;
        EXPECT_EQ(execucao.erros, mensagem);
        EXPECT_FALSE(fs::exists(m_arquivo)) << mensagem;
    }
    const auto limites = Rodar({"inserir", "--concurso", "99999", "--data", "01/02/2010", "--placares",
                                "0x0 0x0 0x0 0x0 0x0", "--ganhadores5", "2147483647", "--rateio5",
                                "9999999999999.99"});
    ASSERT_EQ(limites.codigo, 0) << limites.erros;
    EXPECT_EQ(Rodar({"listar"}).saida,
              "99999;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;2147483647;0.00;0.00;9999999999999.99;0.00\n");
}

// Valores que nenhuma entrada aceita, num arquivo plantado: "listar" escreve cada um por
// inteiro, nunca bytes que não escreveu.
TEST_F(ComandoResultadosTest, ListarValoresEnormesENaoNumeros)
{
    Inserir(7);
    CListaDeResultados lista = Gravados();
    lista[0]->m_rateio[3] = 1e300;
    lista[0]->m_rateio[4] = std::numeric_limits<double>::infinity();
    lista[0]->m_rateio[5] = std::nan("");
    lista[0]->m_valorAcumulado = -std::numeric_limits<double>::max();
    ASSERT_TRUE(GravarArquivoDeResultados(m_arquivo, lista));

    char enorme[512];
    std::snprintf(enorme, sizeof enorme, "%.2f", 1e300);
    char menor[512];
    std::snprintf(menor, sizeof menor, "%.2f", -std::numeric_limits<double>::max());
    const auto listagem = Rodar({"listar"});
    EXPECT_EQ(listagem.codigo, 0);
    EXPECT_EQ(listagem.saida, "7;01/02/2010;1x0 2x2 +x1 0x0 3x+;0;0;0;" + std::string(enorme) + ";inf;nan;" +
                                  std::string(menor) + "\n");
}

TEST_F(ComandoResultadosTest, UsoErrado)
{
    Inserir(7);
    const std::string antes = LerBytes(m_arquivo);
    const std::vector<std::vector<std::string>> casos = {
        {},
        {"apagar"},
        {"listar", "mais"},
        {"inserir", "--placares", "0x0 0x0 0x0 0x0 0x0"},
        {"inserir", "--concurso", "8"},
        {"inserir", "--concurso", "8", "--placares", "0x0 0x0 0x0 0x0 0x0", "--cor", "azul"},
        {"inserir", "--concurso", "8", "--concurso", "9", "--placares", "0x0 0x0 0x0 0x0 0x0"},
        {"inserir", "--concurso"},
        {"remover"},
        {"remover", "7", "8"},
    };
    for (const auto& caso : casos) {
        const auto execucao = Rodar(caso);
        EXPECT_EQ(execucao.codigo, 2) << testing::PrintToString(caso);
        EXPECT_THAT(execucao.erros, HasSubstr("Uso: quinaro-cli resultados")) << testing::PrintToString(caso);
    }
    EXPECT_EQ(LerBytes(m_arquivo), antes);
}

TEST_F(ComandoResultadosTest, RemoverConcursoAusenteOuSemArquivo)
{
    const auto sem_arquivo = Rodar({"remover", "3"});
    EXPECT_EQ(sem_arquivo.codigo, 1);
    EXPECT_THAT(sem_arquivo.erros, HasSubstr("Erro ao Abrir Arquivo"));
    EXPECT_FALSE(fs::exists(m_arquivo));  // nenhum arquivo vazio criado por engano

    Inserir(7);
    const std::string antes = LerBytes(m_arquivo);
    const auto ausente = Rodar({"remover", "3"});
    EXPECT_EQ(ausente.codigo, 1);
    EXPECT_THAT(ausente.erros, HasSubstr("3"));
    EXPECT_EQ(Rodar({"remover", "-7"}).codigo, 1);
    EXPECT_EQ(Rodar({"remover", "sete"}).codigo, 1);
    EXPECT_EQ(LerBytes(m_arquivo), antes);
}

TEST_F(ComandoResultadosTest, ListarSemArquivoOuComArquivoDanificado)
{
    const auto sem_arquivo = Rodar({"listar"});
    EXPECT_EQ(sem_arquivo.codigo, 1);
    EXPECT_THAT(sem_arquivo.erros, HasSubstr("Erro ao Abrir Arquivo"));

    Inserir(7);
    const std::string inteiro = LerBytes(m_arquivo);
    GravarBytes(m_arquivo, inteiro.substr(0, 100));
    for (const std::vector<std::string>& argumentos :
         {std::vector<std::string>{"listar"}, {"remover", "7"},
          {"inserir", "--concurso", "8", "--placares", "0x0 0x0 0x0 0x0 0x0"}}) {
        const auto execucao = Rodar(argumentos);
        EXPECT_EQ(execucao.codigo, 1) << argumentos[0];
        EXPECT_THAT(execucao.erros, HasSubstr("past its end")) << argumentos[0];
    }
    EXPECT_EQ(LerBytes(m_arquivo), inteiro.substr(0, 100));
}

} // namespace
