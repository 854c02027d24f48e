#pragma once

#include "results/ResultadoVarenta.h"

#include <cstdint>
#include <memory>
#include <string>

class CListaDeVolantes;
class CScore;

// Acrescenta à lista um cartão da tabela cheia com os placares "1x0 2x2 +x1 0x0 3x+".
void AdicionarCartao(CListaDeVolantes& lista, const std::string& placares);

// Troca uma entrada de um cartão já na lista (a lista não muda cartões no lugar: refaz-se).
void TrocarEntrada(CListaDeVolantes& lista, int32_t posicao, int lugar, const CScore* placar);

// Resultado do concurso com os cinco placares dados do mesmo jeito.
std::unique_ptr<CResultadoVarenta> ResultadoDosPlacares(int32_t concurso, const std::string& placares);
