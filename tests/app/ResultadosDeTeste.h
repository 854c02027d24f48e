#pragma once

// Apoio dos testes da conferência e da manutenção dos resultados: arquivos de resultados
// montados a partir de placares escritos como "1x0 2x2 +x1 0x0 3x+" (os cartões vêm de
// Montagem.h).

#include "results/ArquivoDeResultados.h"
#include "tests/support/Montagem.h"
#include "core/PlacaresEmTexto.h"
#include "results/ValoresDoResultado.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

inline std::unique_ptr<CResultadoVarenta> ResultadoDeTeste(int concurso, const std::string& placares)
{
    SValoresDoResultado valores;
    valores.concurso = 1;
    valores.data = {38061.0, SData::kValida};
    valores.colunas = LerPlacares(placares);
    // O número vai direto no registro: um arquivo plantado pode trazer um fora da faixa.
    auto resultado = NovoResultado(valores);
    resultado->m_concurso = concurso;
    return resultado;
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

