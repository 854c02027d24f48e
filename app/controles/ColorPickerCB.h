#pragma once

#include <QComboBox>

#include <array>
#include <cstdint>

// Escolha de uma das 17 cores com nome; o índice de cada item é o da tabela, de modo
// que um índice gravado escolhe a mesma cor em qualquer execução. Cada item mostra uma
// amostra da cor e o nome; o dado do item é a cor (Rgb(r, g, b)).
class CColorPickerCB : public QComboBox {
    Q_OBJECT
public:
    struct SCor {
        const char* nome;  // UTF-8
        uint32_t rgb;
    };
    static constexpr int kQtdeDeCores = 17;
    static const std::array<SCor, kQtdeDeCores> kCores;

    explicit CColorPickerCB(QWidget* pai = nullptr);

    // Põe as cores uma única vez (para quando a caixa acaba de ser esvaziada pelo
    // dono, nada é repetido) e escolhe a primeira.
    void Preencher();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    bool m_preenchido = false;
};
