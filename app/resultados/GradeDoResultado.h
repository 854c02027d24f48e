#pragma once

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QRadioButton;

// Grupo "Resultado": dez linhas de cinco botões de opção (time 1 e time 2 de cada jogo,
// rótulos "01" a "05" e "Time 1", "Time 2"), uma escolha por linha, nas colunas "0", "1",
// "2", "3" e "+", com o nome de cada coluna acima dela.
class CGradeDoResultado : public QGroupBox {
    Q_OBJECT
public:
    explicit CGradeDoResultado(QWidget* pai = nullptr);

    // Coluna escolhida de cada linha: 2m é o time 1 do jogo m, 2m + 1 o time 2.
    std::array<int, 10> Colunas() const;
    void DefinirColunas(const std::array<int, 10>& colunas);
    QRadioButton* Botao(int linha, int coluna) const { return m_botoes[linha][coluna]; }

private:
    std::array<std::array<QRadioButton*, 5>, 10> m_botoes{};
    std::array<QButtonGroup*, 10> m_linhas{};
};
