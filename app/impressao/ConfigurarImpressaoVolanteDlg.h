#pragma once

#include <QWidget>

class QLineEdit;

// Página "Volante": onde começam as marcas no volante oficial, em milímetros.
class CConfigurarImpressaoVolanteDlg : public QWidget {
    Q_OBJECT
public:
    explicit CConfigurarImpressaoVolanteDlg(QWidget* pai = nullptr);

    int m_margem_x = 0;  // centésimos de milímetro
    int m_margem_y = 0;

    void MostrarValores();
    // Como na página da folha: a primeira margem sem número para a leitura.
    bool LerValores();

    QLineEdit* MargemX() const { return m_campo_x; }
    QLineEdit* MargemY() const { return m_campo_y; }

private:
    QLineEdit* m_campo_x = nullptr;
    QLineEdit* m_campo_y = nullptr;
};
