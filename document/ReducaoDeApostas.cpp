#include "document/ReducaoDeApostas.h"

#include "checking/CartoesDaReducao.h"
#include "checking/Fechamento.h"
#include "document/GeracaoDeApostas.h"
#include "document/VarentaDoc.h"

SReducaoDeApostas ReduzirApostasDoDocumento(CVarentaDoc& documento, int garantia, std::chrono::seconds prazo,
                                            IProgressoFechamento& progresso)
{
    CFechamento fechamento(NumerosDosCartoes(documento.m_volantes), garantia);
    const SResultadoDoFechamento escolha = fechamento.Reduzir(progresso, prazo);

    SReducaoDeApostas reducao;
    reducao.cartoes_antes = documento.m_volantes.Quantidade();
    // Cada cartão aceito é uma aposta simples.
    documento.m_qtde_apostas -= ManterCartoes(documento.m_volantes, escolha.manter);
    PrimeiroCartaoComoAtual(documento);
    reducao.cartoes_depois = documento.m_volantes.Quantidade();
    reducao.interrompida = escolha.interrompido;
    return reducao;
}
