#pragma once

#include <QAbstractButton>
#include <QString>

// Célula do quadro de apostas: caixa de três estados (0 alternativa/vazia,
// 1 favorito/marcada, 2 removido/acinzentada). Cada clique, ou Espaço, avança o estado.
class CScoreButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kLado = 13;

    explicit CScoreButton(QWidget* pai = nullptr);

    int Estado() const { return m_estado; }
    // Só muda o que se vê (e o que o leitor de tela lê); não avisa ninguém.
    void DefinirEstado(int estado);
    // O que a célula representa ("Jogo 1, 2 x 0"); o nome acessível junta o estado.
    void DefinirDescricao(const QString& descricao);

    QSize sizeHint() const override { return {kLado, kLado}; }

signals:
    // Depois de um clique, com o novo estado já mostrado.
    void estadoMudou();

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* evento) override;
    bool hitButton(const QPoint& ponto) const override;

private:
    void AtualizarNomeAcessivel();

    int m_estado = 0;
    QString m_descricao;
};
