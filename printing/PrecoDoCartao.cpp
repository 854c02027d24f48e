#include "printing/PrecoDoCartao.h"

#include "core/Volante.h"

#include <cstdio>

std::string TextoDoPrecoDoCartao(const CVolante& cartao, int32_t valor_da_aposta)
{
    // Em double: o índice vem do arquivo e não pode estourar a conta.
    const double preco = cartao.QtdeDeApostas() * 0.50 * (static_cast<double>(valor_da_aposta) + 1.0);
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.2f", preco);
    return texto;
}
