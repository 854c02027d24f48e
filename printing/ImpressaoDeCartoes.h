#pragma once

#include "printing/GeometriaDaPagina.h"

#include <cstdint>

class CVarentaDoc;
class IConfiguracoes;

// Estado de uma impressão (ou visualização) dos cartões do documento: a página atual e
// o primeiro e o último cartão dela (posições na lista; -1 sem cartão). Cada página pedida move o estado até ela, para a
// frente ou para trás, e por isso as páginas saem certas em qualquer ordem.
class CImpressaoDeCartoes {
public:
    CImpressaoDeCartoes(const CVarentaDoc& documento, const IConfiguracoes& configuracoes);

    // Conta as páginas e põe o estado na página 1.
    int PrepararImpressao();
    // O desenho da página (1 em diante); vazio quando ela não tem cartões.
    SPaginaImpressa ImprimirPagina(int pagina);

    int PaginaAtual() const { return m_pagina_atual; }
    int32_t PrimeiroDaPagina() const { return m_primeiro; }
    int32_t UltimoDaPagina() const { return m_ultimo; }

private:
    void IrParaPagina(int pagina, int por_pagina);
    void Avancar(int por_pagina);
    void Voltar(int por_pagina);
    void DesenharFolha(const struct SConfiguracaoDeImpressao& configuracao, SPaginaImpressa& pagina) const;

    const CVarentaDoc& m_documento;
    const IConfiguracoes& m_configuracoes;
    int m_pagina_atual = 1;
    int32_t m_primeiro = -1;
    int32_t m_ultimo = -1;
};
