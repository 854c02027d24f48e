#pragma once

#include <QLineEdit>

// Campo de valor em dinheiro: só dígitos, sempre com duas casas ("0.05", "1234.56").
// Toda edição do usuário que mexe no texto (tecla, colagem por teclado, menu ou botão do
// meio, arraste) passa pela normalização e reposiciona o cursor; um caractere digitado
// também, mesmo sem mudar o texto (Backspace num campo vazio dá "0.00").
class CDinheiroEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Só os dígitos, ao menos três, com o ponto antes dos dois últimos; zeros à esquerda
    // caem enquanto o texto passar de quatro caracteres.
    static QString Normalizar(const QString& texto);

protected:
    bool event(QEvent* evento) override;

private:
    void AplicarNormalizacao(int fim_da_selecao, int comprimento_anterior);
};
