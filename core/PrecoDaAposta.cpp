#include "core/PrecoDaAposta.h"

#include <cmath>
#include <cstdio>

double FatorDoValorDaAposta(int32_t valor_da_aposta)
{
    if (valor_da_aposta < 0 || valor_da_aposta >= kValoresDaAposta)
        return std::nan("");
    return std::ldexp(1.0, valor_da_aposta);
}

double PrecoDaAposta(int32_t valor_da_aposta, int64_t qtde_apostas)
{
    return FatorDoValorDaAposta(valor_da_aposta) * static_cast<double>(qtde_apostas);
}

std::string TextoComDuasCasas(double valor)
{
    if (!std::isfinite(valor))
        return "-";
    char texto[400];
    std::snprintf(texto, sizeof texto, "%.2f", valor);
    const std::string escrito = texto;
    // Um saldo como -0,001 arredonda para "-0.00": sem centavo, sem sinal.
    return escrito == "-0.00" ? "0.00" : escrito;
}
