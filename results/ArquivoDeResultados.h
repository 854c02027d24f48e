#pragma once

#include "results/ResultadoVarenta.h"

#include <cstdint>
#include <filesystem>
#include <istream>

// Lê o arquivo de resultados inteiro, acrescentando os registros à lista na ordem do
// arquivo. Falso (lista intacta) se o arquivo não abre. Arquivo danificado: lança
// CArquivoDanificado com a mensagem de formato, com o caminho completo.
bool LerArquivoDeResultados(const std::filesystem::path& caminho, CListaDeResultados& lista);
// O mesmo a partir de um fluxo já aberto com `tamanho` bytes; danificado: CErroDeFormato
// (lista intacta), que quem tem o caminho transforma na mensagem.
void LerResultadosDoFluxo(std::istream& entrada, uint64_t tamanho, CListaDeResultados& lista);

// Grava a lista inteira. Falso se o arquivo não pôde ser gravado; nesse caso o arquivo
// que existia continua inteiro.
bool GravarArquivoDeResultados(const std::filesystem::path& caminho, const CListaDeResultados& lista);
