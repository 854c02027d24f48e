#pragma once

#include "core/ErroDoUsuario.h"

// O serviço respondeu, mas o último concurso informado não é um número de 1 a 99999.
class CErroDoServico : public CErroDoUsuario {
public:
    using CErroDoUsuario::CErroDoUsuario;
};
