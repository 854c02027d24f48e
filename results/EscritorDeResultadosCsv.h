#pragma once

#include "results/ResultadoVarenta.h"

#include <filesystem>
#include <ostream>

// Escreve o CSV de resultados (FormatoDoCsvDeResultados.h): o cabeçalho e uma linha por
// registro, na ordem da lista, com LF no fim de cada linha e sem BOM. Os campos são os de
// "resultados listar", com duas diferenças para que o CSV lido de volta dê os mesmos
// registros: a data leva " hh:mm:ss" quando a hora não é 00:00:00, e um valor que duas
// casas não representam sai com as casas que precisa (0.125).
void EscreverResultadosEmCsv(const CListaDeResultados& lista, std::ostream& saida);
// Grava o arquivo inteiro pela gravação segura: falso se não gravou, e então o arquivo
// que existia fica como estava.
bool GravarResultadosEmCsv(const CListaDeResultados& lista, const std::filesystem::path& caminho);
