#include "tests/support/CartoesDeTeste.h"

#include "core/CartaoCheio.h"
#include "core/Volante.h"

void AdicionarCartao(CVarentaDoc& documento, const int (&celulas)[5])
{
    CVolante cartao;
    cartao.m_qtde = 5;
    for (int m = 0; m < 5; ++m)
        cartao.m_scores[m] = CCartaoCheio::Instancia().Celula(m, celulas[m]);
    documento.m_volantes.Adicionar(cartao);
}

std::unique_ptr<CVarentaDoc> DocumentoComCartoes(int cartoes, int valor_da_aposta)
{
    auto documento = std::make_unique<CVarentaDoc>();
    documento->OnNewDocument();
    documento->m_valor_da_aposta = valor_da_aposta;
    for (int i = 0; i < cartoes; ++i)
        AdicionarCartao(*documento, {(14 + i) % 25, 14, 14, 14, 0});
    documento->AposAbrir();
    return documento;
}
