#include "printing/PrecoDoCartao.h"

#include "core/PrecoDaAposta.h"
#include "core/Volante.h"

std::string TextoDoPrecoDoCartao(const CVolante& cartao, int32_t valor_da_aposta)
{
    // O volante cobra 0,50 por aposta simples no valor mais baixo: as marcas "0,50",
    // "1,00" e "2,00" do formulário são as de "R$ 1,00", "R$ 2,00" e "R$ 4,00".
    return TextoComDuasCasas(static_cast<double>(cartao.QtdeDeApostas()) * 0.50 * FatorDoValorDaAposta(valor_da_aposta));
}
