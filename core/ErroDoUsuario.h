#pragma once

#include <stdexcept>
#include <string>

// Falha com a mensagem que o usuário deve ver, como está.
class CErroDoUsuario : public std::runtime_error {
public:
    explicit CErroDoUsuario(const std::string& mensagem) : std::runtime_error(mensagem) {}
};
