#pragma once

#include <QDialog>

class QButtonGroup;

// "Gerar Apostas": pergunta, antes de uma geração, se os cartões também serão filtrados.
class CGerarApostasDlg : public QDialog {
    Q_OBJECT
public:
    enum EOpcao { kSomenteGerar = 0, kGerarEFiltrar = 1 };

    explicit CGerarApostasDlg(QWidget* pai = nullptr);

    // Quem abre escolhe a opção marcada; o OK devolve aqui a escolha do usuário.
    int m_opcao = kGerarEFiltrar;

    void accept() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QButtonGroup* m_opcoes;
};
