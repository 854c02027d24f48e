#pragma once

#include <string>
#include <string_view>

// Texto vindo de um arquivo de apostas vai para a página como texto, nunca como marcação:
// um arquivo recebido de outra pessoa não pode pôr script na página aberta no navegador.

// Troca &, < e > pelas entidades; aspas ficam.
std::string EscaparHtml(std::string_view texto);

// O resumo das chaves: só as quebras "<br>" continuam marcação, o resto é escapado.
std::string ResumoEmHtml(std::string_view resumo);
