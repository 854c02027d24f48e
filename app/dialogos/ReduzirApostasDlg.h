#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;

// "Reduzir Apostas": a garantia mínima (3, 4 ou 5 pontos) e o tempo limite da busca.
class CReduzirApostasDlg : public QDialog {
    Q_OBJECT
public:
    explicit CReduzirApostasDlg(QWidget* pai = nullptr);

    // Valores com que abre; o OK devolve aqui a escolha do usuário.
    int m_garantia = 4;
    int m_segundos = 60;

    void accept() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QComboBox* m_garantias;
    QSpinBox* m_tempo;
};
