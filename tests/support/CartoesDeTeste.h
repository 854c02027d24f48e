#pragma once

// Documentos pequenos para os testes da impressão: cartões montados com as células da
// tabela cheia, como os do gerador.

#include "document/VarentaDoc.h"

#include <memory>

class CScore;

// Um cartão com a célula k[m] de cada jogo m (ordem do quadro: 14 é 0x0, 0 é +x3).
void AdicionarCartao(CVarentaDoc& documento, const int (&celulas)[5]);
// Documento com `cartoes` cartões diferentes entre si: o jogo 0 do cartão i (de 0) na
// célula 14 + i, os jogos 1 a 3 em 0x0 e o jogo 4 em +x3.
std::unique_ptr<CVarentaDoc> DocumentoComCartoes(int cartoes, int valor_da_aposta = 0);
