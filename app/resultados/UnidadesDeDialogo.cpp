#include "app/resultados/UnidadesDeDialogo.h"

#include <QFontMetricsF>
#include <QWidget>

#include <cmath>

CUnidadesDeDialogo::CUnidadesDeDialogo(const QWidget& widget)
{
    // Largura média das 52 letras, como o sistema mede a fonte de um diálogo.
    const QFontMetricsF medidas(widget.font());
    m_largura_media =
        medidas.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) / 52.0;
    m_altura = medidas.height();
}

QRect CUnidadesDeDialogo::Retangulo(int x, int y, int largura, int altura) const
{
    const QPoint canto = Ponto(x, y);
    return QRect(canto, Ponto(x + largura, y + altura) - QPoint(1, 1));
}

QPoint CUnidadesDeDialogo::Ponto(int x, int y) const
{
    return QPoint(int(std::lround(x * m_largura_media / 4)), int(std::lround(y * m_altura / 8)));
}
