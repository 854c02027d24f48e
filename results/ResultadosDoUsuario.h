#pragma once

#include "results/ResultadoVarenta.h"

#include <filesystem>

class IPastas;

// O arquivo de resultados do usuário ("resultados\Varenta.dat" na pasta de dados) para
// quem só o lê: a conferência, a análise, os relatórios, a escolha do concurso e o
// quinaro-cli. Não abre: CErroAoAbrirArquivo ("Erro ao Abrir Arquivo", com o caminho);
// danificado: CArquivoDanificado com a mensagem do formato e o caminho completo.
CListaDeResultados LerResultadosDoUsuario(const IPastas& pastas);
// O mesmo, com o caminho já resolvido por quem chama.
CListaDeResultados LerResultadosDoUsuario(const std::filesystem::path& caminho);
