#pragma once

#include <string>
#include <string_view>

// Conversão entre o texto interno (UTF-8) e os bytes Windows-1252 dos arquivos.
// Os cinco bytes sem caractere (81, 8D, 8F, 90, 9D) viram U+0081 etc., de modo que
// todo byte lido volta igual ao ser gravado.
std::string Cp1252ParaUtf8(std::string_view bytes);
// Caracteres sem representação (ou UTF-8 inválido) viram '?'.
std::string Utf8ParaCp1252(std::string_view texto);
