#pragma once

#include "results/TextoDaResposta.h"

// A forma curta de data (com ou sem hora) da configuração regional do sistema.
FLerDataRegional DataRegionalDoSistema();
