#pragma once

#include <cstdint>
#include <string>

class CVolante;

// Preço impresso do cartão: apostas simples x 0,50 x fator do valor da aposta, com "%.2f".
std::string TextoDoPrecoDoCartao(const CVolante& cartao, int32_t valor_da_aposta);
