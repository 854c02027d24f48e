#pragma once

#include "core/Score.h"

#include <array>
#include <cstddef>

// Colunas (time 1, time 2) de cada uma das 25 células de um jogo, na ordem do quadro.
inline constexpr int kColunasDaCelula[25][2] = {
    {4, 3}, {4, 2}, {4, 1}, {4, 0}, {3, 2},
    {3, 1}, {3, 0}, {2, 1}, {2, 0}, {1, 0},
    {4, 4}, {3, 3}, {2, 2}, {1, 1}, {0, 0},
    {1, 3}, {0, 3}, {1, 2}, {0, 2}, {0, 1},
    {3, 4}, {2, 4}, {1, 4}, {0, 4}, {2, 3},
};

// Estados de uma célula do quadro.
enum EstadoDaCelula : uint16_t {
    kAlternativa = 0,
    kFavorito = 1,
    kRemovido = 2,
};

// Tabela dos 125 placares possíveis (5 jogos x 25 células); única e imutável.
class CCartaoCheio {
public:
    static const CCartaoCheio& Instancia();

    const CScore* Celula(int jogo, int k) const { return &m_placares[static_cast<std::size_t>(25 * jogo + k)]; }
    const std::array<CScore, 125>& Celulas() const { return m_placares; }

private:
    CCartaoCheio();
    std::array<CScore, 125> m_placares;
};
