#include "app/controles/ScoreButton.h"

#include "core/CartaoCheio.h"

#include <QPainter>
#include <QPainterPath>

namespace {
void DesenharVisto(QPainter& pintor, const QRect& caixa, const QColor& cor)
{
    QPainterPath visto;
    visto.moveTo(caixa.left() + 3, caixa.top() + 6);
    visto.lineTo(caixa.left() + 5, caixa.top() + 9);
    visto.lineTo(caixa.left() + 10, caixa.top() + 3);
    pintor.setPen(QPen(cor, 2));
    pintor.drawPath(visto);
}

// Palavra do estado para o leitor de tela.
QString PalavraDoEstado(int estado)
{
    switch (estado) {
    case kFavorito:
        return QStringLiteral("favorito");
    case kRemovido:
        return QStringLiteral("removido");
    default:
        return QStringLiteral("alternativa");
    }
}
}  // namespace

CScoreButton::CScoreButton(QWidget* pai) : QAbstractButton(pai)
{
    connect(this, &QAbstractButton::clicked, this, &CScoreButton::estadoMudou);
}

void CScoreButton::DefinirEstado(int estado)
{
    m_estado = estado;
    AtualizarNomeAcessivel();
    update();
}

void CScoreButton::DefinirDescricao(const QString& descricao)
{
    m_descricao = descricao;
    AtualizarNomeAcessivel();
}

// O estado vai no nome: a troca do nome é anunciada ao leitor de tela.
void CScoreButton::AtualizarNomeAcessivel()
{
    if (m_descricao.isEmpty())
        return;
    const QString nome = m_descricao + QStringLiteral(", ") + PalavraDoEstado(m_estado);
    if (nome != accessibleName())
        setAccessibleName(nome);
}

// Vazia -> marcada -> acinzentada -> vazia; o sinal clicked vem em seguida.
void CScoreButton::nextCheckState()
{
    DefinirEstado((m_estado + 1) % 3);
}

bool CScoreButton::hitButton(const QPoint& ponto) const
{
    return rect().contains(ponto);
}

void CScoreButton::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    const QRect caixa(0, (height() - kLado) / 2, kLado, kLado);
    const bool acinzentada = m_estado == 2;
    pintor.fillRect(caixa, acinzentada ? QColor(192, 192, 192) : (isDown() ? QColor(220, 220, 220) : Qt::white));
    pintor.setPen(QColor(64, 64, 64));
    pintor.drawRect(caixa.adjusted(0, 0, -1, -1));
    if (m_estado != 0) {
        pintor.setRenderHint(QPainter::Antialiasing);
        DesenharVisto(pintor, caixa, acinzentada ? QColor(128, 128, 128) : Qt::black);
        pintor.setRenderHint(QPainter::Antialiasing, false);
    }
    // Quem anda pelo quadro com o teclado precisa ver onde está: moldura grossa na cor
    // de destaque, por cima da borda da caixa.
    if (hasFocus()) {
        pintor.setPen(QPen(palette().color(QPalette::Highlight), 2));
        pintor.drawRect(caixa.adjusted(1, 1, -1, -1));
    }
}
