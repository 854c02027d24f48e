#pragma once

#include "core/TravaDeArquivo.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>

class CVarentaDoc;

// Lê um arquivo de apostas (".vrt") num documento novo, já com o primeiro cartão como
// atual (AposAbrir). Não abre: CErroAoAbrirArquivo("Failed to open document."); cortado
// ou fora do formato: CArquivoDanificado("Unexpected file format."); nenhum documento
// sobra, nada vaza.
std::unique_ptr<CVarentaDoc> LerArquivoDeApostas(const std::filesystem::path& caminho);
// O mesmo a partir de um fluxo já aberto com `tamanho` bytes (só CArquivoDanificado).
std::unique_ptr<CVarentaDoc> LerApostasDoFluxo(std::istream& entrada, uint64_t tamanho);

inline constexpr const char* kApostasEmUso = "O arquivo de apostas está em uso por outro programa.";

// Grava o documento inteiro com a gravação segura: ou o arquivo novo fica completo, ou
// o anterior fica como estava. Não gravou: CErroAoSalvarArquivo, com o caminho e o
// motivo. Sob a trava do arquivo: outra cópia do programa que o grava ao mesmo tempo
// espera até `espera` e então falha com CArquivoEmUso(kApostasEmUso).
void GravarArquivoDeApostas(const CVarentaDoc& documento, const std::filesystem::path& caminho,
                            std::chrono::milliseconds espera = kEsperaPelaTrava);
