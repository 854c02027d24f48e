#pragma once

#include <array>

class CResultadoVarenta;

// As dez colunas (time 1, time 2 de cada jogo) de um resultado gravado: a primeira marca
// 1 de cada time, 0 se não houver; jogos além dos placares gravados ficam em 0.
std::array<int, 10> ColunasDoResultado(const CResultadoVarenta& resultado);
