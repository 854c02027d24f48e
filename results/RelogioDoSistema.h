#pragma once

#include "Relogio.h"

// A hora local do sistema, ao segundo.
class CRelogioDoSistema : public IRelogio {
public:
    SDiaEHora Agora() const override;
};
