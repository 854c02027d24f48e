#include "results/BancoDeDados.h"

#include <gtest/gtest.h>

#include <vector>

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
