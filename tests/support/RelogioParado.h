#pragma once

#include "results/Relogio.h"

// Relógio de teste: o momento que o teste escolheu, sempre o mesmo.
class CRelogioParado : public IRelogio {
public:
    explicit CRelogioParado(const SDiaEHora& momento = {2011, 7, 9, 14, 35, 20}) : m_momento(momento) {}
    SDiaEHora Agora() const override { return m_momento; }

    SDiaEHora m_momento;
};
