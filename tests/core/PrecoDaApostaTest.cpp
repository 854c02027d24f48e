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
        {2, 32, 96.0},  // "R$ 4,00" multiplica por 3
        {0, 0, 0.0},
        // Do arquivo, sem estourar a conta em inteiros.
        {std::numeric_limits<int32_t>::max(), 2, 4294967296.0},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(PrecoDaAposta(caso.valor, caso.apostas), caso.preco) << caso.valor << " " << caso.apostas;
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
