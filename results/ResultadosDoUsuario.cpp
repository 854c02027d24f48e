#include "results/ResultadosDoUsuario.h"

#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "core/ErroAoAbrirArquivo.h"

CListaDeResultados LerResultadosDoUsuario(const IPastas& pastas)
{
    return LerResultadosDoUsuario(CaminhoDeDados(pastas, kArquivoDeResultados));
}

CListaDeResultados LerResultadosDoUsuario(const std::filesystem::path& caminho)
{
    CListaDeResultados resultados;
    if (!LerArquivoDeResultados(caminho, resultados))
        throw CErroAoAbrirArquivo(kErroAoAbrirArquivo, caminho);
    return resultados;
}
