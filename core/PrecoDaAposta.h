#pragma once

#include <cstdint>
#include <string>

// Preço da aposta inteira, o "Valor" da tela de apostas: (índice do valor + 1) x apostas
// simples. Os dois números vêm do arquivo de apostas: a conta é em double para não estourar.
double PrecoDaAposta(int32_t valor_da_aposta, int64_t qtde_apostas);

// Valor em reais com duas casas e ponto decimal ("%.2f"), como o "Valor" da tela; zero
// nunca sai com sinal e um valor que não é número sai "-".
std::string TextoComDuasCasas(double valor);
