#include "core/CartaoCheio.h"

CCartaoCheio::CCartaoCheio()
{
    for (int m = 0; m < 5; ++m) {
        for (int k = 0; k < 25; ++k) {
            CScore& celula = m_placares[static_cast<std::size_t>(25 * m + k)];
            celula.m_jogo = static_cast<int16_t>(m);
            celula.m_time1[kColunasDaCelula[k][0]] = 1;
            celula.m_time2[kColunasDaCelula[k][1]] = 1;
        }
    }
}

const CCartaoCheio& CCartaoCheio::Instancia()
{
    static const CCartaoCheio tabela;
    return tabela;
}
