#pragma once

#include <cstddef>
#include <cstdint>

// O CSV de resultados: as colunas de "resultados listar", uma linha de cabeçalho e uma
// linha por concurso, em UTF-8. O programa grava com ";" e ponto decimal, sem aspas (os
// campos não têm ";"); a leitura aceita "," ou ";", escolhido pelo cabeçalho, e um valor
// com vírgula decimal entre aspas quando o separador é a vírgula ("1234,50").
inline constexpr const char* kColunasDoCsv[] = {
    "concurso",     "data",      "placares",  "ganhadores 3", "ganhadores 4",
    "ganhadores 5", "rateio 3",  "rateio 4",  "rateio 5",     "acumulado",
};
inline constexpr size_t kQtdeDeColunasDoCsv = sizeof kColunasDoCsv / sizeof kColunasDoCsv[0];
inline constexpr char kSeparadorDoCsv = ';';

// Limites da leitura: nada do arquivo aloca memória sem eles. Mesmo com um concurso por
// linha, 200 mil linhas passam muito de todos os concursos que já houve.
inline constexpr std::uintmax_t kMaiorCsvDeResultados = 64u << 20;  // bytes
inline constexpr size_t kMaiorLinhaDoCsv = 4096;                    // bytes, sem a quebra
inline constexpr size_t kMaisLinhasDoCsv = 200000;                  // linhas com texto
