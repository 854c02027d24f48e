#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Coberturas conhecidas de um quadro completo (a aposta é o produto das células dadas de
// cada jogo), a raio 1 (4 pontos) ou 2 (3 pontos); fórmulas e fontes no README.
// Cada jogo divide as suas células em grupos, e numa célula o grupo e o resto (posição no
// grupo) valem como dois símbolos: os grupos seguem um código pequeno e os restos, uma
// condição que qualquer jogo corrige sozinho (raio 1) ou um código MDS (raio 2).

// A menor das construções que se aplicam, em números de cartão; vazio se nenhuma.
std::vector<int32_t> CoberturaConstruida(const std::array<std::vector<int32_t>, 5>& celulas, int raio);

// Quantos cartões CoberturaConstruida daria, sem montá-los (0 se nenhuma se aplica).
int64_t TamanhoDaCoberturaConstruida(const std::array<std::vector<int32_t>, 5>& celulas, int raio);
