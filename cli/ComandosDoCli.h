#pragma once

#include "cli/ComandoResultados.h"

#include <ostream>
#include <string>
#include <vector>

// Cada comando recebe o que vem depois do seu nome e devolve o código de saída; falhas
// do usuário chegam como CErroDoUsuario (saída 1) e uso errado como CErroDeUso (saída 2).
int ComandoGerar(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoFiltrar(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoReduzir(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoListar(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoConferir(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoAnalisar(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoImprimir(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
int ComandoRelatorio(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
