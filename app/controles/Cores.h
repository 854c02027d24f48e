#pragma once

#include <QColor>

#include <cstdint>

// Cor guardada como r | g << 8 | b << 16 (a forma das cores gravadas e das linhas da
// conferência).
inline QColor CorDoRgb(uint32_t rgb)
{
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}
