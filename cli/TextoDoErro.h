#pragma once

#include <exception>
#include <string>

// A linha que o terminal mostra para uma falha: a mensagem do programa e, quando o erro
// é de um arquivo que não abre, o caminho dele.
std::string TextoDoErro(const std::exception& erro);
