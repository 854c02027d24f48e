#include "document/PrecoDasApostas.h"

#include <cstdio>

std::string TextoDoPrecoDasApostas(int32_t qtde_apostas, int32_t valor_da_aposta)
{
    // Em double: os dois vêm do arquivo e o produto não pode estourar.
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.2f", (double(valor_da_aposta) + 1.0) * double(qtde_apostas));
    return texto;
}
