#pragma once

#include "results/ResultadoVarenta.h"

#include <string>

// Escritor das respostas do serviço de resultados (o leitor é
// CResultadoVarenta::LerDaResposta). Linhas terminadas por CR LF:
//   concurso
//   data dd/mm/aaaa, com " hh:mm:ss" quando a hora não é meia-noite ("-" se inválida)
//   placares, três caracteres por jogo: "10 22 +1 00 3+"
//   valor acumulado
//   três linhas (acertos, ganhadores, rateio) para 3, 4 e 5 acertos
//   "fim" (o cliente nunca lê a última linha)
// Os valores saem na forma mais curta que relê o mesmo double, com "." decimal.
std::string EscreverRespostaDoResultado(const CResultadoVarenta& resultado);
