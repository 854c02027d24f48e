// Roda um comando e mostra o tempo de relógio, o de CPU (usuário + sistema) e o pico de
// memória residente dele.
// Uso: medir_execucao ROTULO PROGRAMA [argumentos...]
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "Uso: medir_execucao ROTULO PROGRAMA [argumentos...]\n");
        return 2;
    }
    const auto inicio = std::chrono::steady_clock::now();
    const pid_t filho = fork();
    if (filho == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int estado = 0;
    rusage uso{};
    wait4(filho, &estado, 0, &uso);
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    const int codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128;
    const double cpu = static_cast<double>(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
                       static_cast<double>(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
    std::printf("%-40s %8.3f s  CPU %7.3f s  %8.1f MB  (saída %d)\n", argv[1], segundos, cpu, uso.ru_maxrss / 1024.0,
                codigo);
    return codigo;
}
