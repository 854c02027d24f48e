#include "document/ReducaoDeApostas.h"

#include "checking/CartoesDaReducao.h"
#include "checking/Fechamento.h"
#include "document/VarentaDoc.h"

SReducaoDeApostas ReduzirApostasDoDocumento(CVarentaDoc& documento, int garantia, std::chrono::seconds prazo,
                                            IProgressoFechamento& progresso)
{
    CFechamento fechamento(NumerosDosCartoes(documento.m_volantes), garantia);
    const SResultadoDoFechamento escolha = fechamento.Reduzir(progresso, prazo);

    SReducaoDeApostas reducao;
    reducao.cartoes_antes = documento.m_volantes.m_qtde;
    documento.m_volante_atual = nullptr;
    // Cada cartão aceito é uma aposta simples.
    documento.m_qtde_apostas -= ManterCartoes(documento.m_volantes, escolha.manter);
    documento.m_volante_atual = documento.m_volantes.m_primeiro;
    documento.m_tem_volantes = documento.m_volante_atual != nullptr ? 1 : 0;
    reducao.cartoes_depois = documento.m_volantes.m_qtde;
    reducao.interrompida = escolha.interrompido;
    return reducao;
}
