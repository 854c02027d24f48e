#pragma once

#include "results/DataDoResultado.h"

// De onde vem o "agora" (dia e hora locais) de quem grava um resultado sem data dada;
// os testes põem um relógio parado no lugar do sistema.
class IRelogio {
public:
    virtual ~IRelogio() = default;
    virtual SDiaEHora Agora() const = 0;
};
