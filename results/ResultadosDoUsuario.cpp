#include "ResultadosDoUsuario.h"

#include "ArquivoDeResultados.h"
#include "CaminhoDeDados.h"
#include "ErroAoAbrirArquivo.h"

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
