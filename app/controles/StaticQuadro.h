#pragma once

#include <QWidget>

#include <array>

class CScoreButton;

// Painel de um jogo no quadro de apostas (255 x 73): rótulos das linhas, número do jogo
// e o placar de cada uma das 25 células ao lado da caixa. As células (CScoreButton)
// são filhas do painel, nos retângulos de RetanguloDaCelula. Para o teclado o painel é
// uma parada só do Tab: as setas andam entre as células.
class CStaticQuadro : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLargura = 255;
    static constexpr int kAltura = 73;

    CStaticQuadro(int jogo, QWidget* pai = nullptr);

    int Jogo() const { return m_jogo; }
    // Caixa da célula k = 5 linha + coluna, em coordenadas do painel.
    static QRect RetanguloDaCelula(int k);
    // Põe a célula k no lugar dela, com o nome que o leitor de tela lê.
    void AdicionarCelula(int k, CScoreButton* celula);
    CScoreButton* Celula(int k) const { return m_celulas[static_cast<size_t>(k)]; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // A célula que recebe o Tab é a última que teve o foco.
    void FazerParadaDoTab(int k);
    // A vizinha na direção da seta; a própria célula na borda do quadro.
    static int CelulaNaDirecao(int k, int tecla);

    void DesenharLinhas(QPainter& pintor) const;
    void DesenharPlacares(QPainter& pintor) const;
    void DesenharNumeroDoJogo(QPainter& pintor) const;

    int m_jogo;
    std::array<CScoreButton*, 25> m_celulas{};
};
