#pragma once

#include "ResultadoVarenta.h"

#include <string>

class IPastas;

// Lê o arquivo de resultados da pasta de dados; sem ele: CErroDoUsuario.
CListaDeResultados LerResultadosDoUsuario(const IPastas& pastas);
// Posição do concurso de número dado na lista; ausente: CErroDoUsuario.
size_t PosicaoDoConcurso(const CListaDeResultados& resultados, int concurso);
