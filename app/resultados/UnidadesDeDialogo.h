#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Os diálogos de cadastro foram desenhados em unidades de diálogo: 4 por largura média
// de caractere e 8 por altura da fonte. Medidas com a fonte do widget, as posições
// acompanham o tamanho dos textos como no desenho original.
class CUnidadesDeDialogo {
public:
    explicit CUnidadesDeDialogo(const QWidget& widget);

    QRect Retangulo(int x, int y, int largura, int altura) const;
    QPoint Ponto(int x, int y) const;

private:
    double m_largura_media;
    double m_altura;
};
