#pragma once

#include <QLineEdit>

// Campo de valor em dinheiro: só dígitos, sempre com duas casas ("0.05", "1234.56").
// Cada tecla, colagem ou arraste que mexe no texto passa pela normalização e reposiciona
// o cursor.
class CDinheiroEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Só os dígitos, ao menos três, com o ponto antes dos dois últimos; zeros à esquerda
    // caem enquanto o texto passar de quatro caracteres.
    static QString Normalizar(const QString& texto);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    // Roda a edição normal do campo e depois normaliza o texto que ela deixou.
    template <typename Edicao>
    void EditarENormalizar(Edicao edicao);
    void AplicarNormalizacao(int fim_da_selecao, int comprimento_anterior);
};
