#include "app/controles/ImagemDoVolante.h"

#include "app/controles/StaticCartaoVarenta.h"

#include <QPainter>

namespace {
const QColor kFundo(255, 250, 236);
const QColor kCorDoVolante(205, 70, 40);
const QColor kTexto(60, 30, 20);
constexpr int kLargura = CStaticCartaoVarenta::kLargura;
constexpr int kAltura = CStaticCartaoVarenta::kAltura;
constexpr int kEsquerdaDasCaixas = 146;
constexpr int kDireitaDasCaixas = 146 + 21 * 4 + 15;

QFont Fonte(int pixels, bool negrito)
{
    QFont fonte;
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

// Caixa vazia com a sua legenda por dentro, no mesmo retângulo em que a marca é pintada.
void DesenharCaixa(QPainter& pintor, const QRect& caixa, const QString& legenda)
{
    pintor.fillRect(caixa, Qt::white);
    pintor.setPen(kCorDoVolante);
    pintor.drawRect(caixa.adjusted(0, 0, -1, -1));
    pintor.drawText(caixa, Qt::AlignCenter, legenda);
}

void DesenharCabecalho(QPainter& pintor)
{
    const QRect faixa(6, 6, kLargura - 12, 44);
    pintor.fillRect(faixa, kCorDoVolante);
    pintor.setPen(Qt::white);
    pintor.setFont(Fonte(24, true));
    pintor.drawText(faixa, Qt::AlignCenter, QStringLiteral("VARENTA"));

    const int topo = CStaticCartaoVarenta::RetanguloDaMarca(0, 0, 1).top() - 26;
    pintor.setFont(Fonte(11, true));
    pintor.setPen(kCorDoVolante);
    pintor.drawText(QRect(8, topo, 50, 18), Qt::AlignCenter, QStringLiteral("JOGO"));
    pintor.drawText(QRect(kEsquerdaDasCaixas, topo, kDireitaDasCaixas - kEsquerdaDasCaixas, 18), Qt::AlignCenter,
                    QStringLiteral("PLACAR"));
    pintor.drawLine(8, topo + 20, kLargura - 8, topo + 20);
}

void DesenharJogo(QPainter& pintor, int jogo)
{
    static const QString kLegendas[5] = {"0", "1", "2", "3", "+"};
    const QRect time1 = CStaticCartaoVarenta::RetanguloDaMarca(jogo, 0, 1);
    const QRect time2 = CStaticCartaoVarenta::RetanguloDaMarca(jogo, 0, 2);

    pintor.setPen(kCorDoVolante);
    pintor.setBrush(Qt::NoBrush);
    const QRect numero(14, time1.top(), 38, time2.bottom() - time1.top() + 1);
    pintor.drawRoundedRect(numero, 4, 4);
    pintor.setFont(Fonte(16, true));
    pintor.drawText(numero, Qt::AlignCenter, QString::asprintf("%02d", jogo + 1));

    pintor.setFont(Fonte(9, true));
    pintor.setPen(kTexto);
    pintor.drawText(QRect(70, time1.top() - 2, 70, time1.height() + 4), Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("TIME 1"));
    pintor.drawText(QRect(70, time2.top() - 2, 70, time2.height() + 4), Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("TIME 2"));

    pintor.setFont(Fonte(8, false));
    for (int coluna = 0; coluna < 5; ++coluna) {
        DesenharCaixa(pintor, CStaticCartaoVarenta::RetanguloDaMarca(jogo, coluna, 1), kLegendas[coluna]);
        DesenharCaixa(pintor, CStaticCartaoVarenta::RetanguloDaMarca(jogo, coluna, 2), kLegendas[coluna]);
    }

    pintor.setPen(QColor(230, 190, 170));
    const int separador = time2.bottom() + 5;
    pintor.drawLine(8, separador, kLargura - 8, separador);
}

void DesenharValorDaAposta(QPainter& pintor)
{
    const int topo = CStaticCartaoVarenta::RetanguloDaMarca(4, 0, 2).bottom() + 9;
    pintor.setPen(kTexto);
    pintor.setFont(Fonte(9, true));
    pintor.drawText(QRect(8, topo - 2, 118, 14), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("Valor da aposta em R$:"));
    static const QString kValores[3] = {"0,50", "1,00", "2,00"};
    pintor.setFont(Fonte(9, false));
    for (int i = 0; i < 3; ++i) {
        const QRect caixa(128 + 47 * i, topo, 15, 10);
        DesenharCaixa(pintor, caixa, QString());
        pintor.setPen(kTexto);
        pintor.drawText(QRect(caixa.right() + 3, topo - 2, 28, 14), Qt::AlignLeft | Qt::AlignVCenter, kValores[i]);
    }
}

QImage DesenharVolante()
{
    QImage imagem(kLargura, kAltura, QImage::Format_RGB32);
    imagem.fill(kFundo);
    QPainter pintor(&imagem);
    pintor.setPen(kCorDoVolante);
    pintor.drawRect(0, 0, kLargura - 1, kAltura - 1);
    DesenharCabecalho(pintor);
    for (int jogo = 0; jogo < 5; ++jogo)
        DesenharJogo(pintor, jogo);
    DesenharValorDaAposta(pintor);
    return imagem;
}
}  // namespace

const QImage& ImagemDoVolante()
{
    static const QImage imagem = DesenharVolante();
    return imagem;
}
