#pragma once

#include <chrono>
#include <cstdint>

class CVarentaDoc;
class IProgressoFechamento;

struct SReducaoDeApostas {
    int32_t cartoes_antes = 0;
    int32_t cartoes_depois = 0;
    bool interrompida = false;  // parada ou prazo: vale a garantia, mas podia ficar menor
};

// "Reduzir Apostas": os cartões do documento trocados pelos escolhidos por CFechamento
// com a garantia dada (3, 4 ou 5 pontos), dentro do prazo; o total de apostas acompanha
// e o primeiro cartão restante vira o atual. Cartão com mais de um placar num jogo:
// CCartaoNaoSimples, e o documento fica como estava.
SReducaoDeApostas ReduzirApostasDoDocumento(CVarentaDoc& documento, int garantia, std::chrono::seconds prazo,
                                            IProgressoFechamento& progresso);
