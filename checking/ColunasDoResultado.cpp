#include "checking/ColunasDoResultado.h"

#include "results/ResultadoVarenta.h"

std::array<int, 10> ColunasDoResultado(const CResultadoVarenta& resultado)
{
    std::array<int, 10> colunas{};
    for (size_t k = 0; k < resultado.m_scores.size() && k < 5; ++k) {
        colunas[2 * k] = resultado.m_scores[k]->ColunaDoTime1();
        colunas[2 * k + 1] = resultado.m_scores[k]->ColunaDoTime2();
    }
    return colunas;
}
