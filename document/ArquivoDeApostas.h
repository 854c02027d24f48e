#pragma once

#include <filesystem>
#include <memory>

class CVarentaDoc;

// Lê um arquivo de apostas (".vrt") num documento novo, já com o primeiro cartão como
// atual (AposAbrir). Lança CErroDoUsuario: "Failed to open document." se o arquivo não
// abre; "Unexpected file format." se está cortado ou fora do formato (nenhum documento
// sobra, nada vaza).
std::unique_ptr<CVarentaDoc> LerArquivoDeApostas(const std::filesystem::path& caminho);

// Grava o documento inteiro com a gravação segura: ou o arquivo novo fica completo, ou
// o anterior fica como estava. Lança CErroDoUsuario("Failed to save document.").
void GravarArquivoDeApostas(const CVarentaDoc& documento, const std::filesystem::path& caminho);
