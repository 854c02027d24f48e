#pragma once

#include <QAbstractButton>

// Célula do quadro de apostas: caixa de três estados (0 alternativa/vazia,
// 1 favorito/marcada, 2 removido/acinzentada). Cada clique avança o estado.
class CScoreButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kLado = 13;

    explicit CScoreButton(QWidget* pai = nullptr);

    int Estado() const { return m_estado; }
    // Só muda o que se vê; não avisa ninguém.
    void DefinirEstado(int estado);

    QSize sizeHint() const override { return {kLado, kLado}; }

signals:
    // Depois de um clique, com o novo estado já mostrado.
    void estadoMudou();

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* evento) override;
    bool hitButton(const QPoint& ponto) const override;

private:
    int m_estado = 0;
};
