#include "core/PrecoDaAposta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(PrecoDaAposta, ValorDaTelaDeApostas)
{
    struct Caso {
        int32_t valor;
        int64_t apostas;
        double preco;
    } const casos[] = {
        {0, 32, 32.0},  // "R$ 1,00"
        {1, 32, 64.0},  // "R$ 2,00"
        {2, 32, 128.0},  // "R$ 4,00": quatro vezes "R$ 1,00"
        {0, 0, 0.0},
        {2, 9765625, 39062500.0},
        // Do arquivo, sem estourar a conta em inteiros.
        {2, std::numeric_limits<int64_t>::max(), 4.0 * static_cast<double>(std::numeric_limits<int64_t>::max())},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(PrecoDaAposta(caso.valor, caso.apostas), caso.preco) << caso.valor << " " << caso.apostas;
}

// Um índice do arquivo que não é um dos três valores do volante não tem preço: a tela, a
// linha impressa e o retorno mostram "-", nunca um número de trezentos algarismos.
TEST(PrecoDaAposta, IndiceForaDosTresValoresNaoTemPreco)
{
    for (const int32_t indice : {3, 40, 1000, std::numeric_limits<int32_t>::max(), -1})
        EXPECT_EQ(TextoComDuasCasas(PrecoDaAposta(indice, 2)), "-") << indice;
}

TEST(PrecoDaAposta, FatorDosTresValoresDobraACadaItem)
{
    EXPECT_EQ(FatorDoValorDaAposta(0), 1.0);
    EXPECT_EQ(FatorDoValorDaAposta(1), 2.0);
    EXPECT_EQ(FatorDoValorDaAposta(2), 4.0);
}

TEST(PrecoDaAposta, DuasCasasComPonto)
{
    struct Caso {
        double valor;
        const char* texto;
    } const casos[] = {
        {0.0, "0.00"},         {-0.0, "0.00"},      {-0.001, "0.00"},   {1234567.5, "1234567.50"},
        {-3.0, "-3.00"},       {std::nan(""), "-"},
        {std::numeric_limits<double>::infinity(), "-"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(TextoComDuasCasas(caso.valor), caso.texto) << caso.valor;
}

} // namespace
