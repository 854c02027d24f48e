#pragma once

#include <QDialog>

class QLineEdit;

// "Busca": pede o número de um cartão. Só fecha com OK quando o campo tem um inteiro.
class CBuscaDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBuscaDlg(QWidget* pai = nullptr);

    int m_numero = 0;

    QLineEdit* Campo() const { return m_campo; }

    void accept() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLineEdit* m_campo;
};
