#pragma once

#include "results/Relogio.h"

// A hora local do sistema, ao segundo.
class CRelogioDoSistema : public IRelogio {
public:
    SDiaEHora Agora() const override;
};
