#include "printing/PintorDaPagina.h"

#include "printing/GeometriaDaPagina.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCentesimosPorPolegada = 2540.0;
// Linhas de recorte: 0,1 mm de espessura, traço de 2 mm e intervalo de 1 mm (em larguras
// da caneta). A caneta cosmética desenharia o tracejado em pixels de cada dispositivo e
// mudaria de tamanho entre a visualização e o papel.
constexpr double kEspessura = 10;  // 0,01 mm
constexpr double kTraco = 20;
constexpr double kIntervalo = 10;

QColor Cor(uint32_t rgb)
{
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

class CEscala {
public:
    explicit CEscala(const QPaintDevice& dispositivo)
        : m_x(dispositivo.logicalDpiX() / kCentesimosPorPolegada),
          m_y(dispositivo.logicalDpiY() / kCentesimosPorPolegada) {}

    QPointF Ponto(const SPonto& p) const
    {
        return {static_cast<double>(p.x) * m_x, -static_cast<double>(p.y) * m_y};
    }
    double X(double centesimos) const { return centesimos * m_x; }
    double Y(double centesimos) const { return centesimos * m_y; }

private:
    double m_x;
    double m_y;
};

void PintarCaixas(QPainter& pintor, const CEscala& escala, const SPaginaImpressa& pagina)
{
    pintor.setPen(QPen(Qt::black, 0));
    pintor.setBrush(Qt::black);
    for (const SCaixa& caixa : pagina.caixas)
        pintor.drawRect(QRectF(escala.Ponto(caixa.canto1), escala.Ponto(caixa.canto2)).normalized());
}

void PintarTextos(QPainter& pintor, const CEscala& escala, const SPaginaImpressa& pagina)
{
    for (const STexto& texto : pagina.textos) {
        QFont fonte(QString::fromStdString(texto.fonte));
        fonte.setPixelSize(std::max(1, static_cast<int>(std::lround(escala.Y(texto.altura)))));
        fonte.setWeight(texto.peso >= 700 ? QFont::Bold : QFont::Normal);
        pintor.setFont(fonte);
        pintor.setPen(Cor(texto.rgb));
        const QFontMetricsF medidas(fonte, pintor.device());
        const QPointF canto = escala.Ponto(texto.canto);
        pintor.drawText(QPointF(canto.x(), canto.y() + medidas.ascent()), QString::fromStdString(texto.texto));
    }
}

void PintarLinhas(QPainter& pintor, const CEscala& escala, const SPaginaImpressa& pagina)
{
    for (const SLinha& linha : pagina.linhas) {
        QPen caneta(Cor(linha.rgb), escala.X(kEspessura), Qt::CustomDashLine, Qt::FlatCap);
        caneta.setDashPattern({kTraco, kIntervalo});
        pintor.setPen(caneta);
        pintor.drawLine(escala.Ponto(linha.de), escala.Ponto(linha.ate));
    }
}

}  // namespace

void PintarPagina(QPainter& pintor, const SPaginaImpressa& pagina)
{
    if (pintor.device() == nullptr)
        return;
    const CEscala escala(*pintor.device());
    pintor.save();
    PintarCaixas(pintor, escala, pagina);
    PintarTextos(pintor, escala, pagina);
    PintarLinhas(pintor, escala, pagina);
    pintor.restore();
}
