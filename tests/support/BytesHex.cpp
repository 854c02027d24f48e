#include "tests/support/BytesHex.h"

#include "tests/support/PastaTemporaria.h"

#include <cctype>
#include <stdexcept>

namespace {
int ValorDoDigito(char c)
{
    if (!std::isxdigit(static_cast<unsigned char>(c)))
        throw std::runtime_error(std::string("dígito hexadecimal inválido: ") + c);
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
}
}

std::string BytesDoHex(const std::string& descricao)
{
    std::string bytes;
    int meio = -1; // primeiro dígito de um par ainda incompleto
    for (size_t i = 0; i < descricao.size(); ++i) {
        const char c = descricao[i];
        if (c == '#') {
            i = descricao.find('\n', i);
            if (i == std::string::npos)
                break;
        } else if (c == '"') {
            const size_t fim = descricao.find('"', i + 1);
            if (fim == std::string::npos || meio >= 0)
                throw std::runtime_error("texto entre aspas malformado");
            bytes += descricao.substr(i + 1, fim - i - 1);
            i = fim;
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            const int valor = ValorDoDigito(c);
            if (meio < 0) {
                meio = valor;
            } else {
                bytes += static_cast<char>(meio * 16 + valor);
                meio = -1;
            }
        }
    }
    if (meio >= 0)
        throw std::runtime_error("número ímpar de dígitos hexadecimais");
    return bytes;
}

std::string FixtureHex(const std::string& relativo)
{
    return BytesDoHex(LerBytes(Fixture(relativo)));
}
