#include "ResultadosDoUsuario.h"

#include "ArquivoDeResultados.h"
#include "CaminhoDeDados.h"
#include "ErroDoUsuario.h"

CListaDeResultados LerResultadosDoUsuario(const IPastas& pastas)
{
    const auto caminho = CaminhoDeDados(pastas, kArquivoDeResultados);
    CListaDeResultados resultados;
    if (!LerArquivoDeResultados(caminho, resultados))
        throw CErroDoUsuario("Erro ao Abrir Arquivo: " + caminho.string());
    return resultados;
}

size_t PosicaoDoConcurso(const CListaDeResultados& resultados, int concurso)
{
    for (size_t i = 0; i < resultados.size(); ++i)
        if (resultados[i]->m_concurso == concurso)
            return i;
    throw CErroDoUsuario("Concurso " + std::to_string(concurso) + " não está no arquivo de resultados.");
}
