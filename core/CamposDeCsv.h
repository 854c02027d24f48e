#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Linhas de CSV: campos separados por um caractere; um campo entre aspas pode conter o
// separador e aspas dobradas (""). Nenhum campo atravessa linhas: os textos do
// programa não têm quebra de linha.

// Campos da linha, sem as aspas e sem brancos nas pontas. Vazio quando uma aspa abre e
// não fecha, ou quando sobra texto entre a aspa que fecha e o separador.
std::optional<std::vector<std::string>> DividirLinhaDeCsv(std::string_view linha, char separador);

// Os campos numa linha (sem a quebra); entre aspas só o campo que tem o separador,
// aspas, quebra de linha ou brancos nas pontas, que a leitura tiraria.
std::string LinhaDeCsv(const std::vector<std::string>& campos, char separador);
