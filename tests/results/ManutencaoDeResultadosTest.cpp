#include "results/ArquivoDeResultados.h"
#include "results/BancoDeDados.h"
#include "results/FaixasDoResultado.h"
#include "core/ErroDoUsuario.h"
#include "tests/support/PastaTemporaria.h"
#include "results/ValoresDoResultado.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

SValoresDoResultado Valores(int concurso, double acumulado = 0.0)
{
    SValoresDoResultado valores;
    valores.concurso = concurso;
    valores.data = {38061.5, SData::kValida};
    valores.ganhadores = {120, 7, 0};
    valores.rateios = {12.5, 350.75, 0.0};
    valores.valor_acumulado = acumulado;
    valores.colunas = {2, 1, 0, 0, 4, 3, 1, 1, 0, 4};
    return valores;
}

std::vector<int> Concursos(const fs::path& caminho)
{
    CListaDeResultados lista;
    EXPECT_TRUE(LerArquivoDeResultados(caminho, lista));
    std::vector<int> numeros;
    for (const auto& registro : lista)
        numeros.push_back(registro->m_concurso);
    return numeros;
}

TEST(NovoResultado, CamposEPlacaresDoDialogo)
{
    const auto resultado = NovoResultado(Valores(77, 1500000.0));
    EXPECT_EQ(resultado->m_concurso, 77);
    EXPECT_EQ(resultado->m_data.valor, 38061.5);
    EXPECT_EQ(resultado->m_ganhadores[3], 120);
    EXPECT_EQ(resultado->m_ganhadores[4], 7);
    EXPECT_EQ(resultado->m_rateio[4], 350.75);
    EXPECT_EQ(resultado->m_valorAcumulado, 1500000.0);
    EXPECT_EQ(resultado->m_acumulado, 1);
    ASSERT_EQ(resultado->m_scores.size(), 5u);
    const int colunas[5][2] = {{2, 1}, {0, 0}, {4, 3}, {1, 1}, {0, 4}};
    for (int jogo = 0; jogo < 5; ++jogo) {
        const CScore& placar = *resultado->m_scores[jogo];
        EXPECT_EQ(placar.m_jogo, jogo);
        EXPECT_EQ(placar.m_reservado, 0);
        for (int coluna = 0; coluna < 5; ++coluna) {
            EXPECT_EQ(placar.m_time1[coluna], coluna == colunas[jogo][0] ? 1 : 0);
            EXPECT_EQ(placar.m_time2[coluna], coluna == colunas[jogo][1] ? 1 : 0);
        }
    }
}

TEST(NovoResultado, AcumuladoSoQuandoOValorPassaDeZero)
{
    EXPECT_EQ(NovoResultado(Valores(1, 0.01))->m_acumulado, 1);
    EXPECT_EQ(NovoResultado(Valores(1, 0.0))->m_acumulado, 0);
    EXPECT_THROW(NovoResultado(Valores(1, -5.0)), CCampoForaDaFaixa);
}

TEST(NovoResultado, ColunaForaDoQuadro)
{
    SValoresDoResultado valores = Valores(1);
    valores.colunas[9] = 5;
    EXPECT_THROW(NovoResultado(valores), CErroDoUsuario);
}

class ManutencaoDeResultados : public testing::Test {
protected:
    void Gravar(const std::vector<int>& concursos)
    {
        CListaDeResultados lista;
        for (int concurso : concursos)
            lista.push_back(NovoResultado(Valores(concurso)));
        ASSERT_TRUE(GravarArquivoDeResultados(m_arquivo, lista));
    }

    CPastaTemporaria m_pasta;
    fs::path m_arquivo = m_pasta / "Varenta.dat";
};

TEST_F(ManutencaoDeResultados, InserirSubstituiOGravadoDeMesmoNumero)
{
    Gravar({3, 5, 9});
    auto novo = NovoResultado(Valores(5, 42.0));
    novo->m_rateio[3] = 99.0;
    ASSERT_TRUE(CBancoDeDados::InserirResultado(m_arquivo, std::move(novo)));
    CListaDeResultados lista;
    ASSERT_TRUE(LerArquivoDeResultados(m_arquivo, lista));
    ASSERT_EQ(lista.size(), 3u);
    EXPECT_EQ(lista[1]->m_concurso, 5);
    EXPECT_EQ(lista[1]->m_rateio[3], 99.0);
    EXPECT_EQ(lista[1]->m_acumulado, 1);
}

// Concurso 0 ou negativo nem vira registro: fora da faixa, nada é gravado.
TEST_F(ManutencaoDeResultados, InserirOrdenaERecusaConcursoForaDaFaixa)
{
    Gravar({3, 9});
    ASSERT_TRUE(CBancoDeDados::InserirResultado(m_arquivo, NovoResultado(Valores(4))));
    EXPECT_EQ(Concursos(m_arquivo), (std::vector<int>{3, 4, 9}));
    for (const int concurso : {0, -3, 100000})
        EXPECT_THROW(NovoResultado(Valores(concurso)), CCampoForaDaFaixa) << concurso;
    EXPECT_EQ(Concursos(m_arquivo), (std::vector<int>{3, 4, 9}));
}

TEST_F(ManutencaoDeResultados, InserirSemArquivoCriaOArquivoComONovo)
{
    ASSERT_TRUE(CBancoDeDados::InserirResultado(m_arquivo, NovoResultado(Valores(12))));
    EXPECT_EQ(Concursos(m_arquivo), (std::vector<int>{12}));
    EXPECT_EQ(fs::file_size(m_arquivo), 231u);
}

TEST_F(ManutencaoDeResultados, ArquivoDanificadoNaoEGravado)
{
    Gravar({3, 5});
    const std::string bytes = LerBytes(m_arquivo);
    GravarBytes(m_arquivo, bytes.substr(0, bytes.size() - 10));
    const std::string danificado = LerBytes(m_arquivo);
    EXPECT_THROW(CBancoDeDados::InserirResultado(m_arquivo, NovoResultado(Valores(4))), CErroDoUsuario);
    EXPECT_THROW(CBancoDeDados::RemoverResultado(3, m_arquivo), CErroDoUsuario);
    EXPECT_EQ(LerBytes(m_arquivo), danificado);
}

TEST_F(ManutencaoDeResultados, FalhaAoGravarDeixaOArquivoComoEstava)
{
    // Um diretório no lugar do arquivo: não abre para leitura nem pode ser substituído,
    // mesmo rodando como root.
    fs::create_directory(m_arquivo);
    EXPECT_FALSE(CBancoDeDados::InserirResultado(m_arquivo, NovoResultado(Valores(4))));
    EXPECT_FALSE(CBancoDeDados::RemoverResultado(4, m_arquivo).has_value());
    EXPECT_TRUE(fs::is_directory(m_arquivo));
}

TEST_F(ManutencaoDeResultados, RemoverTiraTodosDoNumeroSemReordenar)
{
    // Um arquivo fora de ordem e com repetidos (feito à mão) continua fora de ordem.
    Gravar({9, 5, 3, 5, 7});
    EXPECT_EQ(CBancoDeDados::RemoverResultado(5, m_arquivo), 2);
    EXPECT_EQ(Concursos(m_arquivo), (std::vector<int>{9, 3, 7}));
    EXPECT_EQ(CBancoDeDados::RemoverResultado(8, m_arquivo), 0);
    EXPECT_EQ(Concursos(m_arquivo), (std::vector<int>{9, 3, 7}));
}

TEST_F(ManutencaoDeResultados, RemoverSemArquivoGravaListaVazia)
{
    EXPECT_EQ(CBancoDeDados::RemoverResultado(0, m_arquivo), 0);
    EXPECT_EQ(LerBytes(m_arquivo), std::string(2, '\0'));
}

} // namespace
