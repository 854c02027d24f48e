#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const CScore* Celula(int jogo, int k) { return CCartaoCheio::Instancia().Celula(jogo, k); }

// Cartão com a célula k de cada jogo.
CVolante Cartao(const std::vector<int>& ks)
{
    CVolante v;
    v.m_qtde = 5;
    for (int m = 0; m < 5; ++m)
        v.m_scores[m] = Celula(m, ks[static_cast<size_t>(m)]);
    return v;
}

TEST(CartaoCheio, CelulasDoQuadro)
{
    for (int m = 0; m < 5; ++m) {
        const CScore* maisMais = Celula(m, 10);
        EXPECT_EQ(maisMais->m_jogo, m);
        EXPECT_EQ(maisMais->m_time1[4], 1);
        EXPECT_EQ(maisMais->m_time2[4], 1);
        const CScore* zeroZero = Celula(m, 14);
        EXPECT_EQ(zeroZero->m_time1[0], 1);
        EXPECT_EQ(zeroZero->m_time2[0], 1);
        for (int k = 0; k < 25; ++k) {
            int marcas = 0;
            for (int c = 0; c < 5; ++c)
                marcas += Celula(m, k)->m_time1[c] + Celula(m, k)->m_time2[c];
            EXPECT_EQ(marcas, 2);
        }
    }
    EXPECT_EQ(Celula(2, 0)->ColunaDoTime1(), 4);
    EXPECT_EQ(Celula(2, 0)->ColunaDoTime2(), 3);
}

TEST(Volante, ContarAcertos)
{
    const auto resultado = Cartao({0, 9, 14, 20, 24});
    EXPECT_EQ(resultado.ContarAcertos(Cartao({0, 9, 14, 20, 24})), 5);
    // Só o time 2 do jogo 1 difere: 1x0 contra 1x1.
    EXPECT_EQ(resultado.ContarAcertos(Cartao({0, 13, 14, 20, 24})), 4);
    EXPECT_EQ(resultado.ContarAcertos(Cartao({1, 8, 13, 21, 23})), 0);
    // "+" só acerta "+": 3x+ contra +x+ no jogo 3 não conta.
    EXPECT_EQ(resultado.ContarAcertos(Cartao({0, 9, 14, 10, 24})), 4);
}

TEST(Volante, QtdeDeApostas)
{
    auto cartao = Cartao({0, 0, 0, 0, 0});
    EXPECT_EQ(cartao.QtdeDeApostas(), 1);
    CScore multiplo;
    multiplo.m_jogo = 2;
    multiplo.m_time1[0] = multiplo.m_time1[1] = 1;
    multiplo.m_time2[0] = multiplo.m_time2[2] = multiplo.m_time2[4] = 1;
    cartao.m_scores[2] = &multiplo;
    EXPECT_EQ(cartao.QtdeDeApostas(), 6);
    CScore vazio;
    cartao.m_scores[2] = &vazio;
    EXPECT_EQ(cartao.QtdeDeApostas(), 0);
}

TEST(Volante, OrdenarPorJogoEstavel)
{
    CVolante cartao;
    cartao.m_qtde = 5;
    const int ordem[5] = {3, 0, 4, 1, 2};
    for (int i = 0; i < 5; ++i)
        cartao.m_scores[i] = Celula(ordem[i], i);
    cartao.OrdenarPorJogo();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(cartao.m_scores[i]->m_jogo, i);

    CScore a, b;
    a.m_jogo = b.m_jogo = 1;
    CVolante iguais;
    iguais.m_qtde = 5;
    const CScore* entradas[5] = {Celula(2, 0), &a, Celula(0, 0), &b, Celula(4, 0)};
    std::copy(std::begin(entradas), std::end(entradas), iguais.m_scores);
    iguais.OrdenarPorJogo();
    EXPECT_EQ(iguais.m_scores[1], &a);
    EXPECT_EQ(iguais.m_scores[2], &b);
}

TEST(Chave, ValoresIniciais)
{
    CChave chave("A");
    EXPECT_EQ(chave.m_min, 15);
    EXPECT_EQ(chave.m_max, 15);
    EXPECT_EQ(chave.m_qtde_jogos, 0);
    EXPECT_EQ(chave.m_padroes, 0);
    EXPECT_TRUE(chave.m_grupos.empty());
}

} // namespace
