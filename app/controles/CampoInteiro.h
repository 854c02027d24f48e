#pragma once

#include <QAbstractSpinBox>

#include <optional>

// Campo numérico com setas, como um campo de texto com botões de subir e descer: as
// setas andam dentro da faixa, mas qualquer texto pode ser digitado e só é conferido
// por quem lê o valor.
class CCampoInteiro : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CCampoInteiro(QWidget* pai = nullptr);

    void DefinirFaixa(int minimo, int maximo);
    void DefinirValor(int valor);
    // O inteiro do texto; vazio quando o texto não é um inteiro.
    std::optional<int> Valor() const;
    QLineEdit* CampoDeTexto() const { return lineEdit(); }

    void stepBy(int passos) override;
    QValidator::State validate(QString& texto, int& posicao) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimo = 0;
    int m_maximo = 99;
};
