#include "app/shell/Icones.h"

#include "app/shell/Comandos.h"

#include <QPainter>
#include <QPixmap>

namespace {
constexpr int kLado = 24;

QPixmap Tela()
{
    QPixmap imagem(kLado, kLado);
    imagem.fill(Qt::transparent);
    return imagem;
}

// Quadro de apostas: uma grade com algumas casas marcadas.
QIcon IconeDeApostas()
{
    QPixmap imagem = Tela();
    QPainter pintor(&imagem);
    pintor.fillRect(2, 2, 20, 20, QColor(255, 250, 235));
    pintor.setPen(QColor(120, 60, 20));
    for (int i = 0; i <= 4; ++i) {
        pintor.drawLine(2 + 5 * i, 2, 2 + 5 * i, 22);
        pintor.drawLine(2, 2 + 5 * i, 22, 2 + 5 * i);
    }
    pintor.fillRect(8, 3, 4, 4, QColor(50, 50, 50));
    pintor.fillRect(13, 13, 4, 4, QColor(50, 50, 50));
    pintor.fillRect(3, 18, 4, 4, QColor(50, 50, 50));
    return QIcon(imagem);
}

// Conferência: um volante com a marca de certo.
QIcon IconeDeConferencia()
{
    QPixmap imagem = Tela();
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(3, 2, 16, 20, Qt::white);
    pintor.setPen(QColor(80, 80, 80));
    pintor.drawRect(3, 2, 16, 20);
    pintor.setPen(QPen(QColor(0, 140, 0), 3));
    pintor.drawLine(7, 13, 11, 18);
    pintor.drawLine(11, 18, 21, 6);
    return QIcon(imagem);
}

// O programa: uma bola sobre o gramado.
QIcon IconeDoPrograma()
{
    QPixmap imagem = Tela();
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(0, 14, kLado, 10, QColor(40, 150, 60));
    pintor.setBrush(Qt::white);
    pintor.setPen(QColor(30, 30, 30));
    pintor.drawEllipse(5, 3, 14, 14);
    pintor.setBrush(QColor(30, 30, 30));
    pintor.drawEllipse(10, 8, 4, 4);
    return QIcon(imagem);
}
}  // namespace

QIcon IconeDoRecurso(int recurso)
{
    switch (recurso) {
    case Recurso::kTelaDeApostas:
        return IconeDeApostas();
    case Recurso::kTelaDeConferencia:
        return IconeDeConferencia();
    default:
        return IconeDoPrograma();
    }
}

QIcon IconeDeImpressao()
{
    QPixmap imagem = Tela();
    QPainter pintor(&imagem);
    pintor.setPen(QColor(60, 60, 60));
    pintor.setBrush(Qt::white);
    pintor.drawRect(7, 2, 10, 8);
    pintor.setBrush(QColor(170, 170, 170));
    pintor.drawRect(3, 9, 18, 9);
    pintor.setBrush(Qt::white);
    pintor.drawRect(7, 15, 10, 7);
    return QIcon(imagem);
}
