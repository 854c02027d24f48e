#pragma once

#include <cstdint>
#include <string>

// Quantas vezes o valor de "R$ 1,00" custa o índice do valor da aposta: 1, 2 e 4 para
// "R$ 1,00", "R$ 2,00" e "R$ 4,00" (cada item dobra o anterior). O índice vem do arquivo
// de apostas: outro índice não é valor do volante e não tem preço (não é número, "-").
inline constexpr int32_t kValoresDaAposta = 3;
double FatorDoValorDaAposta(int32_t valor_da_aposta);

// Preço da aposta inteira, o "Valor" da tela de apostas: fator do valor x apostas simples.
double PrecoDaAposta(int32_t valor_da_aposta, int64_t qtde_apostas);

// Valor em reais com duas casas e ponto decimal ("%.2f"), como o "Valor" da tela; zero
// nunca sai com sinal e um valor que não é número sai "-".
std::string TextoComDuasCasas(double valor);
