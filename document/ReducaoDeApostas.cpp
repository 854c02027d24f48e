#include "document/ReducaoDeApostas.h"

#include "checking/CartoesDaReducao.h"
#include "checking/Fechamento.h"
#include "document/GeracaoDeApostas.h"
#include "document/VarentaDoc.h"

#include <algorithm>

SReducaoDeApostas ReduzirApostasDoDocumento(CVarentaDoc& documento, int garantia, std::chrono::seconds prazo,
                                            IProgressoFechamento& progresso)
{
    const auto inicio = std::chrono::steady_clock::now();
    CFechamento fechamento(NumerosDosCartoes(documento.m_volantes), garantia);
    const CFechamento::Prazo restante = prazo - (std::chrono::steady_clock::now() - inicio);
    const SResultadoDoFechamento escolha = fechamento.Reduzir(progresso, std::max(restante, CFechamento::Prazo::zero()));

    SReducaoDeApostas reducao;
    reducao.cartoes_antes = documento.m_volantes.Quantidade();
    // Cada cartão aceito é uma aposta simples.
    documento.m_qtde_apostas -= ManterCartoes(documento.m_volantes, escolha.manter);
    PrimeiroCartaoComoAtual(documento);
    reducao.cartoes_depois = documento.m_volantes.Quantidade();
    reducao.piso = escolha.piso;
    reducao.interrompida = escolha.interrompido;
    reducao.minimo_comprovado = escolha.MinimoComprovado();
    return reducao;
}

std::string TextoDoPiso(const SReducaoDeApostas& reducao)
{
    std::string texto = "Nenhuma redução com essa garantia tem menos de " + std::to_string(reducao.piso) + " cartões";
    if (reducao.minimo_comprovado)
        texto += " (mínimo comprovado)";
    return texto;
}
