#pragma once

#include "results/DataDoResultado.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Leitura dos campos das respostas do serviço de resultados, sem depender da
// configuração regional: brancos à esquerda, sinal opcional, algarismos e "." decimal;
// a leitura para no primeiro outro caractere e um texto sem algarismos vale 0.

// Inteiro do começo do texto; fora da faixa de 32 bits fica no limite mais próximo.
int32_t InteiroDoInicio(std::string_view texto);
// Decimal do começo do texto (sem expoente); grande demais para um double vale 0.
double DecimalDoInicio(std::string_view texto);
// O mesmo decimal, vazio quando o texto não começa por um número (nenhum algarismo) ou
// quando ele não cabe num double: o que distingue um "0" de um campo que não é número.
std::optional<double> NumeroDoInicio(std::string_view texto);
// Sem brancos (espaço, tabulação, CR, LF) nas duas pontas.
std::string_view Aparar(std::string_view texto);

// Data da linha da resposta: primeiro dd/mm/aaaa [hh:mm[:ss]] (a forma do nosso
// serviço), depois aaaa-mm-dd[ hh:mm[:ss]] e por fim a forma regional. Um texto com a
// forma de data mas dia inexistente fica inválido com valor -1; um texto que não é
// data, inválido com valor 0.
SData LerDataDaResposta(const std::string& texto, const FLerDataRegional& regional);
