#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

// Grava um arquivo inteiro sem nunca deixar o anterior danificado: o conteúdo vai para
// um temporário na mesma pasta, que só substitui o destino (troca atômica de nome)
// depois de completo, levado ao disco e fechado; a pasta vai ao disco depois da troca,
// e a gravação sobrevive a uma queda de energia. Falso em qualquer falha; antes da troca
// o temporário é apagado e o arquivo que existia fica como estava. Exceções lançadas por
// escrever contam como falha.
bool GravarComSeguranca(const std::filesystem::path& destino,
                        const std::function<void(std::ostream& saida)>& escrever);

// Leva ao disco um arquivo já fechado que outro meio gravou, ou uma pasta (os nomes
// trocados nela). Falso se não abre ou se o sistema não confirma a gravação.
bool LevarAoDisco(const std::filesystem::path& caminho);
