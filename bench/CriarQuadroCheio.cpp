// Grava um arquivo de apostas com os 125 placares como favoritos e sem chaves: o quadro
// que gera todos os 9.765.625 cartões. Uso: criar_quadro_cheio SAIDA.vrt
#include "document/ArquivoDeApostas.h"
#include "core/CartaoCheio.h"
#include "document/VarentaDoc.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Uso: criar_quadro_cheio SAIDA.vrt\n");
        return 2;
    }
    try {
        CVarentaDoc documento;
        documento.OnNewDocument();
        for (auto& jogo : documento.m_celulas)
            jogo.fill(kFavorito);
        GravarArquivoDeApostas(documento, argv[1]);
    } catch (const std::exception& erro) {
        std::fprintf(stderr, "%s\n", erro.what());
        return 1;
    }
    return 0;
}
