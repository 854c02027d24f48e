#include "printing/ImpressaoDeCartoes.h"

#include "printing/ConfiguracaoDeImpressao.h"
#include "printing/DesenhoDaFolha.h"
#include "printing/DesenhoDoVolante.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"

#include <algorithm>

namespace {

int CartoesPorPagina(const SConfiguracaoDeImpressao& configuracao)
{
    return configuracao.ImprimeVolantes() ? 1 : kCartoesPorFolha;
}

// O cartão `passos` adiante, parando no último da lista.
int32_t AdianteAte(int32_t cartao, int passos, int32_t cartoes)
{
    return std::min(cartao + passos, cartoes - 1);
}

int32_t AtrasAte(int32_t cartao, int passos)
{
    return std::max(cartao - passos, 0);
}

}  // namespace

CImpressaoDeCartoes::CImpressaoDeCartoes(const CVarentaDoc& documento, const IConfiguracoes& configuracoes)
    : m_documento(documento), m_configuracoes(configuracoes) {}

int CImpressaoDeCartoes::PrepararImpressao()
{
    // Só "tipo" 1 é volante, na contagem e no desenho.
    const int por_pagina = CartoesPorPagina(LerConfiguracaoDeImpressao(m_configuracoes));
    const int cartoes = m_documento.m_volantes.Quantidade();
    m_pagina_atual = 1;
    m_primeiro = cartoes > 0 ? 0 : -1;
    m_ultimo = m_primeiro >= 0 ? AdianteAte(m_primeiro, por_pagina - 1, cartoes) : -1;
    return (cartoes + por_pagina - 1) / por_pagina;
}

SPaginaImpressa CImpressaoDeCartoes::ImprimirPagina(int pagina)
{
    SPaginaImpressa desenho;
    if (m_documento.m_volantes.Quantidade() == 0 || pagina < 1)
        return desenho;
    const SConfiguracaoDeImpressao configuracao = LerConfiguracaoDeImpressao(m_configuracoes);
    IrParaPagina(pagina, CartoesPorPagina(configuracao));
    if (m_ultimo < 0)
        return desenho;
    if (configuracao.ImprimeVolantes())
        DesenharVolante(m_documento.m_volantes.Cartao(m_primeiro), m_pagina_atual, m_documento.m_valor_da_aposta, configuracao.volante_margem_x,
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
    for (int32_t cartao = m_primeiro; posicao < kCartoesPorFolha; ++cartao, ++posicao) {
        DesenharCartaoNaFolha(m_documento.m_volantes.Cartao(cartao), kCartoesPorFolha * m_pagina_atual - 3 + posicao,
                              posicao, m_documento.m_valor_da_aposta, x, y, configuracao.cor_das_linhas_rgb, desenho);
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
    const int32_t cartoes = m_documento.m_volantes.Quantidade();
    m_primeiro = m_ultimo >= 0 && m_ultimo + 1 < cartoes ? m_ultimo + 1 : -1;
    m_ultimo = m_primeiro >= 0 ? AdianteAte(m_primeiro, por_pagina - 1, cartoes) : -1;
}

void CImpressaoDeCartoes::Voltar(int por_pagina)
{
    if (m_primeiro >= 0) {
        m_ultimo = m_primeiro - 1;
        m_primeiro = m_ultimo >= 0 ? AtrasAte(m_ultimo, por_pagina - 1) : -1;
        return;
    }
    // Depois do fim (o framework pediu uma página a mais): de volta à última página,
    // que pode ter menos cartões; antes dela, continua vazio.
    const int cartoes = m_documento.m_volantes.Quantidade();
    const int paginas = (cartoes + por_pagina - 1) / por_pagina;
    if (m_pagina_atual != paginas)
        return;
    m_ultimo = cartoes - 1;
    m_primeiro = m_ultimo >= 0 ? AtrasAte(m_ultimo, (cartoes - 1) % por_pagina) : -1;
}
