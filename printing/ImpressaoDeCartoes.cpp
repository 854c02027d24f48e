#include "printing/ImpressaoDeCartoes.h"

#include "printing/ConfiguracaoDeImpressao.h"
#include "printing/DesenhoDaFolha.h"
#include "printing/DesenhoDoVolante.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"

namespace {

int CartoesPorPagina(const SConfiguracaoDeImpressao& configuracao)
{
    return configuracao.ImprimeVolantes() ? 1 : kCartoesPorFolha;
}

// O cartão `passos` adiante, parando no último da lista.
const CVolante* AdianteAte(const CVolante* cartao, int passos)
{
    for (int i = 0; i < passos && cartao->m_proximo != nullptr; ++i)
        cartao = cartao->m_proximo;
    return cartao;
}

const CVolante* AtrasAte(const CVolante* cartao, int passos)
{
    for (int i = 0; i < passos && cartao->m_anterior != nullptr; ++i)
        cartao = cartao->m_anterior;
    return cartao;
}

}  // namespace

CImpressaoDeCartoes::CImpressaoDeCartoes(const CVarentaDoc& documento, const IConfiguracoes& configuracoes)
    : m_documento(documento), m_configuracoes(configuracoes) {}

int CImpressaoDeCartoes::PrepararImpressao()
{
    // Só "tipo" 1 é volante, na contagem e no desenho.
    const int por_pagina = CartoesPorPagina(LerConfiguracaoDeImpressao(m_configuracoes));
    const int cartoes = m_documento.m_volantes.m_qtde;
    m_pagina_atual = 1;
    m_primeiro = m_documento.m_volantes.m_primeiro;
    m_ultimo = m_primeiro != nullptr ? AdianteAte(m_primeiro, por_pagina - 1) : nullptr;
    return (cartoes + por_pagina - 1) / por_pagina;
}

SPaginaImpressa CImpressaoDeCartoes::ImprimirPagina(int pagina)
{
    SPaginaImpressa desenho;
    if (m_documento.m_volantes.m_primeiro == nullptr || pagina < 1)
        return desenho;
    const SConfiguracaoDeImpressao configuracao = LerConfiguracaoDeImpressao(m_configuracoes);
    IrParaPagina(pagina, CartoesPorPagina(configuracao));
    if (m_ultimo == nullptr)
        return desenho;
    if (configuracao.ImprimeVolantes())
        DesenharVolante(*m_primeiro, m_pagina_atual, m_documento.m_valor_da_aposta, configuracao.volante_margem_x,
                        configuracao.volante_margem_y, desenho);
    else
        DesenharFolha(configuracao, desenho);
    return desenho;
}

void CImpressaoDeCartoes::DesenharFolha(const SConfiguracaoDeImpressao& configuracao, SPaginaImpressa& desenho) const
{
    const int x = configuracao.folha_margem_x;
    const int y = configuracao.folha_margem_y - 500;
    int posicao = 0;
    for (const CVolante* cartao = m_primeiro; posicao < kCartoesPorFolha; cartao = cartao->m_proximo, ++posicao) {
        DesenharCartaoNaFolha(*cartao, kCartoesPorFolha * m_pagina_atual - 3 + posicao, posicao,
                              m_documento.m_valor_da_aposta, x, y, configuracao.cor_das_linhas_rgb, desenho);
        if (cartao == m_ultimo)
            break;
    }
    DesenharLinhasDeRecorte(configuracao, x, y, desenho);
}

void CImpressaoDeCartoes::IrParaPagina(int pagina, int por_pagina)
{
    while (m_pagina_atual < pagina) {
        ++m_pagina_atual;
        Avancar(por_pagina);
    }
    while (m_pagina_atual > pagina) {
        --m_pagina_atual;
        Voltar(por_pagina);
    }
}

void CImpressaoDeCartoes::Avancar(int por_pagina)
{
    m_primeiro = m_ultimo != nullptr ? m_ultimo->m_proximo : nullptr;
    m_ultimo = m_primeiro != nullptr ? AdianteAte(m_primeiro, por_pagina - 1) : nullptr;
}

void CImpressaoDeCartoes::Voltar(int por_pagina)
{
    if (m_primeiro != nullptr) {
        m_ultimo = m_primeiro->m_anterior;
        m_primeiro = m_ultimo != nullptr ? AtrasAte(m_ultimo, por_pagina - 1) : nullptr;
        return;
    }
    // Depois do fim (o framework pediu uma página a mais): de volta à última página,
    // que pode ter menos cartões; antes dela, continua vazio.
    const int cartoes = m_documento.m_volantes.m_qtde;
    const int paginas = (cartoes + por_pagina - 1) / por_pagina;
    if (m_pagina_atual != paginas)
        return;
    m_ultimo = m_documento.m_volantes.m_ultimo;
    m_primeiro = m_ultimo != nullptr ? AtrasAte(m_ultimo, (cartoes - 1) % por_pagina) : nullptr;
}
