#include "tests/cli/ExecucaoDoCli.h"

#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string LerTudo(int fd)
{
    std::string texto;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        texto.append(buffer, static_cast<size_t>(n));
    close(fd);
    return texto;
}
}

SExecucao ExecutarCli(const std::vector<std::string>& argumentos)
{
    // Saída e erros em arquivos temporários: evita o bloqueio de dois pipes cheios.
    FILE* saida = std::tmpfile();
    FILE* erros = std::tmpfile();
    if (saida == nullptr || erros == nullptr)
        throw std::runtime_error("tmpfile falhou");

    const std::string programa = std::string(QUINARO_BIN) + "/quinaro-cli";
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programa.c_str()));
    for (const std::string& a : argumentos)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const pid_t filho = fork();
    if (filho == 0) {
        dup2(fileno(saida), STDOUT_FILENO);
        dup2(fileno(erros), STDERR_FILENO);
        const int nulo = open("/dev/null", O_RDONLY);
        dup2(nulo, STDIN_FILENO);
        execv(programa.c_str(), argv.data());
        _exit(127);
    }
    int estado = 0;
    waitpid(filho, &estado, 0);

    SExecucao execucao;
    execucao.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    for (auto [arquivo, destino] : {std::pair{saida, &execucao.saida}, std::pair{erros, &execucao.erros}}) {
        std::rewind(arquivo);
        *destino = LerTudo(dup(fileno(arquivo)));
        std::fclose(arquivo);
    }
    return execucao;
}
