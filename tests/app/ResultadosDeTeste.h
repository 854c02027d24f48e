#pragma once

// Apoio dos testes da conferência e da manutenção dos resultados: arquivos de resultados
// e cartões montados a partir de placares escritos como "1x0 2x2 +x1 0x0 3x+".

#include "ArquivoDeResultados.h"
#include "CartaoCheio.h"
#include "ListaDeVolantes.h"
#include "PlacaresEmTexto.h"
#include "ValoresDoResultado.h"
#include "Volante.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

inline std::unique_ptr<CResultadoVarenta> ResultadoDeTeste(int concurso, const std::string& placares)
{
    SValoresDoResultado valores;
    valores.concurso = concurso;
    valores.data = {38061.0, SData::kValida};
    valores.colunas = LerPlacares(placares);
    return NovoResultado(valores);
}

inline void GravarResultados(const std::filesystem::path& arquivo,
                             const std::vector<std::pair<int, std::string>>& concursos)
{
    CListaDeResultados lista;
    for (const auto& [concurso, placares] : concursos)
        lista.push_back(ResultadoDeTeste(concurso, placares));
    ASSERT_TRUE(GravarArquivoDeResultados(arquivo, lista));
}

inline CListaDeResultados ResultadosGravados(const std::filesystem::path& arquivo)
{
    CListaDeResultados lista;
    EXPECT_TRUE(LerArquivoDeResultados(arquivo, lista));
    return lista;
}

inline std::vector<int> ConcursosGravados(const std::filesystem::path& arquivo)
{
    std::vector<int> concursos;
    for (const auto& resultado : ResultadosGravados(arquivo))
        concursos.push_back(resultado->m_concurso);
    return concursos;
}

// Cartão com as células da tabela cheia que têm esses placares.
inline void AdicionarCartaoDeTeste(CListaDeVolantes& volantes, const std::string& placares)
{
    const auto colunas = LerPlacares(placares);
    auto* cartao = new CVolante;
    cartao->m_qtde = 5;
    for (int jogo = 0; jogo < 5; ++jogo)
        for (int k = 0; k < 25; ++k)
            if (kColunasDaCelula[k][0] == colunas[2 * jogo] && kColunasDaCelula[k][1] == colunas[2 * jogo + 1])
                cartao->m_scores[jogo] = CCartaoCheio::Instancia().Celula(jogo, k);
    volantes.Adicionar(cartao);
}
