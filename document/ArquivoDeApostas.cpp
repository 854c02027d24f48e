#include "document/ArquivoDeApostas.h"

#include "core/ArquivoDanificado.h"
#include "core/ErroAoAbrirArquivo.h"
#include "core/ErroDeFormato.h"
#include "core/ErroDoUsuario.h"
#include "core/EscritorDeArquivo.h"
#include "core/GravacaoSegura.h"
#include "core/LeitorDeArquivo.h"
#include "document/VarentaDoc.h"

#include <fstream>

namespace fs = std::filesystem;

std::unique_ptr<CVarentaDoc> LerArquivoDeApostas(const fs::path& caminho)
{
    std::ifstream entrada(caminho, std::ios::binary);
    std::error_code falha;
    const uintmax_t tamanho = fs::file_size(caminho, falha);
    if (!entrada || falha)
        throw CErroAoAbrirArquivo("Failed to open document.", caminho);
    return LerApostasDoFluxo(entrada, tamanho);
}

std::unique_ptr<CVarentaDoc> LerApostasDoFluxo(std::istream& entrada, uint64_t tamanho)
{
    CLeitorDeArquivo ar(entrada, tamanho);
    auto documento = std::make_unique<CVarentaDoc>();
    try {
        documento->Serialize(ar);
    } catch (const CErroDeFormato&) {
        throw CArquivoDanificado("Unexpected file format.");
    }
    documento->AposAbrir();
    return documento;
}

void GravarArquivoDeApostas(const CVarentaDoc& documento, const fs::path& caminho)
{
    const bool gravou = GravarComSeguranca(caminho, [&](std::ostream& saida) {
        CEscritorDeArquivo ar(saida);
        documento.Serialize(ar);
        ar.Finalizar();
    });
    if (!gravou)
        throw CErroDoUsuario("Failed to save document.");
}
