#pragma once

#include "results/ResultadoVarenta.h"

#include <cstddef>

// Posição do concurso de número dado na lista; ausente: CErroDoUsuario.
size_t PosicaoDoConcurso(const CListaDeResultados& resultados, int concurso);
