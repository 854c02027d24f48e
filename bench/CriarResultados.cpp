// Grava um arquivo de resultados com os concursos 1 a N, para medir o serviço de
// resultados. Uso: criar_resultados SAIDA.dat [N=1000]
#include "results/ArquivoDeResultados.h"
#include "results/DataDoResultado.h"
#include "results/ValoresDoResultado.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Uso: criar_resultados SAIDA.dat [N=1000]\n");
        return 2;
    }
    const long quantos = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000;
    if (quantos < 1 || quantos > 99999) {
        std::fprintf(stderr, "N de 1 a 99999\n");
        return 2;
    }
    try {
        CListaDeResultados lista;
        for (int concurso = 1; concurso <= quantos; ++concurso) {
            SValoresDoResultado valores;
            valores.concurso = concurso;
            valores.data = DataDoCalendario({2004 + concurso / 52 % 20, 1 + concurso % 12, 1 + concurso % 28, 0, 0, 0});
            valores.ganhadores = {concurso % 900, concurso % 40, concurso % 2};
            valores.rateios = {12.5, 1000.25, 85000.5};
            valores.colunas = {concurso % 5, (concurso + 1) % 5, 2, 3, 4, 0, 1, concurso % 5, 4, 4};
            lista.push_back(NovoResultado(valores));
        }
        if (!GravarArquivoDeResultados(argv[1], lista)) {
            std::fprintf(stderr, "Erro ao Salvar Arquivo: %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& erro) {
        std::fprintf(stderr, "%s\n", erro.what());
        return 1;
    }
    return 0;
}
