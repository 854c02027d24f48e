#pragma once

#include <string>
#include <vector>

// Roda o quinaro-cli compilado com os argumentos dados (e o ambiente já isolado do teste).
struct SExecucao {
    int codigo = -1;
    std::string saida;
    std::string erros;
};

SExecucao ExecutarCli(const std::vector<std::string>& argumentos);
