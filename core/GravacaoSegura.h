#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

// Grava um arquivo inteiro sem nunca deixar o anterior danificado: o conteúdo vai para
// um temporário na mesma pasta, que só substitui o destino (troca atômica de nome)
// depois de completo e fechado. Falso em qualquer falha; nesse caso o temporário é
// apagado e o arquivo que existia fica como estava. Exceções lançadas por escrever
// contam como falha.
bool GravarComSeguranca(const std::filesystem::path& destino,
                        const std::function<void(std::ostream& saida)>& escrever);
