#include "results/BancoDeDados.h"

#include "results/ArquivoDeResultados.h"
#include "results/ValoresDoResultado.h"
#include "tests/support/PastaTemporaria.h"
#include "tests/support/TravaEmOutroProcesso.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Registros com os números dados; m_valorAcumulado guarda a posição original.
CListaDeResultados Lista(const std::vector<int>& concursos)
{
    CListaDeResultados lista;
    for (size_t i = 0; i < concursos.size(); ++i) {
        auto registro = std::make_unique<CResultadoVarenta>();
        registro->m_concurso = concursos[i];
        registro->m_valorAcumulado = static_cast<double>(i);
        lista.push_back(std::move(registro));
    }
    return lista;
}

std::vector<int> Concursos(const CListaDeResultados& lista)
{
    std::vector<int> numeros;
    for (const auto& registro : lista)
        numeros.push_back(registro->m_concurso);
    return numeros;
}

TEST(BancoDeDados, OrdenaEFicaOPrimeiroDeCadaNumero)
{
    CListaDeResultados lista = Lista({5, 3, 5, -1, 4});
    CBancoDeDados::OrdenarPorConcurso(lista);
    EXPECT_EQ(Concursos(lista), (std::vector<int>{-1, 3, 4, 5, 5}));
    EXPECT_EQ(lista[3]->m_valorAcumulado, 0.0); // estável: o 5 que vinha antes continua antes
    CBancoDeDados::RemoverDuplicados(lista);
    EXPECT_EQ(Concursos(lista), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(lista[2]->m_valorAcumulado, 0.0);
}

TEST(BancoDeDados, ConcursoZeroFica)
{
    CListaDeResultados lista = Lista({2, 0, -3, 0});
    CBancoDeDados::OrdenarPorConcurso(lista);
    CBancoDeDados::RemoverDuplicados(lista);
    EXPECT_EQ(Concursos(lista), (std::vector<int>{0, 2}));
    EXPECT_EQ(lista[0]->m_valorAcumulado, 1.0);
}

TEST(BancoDeDados, SemOrdenarSoCaemRepetidosVizinhos)
{
    CListaDeResultados lista = Lista({5, 3, 5, 5, -999, 7});
    CBancoDeDados::RemoverDuplicados(lista);
    EXPECT_EQ(Concursos(lista), (std::vector<int>{5, 3, 5, 7}));
}

TEST(BancoDeDados, ListasVaziasEUnitarias)
{
    CListaDeResultados vazia;
    CBancoDeDados::OrdenarPorConcurso(vazia);
    CBancoDeDados::RemoverDuplicados(vazia);
    EXPECT_TRUE(vazia.empty());
    CListaDeResultados uma = Lista({-5});
    CBancoDeDados::OrdenarPorConcurso(uma);
    CBancoDeDados::RemoverDuplicados(uma);
    EXPECT_TRUE(uma.empty());
}

} // namespace

namespace {

// Registros como os de "inserir", com os cinco placares.
CListaDeResultados Completos(const std::vector<int>& concursos)
{
    CListaDeResultados lista;
    for (const int concurso : concursos) {
        SValoresDoResultado valores;
        valores.concurso = concurso;
        lista.push_back(NovoResultado(valores));
    }
    return lista;
}

// Outro programa no meio de uma regravação (a trava dele ao lado do arquivo): inserir e
// remover esperam e então falham com a mensagem, sem mexer no arquivo.
TEST(BancoDeDados, ArquivoTravadoPorOutroProgramaNaoEhRegravado)
{
    CPastaTemporaria pasta;
    const fs::path arquivo = pasta / "Varenta.dat";
    ASSERT_TRUE(CBancoDeDados::InserirResultados(arquivo, Completos({1, 2})));
    const std::string antes = LerBytes(arquivo);
    std::optional<CTravaEmOutroProcesso> outro;
    outro.emplace(pasta / "Varenta.dat.lock");

    const std::vector<std::pair<const char*, std::function<void()>>> comandos = {
        {"inserir", [&] { CBancoDeDados::InserirResultados(arquivo, Completos({3}), 100ms); }},
        {"remover", [&] { CBancoDeDados::RemoverResultado(1, arquivo, 100ms); }},
    };
    for (const auto& [nome, comando] : comandos) {
        try {
            comando();
            ADD_FAILURE() << nome;
        } catch (const CArquivoEmUso& erro) {
            EXPECT_STREQ(erro.what(), "O arquivo de resultados está em uso por outro programa.") << nome;
        }
        EXPECT_EQ(LerBytes(arquivo), antes) << nome;
    }
    outro.reset();
    EXPECT_TRUE(CBancoDeDados::InserirResultados(arquivo, Completos({3}), 100ms));
    EXPECT_EQ(CBancoDeDados::RemoverResultado(1, arquivo, 100ms), 1);
    CListaDeResultados gravados;
    ASSERT_TRUE(LerArquivoDeResultados(arquivo, gravados));
    EXPECT_EQ(Concursos(gravados), (std::vector<int>{2, 3}));
}

} // namespace
