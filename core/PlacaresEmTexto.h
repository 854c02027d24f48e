#pragma once

#include <array>
#include <string>

class CScore;
class CVolante;

// Placares como texto de linha de comando: cada jogo "1x0", "+x3"; as marcas de um time
// são os rótulos "0" "1" "2" "3" "+" das colunas marcadas, em ordem, ou "-" sem nenhuma.

// Ex.: "1x0", "01x2" (duas colunas no time 1), "-x+".
std::string MarcasDaEntrada(const CScore& entrada);
// O placar do jogo (0 a 4) no cartão; "-x-" quando o cartão não tem esse placar.
std::string MarcasDoJogo(const CVolante& cartao, int jogo);
// Os cinco jogos separados por um espaço: "1x0 2x2 +x1 0x0 3x+".
std::string MarcasDoCartao(const CVolante& cartao);

// Lê "1x0 2x2 +x1 0x0 3x+" (cinco placares com uma coluna por time) nas dez colunas
// (time 1, time 2 de cada jogo). Texto malformado: CErroDoUsuario com a explicação.
std::array<int, 10> LerPlacares(const std::string& texto);
