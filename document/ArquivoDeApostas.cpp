#include "document/ArquivoDeApostas.h"

#include "core/ArquivoDanificado.h"
#include "core/ErroAoAbrirArquivo.h"
#include "core/ErroDeFormato.h"
#include "core/ErroAoSalvarArquivo.h"
#include "core/EscritorDeArquivo.h"
#include "core/GravacaoSegura.h"
#include "core/LeitorDeArquivo.h"
#include "core/TravaDeArquivo.h"
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

void GravarArquivoDeApostas(const CVarentaDoc& documento, const fs::path& caminho, std::chrono::milliseconds espera)
{
    // Duas cópias do programa gravando o mesmo arquivo: uma espera a outra.
    const CTravaDeArquivo trava(caminho, kApostasEmUso, espera);
    const CResultadoDaGravacao gravacao = GravarComSeguranca(caminho, [&](std::ostream& saida) {
        CEscritorDeArquivo ar(saida);
        documento.Serialize(ar);
        ar.Finalizar();
    });
    if (!gravacao)
        throw CErroAoSalvarArquivo(caminho, gravacao.Erro());
}
