// Dois quinaro-cli de verdade regravando o mesmo arquivo de resultados ao mesmo tempo:
// a trava ao lado do arquivo faz um esperar o outro, e nenhuma inserção se perde.
#include "tests/cli/ExecucaoDoCli.h"

#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "platform/PastasDoSistema.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Um shell que insere os concursos de `primeiro` a `ultimo`, um quinaro-cli por concurso;
// sai com o número de inserções que falharam.
pid_t InserirEmOutroProcesso(int primeiro, int ultimo)
{
    const std::string programa = std::string(QUINARO_BIN) + "/quinaro-cli";
    const std::string roteiro =
        "falhas=0; i=" + std::to_string(primeiro) + "; while [ $i -le " + std::to_string(ultimo) + " ]; do "
        "\"$0\" resultados inserir --concurso $i --data 01/02/2010 --placares '1x0 2x2 +x1 0x0 3x+' "
        ">/dev/null || falhas=$((falhas+1)); i=$((i+1)); done; exit $falhas";
    const pid_t filho = ::fork();
    if (filho == 0) {
        ::execl("/bin/sh", "sh", "-c", roteiro.c_str(), programa.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return filho;
}

int CodigoDeSaida(pid_t filho)
{
    int estado = 0;
    ::waitpid(filho, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

TEST(EscritoresAoMesmoTempo, CemInsercoesDeDoisProcessosTodasFicam)
{
    const fs::path arquivo = CaminhoDeDados(CPastasDoSistema(), kArquivoDeResultados);
    fs::remove(arquivo);
    const pid_t primeiros = InserirEmOutroProcesso(1, 50);
    const pid_t ultimos = InserirEmOutroProcesso(51, 100);
    EXPECT_EQ(CodigoDeSaida(primeiros), 0);
    EXPECT_EQ(CodigoDeSaida(ultimos), 0);

    CListaDeResultados lista;
    ASSERT_TRUE(LerArquivoDeResultados(arquivo, lista));
    std::vector<int> concursos;
    for (const auto& resultado : lista)
        concursos.push_back(resultado->m_concurso);
    std::vector<int> esperados;
    for (int concurso = 1; concurso <= 100; ++concurso)
        esperados.push_back(concurso);
    EXPECT_EQ(concursos, esperados);
    EXPECT_EQ(ExecutarCli({"resultados", "listar"}).codigo, 0);
}

} // namespace
