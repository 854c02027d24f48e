#pragma once

#include "core/ErroDoUsuario.h"

#include <string>

// O arquivo abriu, mas o conteúdo não está no formato (cortado, classe errada, valor
// fora do permitido). A mensagem já é a que o usuário vê.
class CArquivoDanificado : public CErroDoUsuario {
public:
    explicit CArquivoDanificado(const std::string& mensagem) : CErroDoUsuario(mensagem) {}
};
