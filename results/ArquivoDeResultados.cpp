#include "results/ArquivoDeResultados.h"

#include "core/ArquivoDanificado.h"
#include "core/ErroDeFormato.h"
#include "core/EscritorDeArquivo.h"
#include "core/GravacaoSegura.h"
#include "core/LeitorDeArquivo.h"

#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string MensagemDoFormato(CErroDeFormato::Tipo tipo)
{
    switch (tipo) {
    case CErroDeFormato::Tipo::FimInesperado:
        return "Attempted to access %1 past its end.";
    case CErroDeFormato::Tipo::ObjetoInesperado:
        return "%1 contained an unexpected object.";
    case CErroDeFormato::Tipo::EsquemaIncorreto:
        return "%1 contains an incorrect schema.";
    case CErroDeFormato::Tipo::FormatoInvalido:
        break;
    }
    return "%1 has a bad format.";
}

CArquivoDanificado ErroDoArquivo(const CErroDeFormato& erro, const fs::path& caminho)
{
    std::string mensagem = MensagemDoFormato(erro.TipoDoErro());
    std::error_code falha;
    const fs::path completo = fs::absolute(caminho, falha);
    mensagem.replace(mensagem.find("%1"), 2, (falha ? caminho : completo).string());
    return CArquivoDanificado(mensagem);
}

void LerRegistros(CLeitorDeArquivo& ar, CListaDeResultados& lidos)
{
    const uint32_t quantidade = ar.LerContagem();
    for (uint32_t i = 0; i < quantidade; ++i) {
        ar.LerObjeto<CResultadoVarenta>({.aceitar_nulo = false, .aceitar_referencia = false});
        // O leitor entrega o registro recém-criado (os placares já são dele) e fica vazio.
        for (auto& objeto : ar.TomarObjetos())
            lidos.emplace_back(static_cast<CResultadoVarenta*>(objeto.release()));
    }
}

} // namespace

bool LerArquivoDeResultados(const fs::path& caminho, CListaDeResultados& lista)
{
    std::ifstream entrada(caminho, std::ios::binary);
    std::error_code falha;
    const uintmax_t tamanho = fs::file_size(caminho, falha);
    if (!entrada || falha)
        return false;
    try {
        LerResultadosDoFluxo(entrada, tamanho, lista);
    } catch (const CErroDeFormato& erro) {
        throw ErroDoArquivo(erro, caminho);
    }
    return true;
}

void LerResultadosDoFluxo(std::istream& entrada, uint64_t tamanho, CListaDeResultados& lista)
{
    CListaDeResultados lidos;
    CLeitorDeArquivo ar(entrada, tamanho);
    LerRegistros(ar, lidos);
    for (auto& registro : lidos)
        lista.push_back(std::move(registro));
}

bool GravarArquivoDeResultados(const fs::path& caminho, const CListaDeResultados& lista)
{
    return static_cast<bool>(GravarComSeguranca(caminho, [&](std::ostream& saida) {
        CEscritorDeArquivo ar(saida);
        ar.EscreverContagem(static_cast<uint32_t>(lista.size()));
        for (const auto& registro : lista)
            ar.EscreverObjeto(registro.get());
        ar.Finalizar();
    }));
}
