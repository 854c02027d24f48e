#pragma once

#include <cstdint>
#include <string>

// Preço da aposta inteira como a tela de apostas mostra: apostas simples x (índice do
// valor + 1), com "%.2f".
std::string TextoDoPrecoDasApostas(int32_t qtde_apostas, int32_t valor_da_aposta);
