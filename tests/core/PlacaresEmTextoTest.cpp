#include "core/CartaoCheio.h"
#include "core/ErroDoUsuario.h"
#include "core/PlacaresEmTexto.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

namespace {

TEST(PlacaresEmTexto, MarcasDoCartao)
{
    const auto& tabela = CCartaoCheio::Instancia();
    CVolante cartao;
    cartao.m_qtde = 5;
    const int ks[5] = {9, 12, 2, 14, 20}; // 1x0 2x2 +x1 0x0 3x+
    for (int m = 0; m < 5; ++m)
        cartao.m_scores[m] = tabela.Celula(m, ks[m]);
    EXPECT_EQ(MarcasDoCartao(cartao), "1x0 2x2 +x1 0x0 3x+");

    CScore varias;
    varias.m_time1[0] = varias.m_time1[4] = 1;
    EXPECT_EQ(MarcasDaEntrada(varias), "0+x-");
}

TEST(PlacaresEmTexto, LerPlacares)
{
    const std::array<int, 10> esperado = {1, 0, 2, 2, 4, 1, 0, 0, 3, 4};
    EXPECT_EQ(LerPlacares("1x0 2x2 +x1 0x0 3x+"), esperado);
    EXPECT_EQ(LerPlacares("  1X0 2x2   +x1 0x0 3x+ "), esperado);
    for (const char* ruim : {"", "1x0 2x2 +x1 0x0", "1x0 2x2 +x1 0x0 3x+ 1x1", "1x0 2x2 +x1 0x0 4x+",
                             "1-0 2x2 +x1 0x0 3x+", "10x0 2x2 +x1 0x0 3x+"})
        EXPECT_THROW(LerPlacares(ruim), CErroDoUsuario) << ruim;
}

} // namespace
