#pragma once

#include <QLineEdit>

// Campo de valor em dinheiro: só dígitos, sempre com duas casas ("0.05", "1234.56").
// Toda edição do usuário que mexe no texto (tecla, colagem pelo teclado, pelo menu ou
// pelo botão do meio, arraste) passa pela normalização e reposiciona o cursor; um caractere digitado
// também, mesmo sem mudar o texto (Backspace num campo vazio dá "0.00").
class CDinheiroEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CDinheiroEdit(QWidget* pai = nullptr);

    // Só os dígitos, ao menos três, com o ponto antes dos dois últimos; zeros à esquerda
    // caem enquanto o texto passar de quatro caracteres.
    static QString Normalizar(const QString& texto);

protected:
    bool event(QEvent* evento) override;

private:
    void AplicarNormalizacao(int fim_da_selecao, int comprimento_anterior);
    // Edição feita fora de um evento do campo (o "Colar" do menu de contexto, que abre
    // sem bloquear): normaliza a partir do estado que o usuário via antes dela.
    void EditadoForaDeEvento();
    void GuardarEstado();

    int m_eventos_em_curso = 0;
    int m_fim_da_selecao = 0;
    int m_comprimento = 0;
};
