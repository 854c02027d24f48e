#include "app/controles/StaticQuadro.h"

#include "app/controles/ScoreButton.h"
#include "core/CartaoCheio.h"
#include "reports/ConvencoesDosRelatorios.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kLadoDaCelula = 13;
constexpr int kPrimeiraColuna = 49;
constexpr int kPassoDaColuna = 36;
constexpr int kPrimeiraLinha = 2;
constexpr int kPassoDaLinha = 14;
constexpr int kLarguraDoRotulo = 46;

// Faixas de linhas do painel: vitórias do time 1, empates, vitórias do time 2.
struct SFaixa {
    int primeira_linha;
    int qtde_de_linhas;
    const char* rotulo;
    QColor fundo;
};
const SFaixa kFaixas[] = {
    {0, 2, "TIME 1", QColor(200, 225, 255)},
    {2, 1, "EMPATE", QColor(255, 245, 190)},
    {3, 2, "TIME 2", QColor(205, 240, 205)},
};

QRect RetanguloDaFaixa(const SFaixa& faixa)
{
    const int topo = kPrimeiraLinha + kPassoDaLinha * faixa.primeira_linha - 1;
    return {0, topo, CStaticQuadro::kLargura, kPassoDaLinha * faixa.qtde_de_linhas};
}

QFont FontePequena(const QFont& base, int pixels, bool negrito = false)
{
    QFont fonte(base);
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}
}  // namespace

CStaticQuadro::CStaticQuadro(int jogo, QWidget* pai) : QWidget(pai), m_jogo(jogo)
{
    setFixedSize(kLargura, kAltura);
    setAccessibleName(QStringLiteral("Jogo %1").arg(jogo + 1));
}

void CStaticQuadro::AdicionarCelula(int k, CScoreButton* celula)
{
    m_celulas[static_cast<size_t>(k)] = celula;
    celula->setGeometry(RetanguloDaCelula(k));
    celula->DefinirDescricao(QStringLiteral("Jogo %1, %2")
                                 .arg(m_jogo + 1)
                                 .arg(QString::fromStdString(TextoDoPlacar(*CCartaoCheio::Instancia().Celula(m_jogo, k)))));
    celula->setFocusPolicy(k == 0 ? Qt::StrongFocus : Qt::ClickFocus);
    celula->installEventFilter(this);
}

void CStaticQuadro::FazerParadaDoTab(int k)
{
    for (int i = 0; i < 25; ++i)
        if (m_celulas[static_cast<size_t>(i)] != nullptr)
            m_celulas[static_cast<size_t>(i)]->setFocusPolicy(i == k ? Qt::StrongFocus : Qt::ClickFocus);
}

int CStaticQuadro::CelulaNaDirecao(int k, int tecla)
{
    const int linha = k / 5;
    const int coluna = k % 5;
    switch (tecla) {
    case Qt::Key_Left:
        return coluna > 0 ? k - 1 : k;
    case Qt::Key_Right:
        return coluna < 4 ? k + 1 : k;
    case Qt::Key_Up:
        return linha > 0 ? k - 5 : k;
    case Qt::Key_Down:
        return linha < 4 ? k + 5 : k;
    default:
        return k;
    }
}

bool CStaticQuadro::eventFilter(QObject* objeto, QEvent* evento)
{
    const auto celula = std::find(m_celulas.begin(), m_celulas.end(), objeto);
    if (celula == m_celulas.end())
        return QWidget::eventFilter(objeto, evento);
    const int k = static_cast<int>(celula - m_celulas.begin());
    if (evento->type() == QEvent::FocusIn)
        FazerParadaDoTab(k);
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Left && tecla != Qt::Key_Right && tecla != Qt::Key_Up && tecla != Qt::Key_Down)
        return false;
    // As setas não saem do quadro: sair é com o Tab.
    m_celulas[static_cast<size_t>(CelulaNaDirecao(k, tecla))]->setFocus(Qt::OtherFocusReason);
    return true;
}

QRect CStaticQuadro::RetanguloDaCelula(int k)
{
    const int linha = k / 5;
    const int coluna = k % 5;
    return {kPrimeiraColuna + kPassoDaColuna * coluna, kPrimeiraLinha + kPassoDaLinha * linha, kLadoDaCelula,
            kLadoDaCelula};
}

void CStaticQuadro::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), QColor(245, 245, 240));
    DesenharLinhas(pintor);
    DesenharPlacares(pintor);
    DesenharNumeroDoJogo(pintor);
    pintor.setPen(QColor(90, 90, 90));
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CStaticQuadro::DesenharLinhas(QPainter& pintor) const
{
    pintor.setFont(FontePequena(font(), 9, true));
    for (const SFaixa& faixa : kFaixas) {
        const QRect area = RetanguloDaFaixa(faixa);
        pintor.fillRect(area, faixa.fundo);
        pintor.setPen(QColor(150, 150, 150));
        pintor.drawLine(area.topLeft(), area.topRight());
        pintor.setPen(QColor(40, 40, 40));
        pintor.drawText(QRect(2, area.top(), kLarguraDoRotulo - 2, area.height()), Qt::AlignCenter,
                        QString::fromLatin1(faixa.rotulo));
    }
    pintor.setPen(QColor(150, 150, 150));
    pintor.drawLine(kLarguraDoRotulo, 0, kLarguraDoRotulo, kAltura);
}

void CStaticQuadro::DesenharPlacares(QPainter& pintor) const
{
    pintor.setFont(FontePequena(font(), 9));
    pintor.setPen(QColor(30, 30, 30));
    for (int k = 0; k < 25; ++k) {
        const QRect caixa = RetanguloDaCelula(k);
        const QString placar =
            QString::fromStdString(TextoDaColuna(kColunasDaCelula[k][0]) + "x" + TextoDaColuna(kColunasDaCelula[k][1]));
        const QRect area(caixa.right() + 2, caixa.top(), kPassoDaColuna - kLadoDaCelula - 2, caixa.height());
        pintor.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, placar);
    }
}

void CStaticQuadro::DesenharNumeroDoJogo(QPainter& pintor) const
{
    const QRect caixa = RetanguloDaCelula(4);
    const int esquerda = caixa.right() + kPassoDaColuna - kLadoDaCelula;
    const QRect area(esquerda, 1, kLargura - esquerda - 2, kPassoDaLinha * 2);
    pintor.fillRect(area, QColor(40, 70, 140));
    pintor.setPen(Qt::white);
    pintor.setFont(FontePequena(font(), 16, true));
    pintor.drawText(area, Qt::AlignCenter, QString::number(m_jogo + 1));
}
