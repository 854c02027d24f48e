#pragma once

#include "results/ResultadoVarenta.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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
// acumulado passa de 0. Coluna fora de 0..4: CErroDoUsuario; campo fora da sua faixa
// (FaixasDoResultado.h): CCampoForaDaFaixa.
std::unique_ptr<CResultadoVarenta> NovoResultado(const SValoresDoResultado& valores);

// Valores em reais digitados com vírgula decimal ("35,50"): a vírgula vira ponto quando
// é a única e não há ponto; outro texto volta como veio (e a leitura o recusa).
std::string ComPontoDecimal(std::string texto);

// Valor em reais não negativo, "1234.50" ou "1234,50", sem separador de milhar nem
// expoente; vazio para outro texto.
std::optional<double> LerReais(const std::string& texto);
// Inteiro de 32 bits não negativo escrito por inteiro ("12"); vazio para outro texto.
std::optional<int32_t> LerNaoNegativo(std::string_view texto);
// O valor em notação fixa com ponto decimal: com `casas` casas, ou sem `casas` a menor
// escrita que volta ao mesmo double; "inf"/"nan" para os não finitos. Só bytes escritos.
std::string TextoFixo(double valor, std::optional<int> casas);
// O valor com ponto decimal e duas casas (1234.50) ou, quando duas casas não bastam
// para que LerReais dê de volta o mesmo double, com as casas que bastam (0.125).
std::string ReaisExatos(double valor);
