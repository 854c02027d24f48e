#pragma once

#include "checking/RetornoDaAposta.h"

// Três concursos e quatro cartões com prêmios contados à mão, a R$ 8,00 por concurso:
// saldos 5.013,00 (101), 292,50 (102) e -3,00 (103); no total 5.326,50 - 24,00 = 5.302,50.
CRetornoDaAposta RetornoDeExemplo();

// A mesma aposta analisada numa faixa sem concursos: só o total, de zeros.
CRetornoDaAposta RetornoSemConcursos();
