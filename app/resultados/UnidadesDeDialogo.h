#pragma once

#include <QRect>

// Os diálogos de cadastro foram desenhados em unidades de diálogo de uma fonte de
// 8 pontos (4 unidades por largura média de caractere, 8 por altura): 6 x 13 pixels.
inline QRect RetanguloEmUnidades(int x, int y, int largura, int altura)
{
    return QRect(x * 3 / 2, y * 13 / 8, largura * 3 / 2, altura * 13 / 8);
}
