#pragma once

#include <filesystem>
#include <memory>

class CVarentaDoc;

// Lê um arquivo de apostas (".vrt") num documento novo, já com o primeiro cartão como
// atual (AposAbrir). Não abre: CErroAoAbrirArquivo("Failed to open document."); cortado
// ou fora do formato: CArquivoDanificado("Unexpected file format."); nenhum documento
// sobra, nada vaza.
std::unique_ptr<CVarentaDoc> LerArquivoDeApostas(const std::filesystem::path& caminho);

// Grava o documento inteiro com a gravação segura: ou o arquivo novo fica completo, ou
// o anterior fica como estava. Lança CErroDoUsuario("Failed to save document.").
void GravarArquivoDeApostas(const CVarentaDoc& documento, const std::filesystem::path& caminho);
