#pragma once

#include <chrono>
#include <cstdint>
#include <string>

class CVarentaDoc;
class IProgressoFechamento;

struct SReducaoDeApostas {
    int32_t cartoes_antes = 0;
    int32_t cartoes_depois = 0;
    int64_t piso = 0;                 // nenhuma redução com a garantia tem menos cartões
    bool interrompida = false;        // parada ou prazo: vale a garantia, mas podia ficar menor
    bool minimo_comprovado = false;   // depois é igual ao piso
};

// "Reduzir Apostas": os cartões do documento trocados pelos escolhidos por CFechamento
// com a garantia dada (3, 4 ou 5 pontos), tudo dentro do prazo (contado daqui, com a
// leitura dos cartões); o total de apostas acompanha e o primeiro cartão restante vira o
// atual. Cartão com mais de um placar num jogo: CCartaoNaoSimples, e o documento fica
// como estava.
SReducaoDeApostas ReduzirApostasDoDocumento(CVarentaDoc& documento, int garantia, std::chrono::seconds prazo,
                                            IProgressoFechamento& progresso);

// O piso como a tela e a linha de comando mostram.
std::string TextoDoPiso(const SReducaoDeApostas& reducao);
