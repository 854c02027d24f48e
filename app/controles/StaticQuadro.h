#pragma once

#include <QWidget>

// Painel de um jogo no quadro de apostas (255 x 73): rótulos das linhas, número do jogo
// e o placar de cada uma das 25 células ao lado da caixa. As células (CScoreButton)
// são filhas do painel, nos retângulos de RetanguloDaCelula.
class CStaticQuadro : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLargura = 255;
    static constexpr int kAltura = 73;

    CStaticQuadro(int jogo, QWidget* pai = nullptr);

    int Jogo() const { return m_jogo; }
    // Caixa da célula k = 5 linha + coluna, em coordenadas do painel.
    static QRect RetanguloDaCelula(int k);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void DesenharLinhas(QPainter& pintor) const;
    void DesenharPlacares(QPainter& pintor) const;
    void DesenharNumeroDoJogo(QPainter& pintor) const;

    int m_jogo;
};
