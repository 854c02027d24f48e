#pragma once

#include "results/ResultadoVarenta.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// O que o usuário informa de um resultado (diálogo de cadastro ou linha de comando).
struct SValoresDoResultado {
    int32_t concurso = 0;
    SData data;
    std::array<int32_t, 3> ganhadores{};  // com 3, 4 e 5 acertos
    std::array<double, 3> rateios{};      // prêmio de cada ganhador com 3, 4 e 5 acertos
    double valor_acumulado = 0.0;
    std::array<int, 10> colunas{};  // coluna 0..4 do time 1 e do time 2 de cada jogo
};

// Registro com esses valores e os cinco placares; acumulado = 1 só quando o valor
// acumulado passa de 0. Coluna fora de 0..4: CErroDoUsuario.
std::unique_ptr<CResultadoVarenta> NovoResultado(const SValoresDoResultado& valores);

// Valores em reais digitados com vírgula decimal ("35,50"): a vírgula vira ponto quando
// é a única e não há ponto; outro texto volta como veio (e a leitura o recusa).
std::string ComPontoDecimal(std::string texto);
