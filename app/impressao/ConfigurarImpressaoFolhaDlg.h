#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class CColorPickerCB;
class QCheckBox;
class QLineEdit;

// Página "Folha": margens da folha em milímetros, as linhas de recorte e a cor delas.
class CConfigurarImpressaoFolhaDlg : public QWidget {
    Q_OBJECT
public:
    explicit CConfigurarImpressaoFolhaDlg(QWidget* pai = nullptr);

    // Valores da página; as margens em centésimos de milímetro.
    int m_margem_x = 0;
    int m_margem_y = 0;
    std::array<bool, 4> m_linhas{};  // primeira, segunda e terceira vertical, horizontal
    int m_cor = 0;  // índice no seletor de cores; -1 sem nenhuma
    uint32_t m_cor_rgb = 0;  // a cor do item escolhido (0 sem nenhum)

    // Valores para os controles.
    void MostrarValores();
    // Controles para os valores, em ordem; uma margem que não é número mostra "Enter a
    // number." e os campos seguintes ficam com o que foi mostrado. Falso nesse caso.
    bool LerValores();

    QLineEdit* MargemX() const { return m_campo_x; }
    QLineEdit* MargemY() const { return m_campo_y; }
    QCheckBox* Linha(int i) const { return m_caixas[static_cast<size_t>(i)]; }
    CColorPickerCB* Cor() const { return m_seletor; }

private:
    QLineEdit* m_campo_x = nullptr;
    QLineEdit* m_campo_y = nullptr;
    std::array<QCheckBox*, 4> m_caixas{};
    CColorPickerCB* m_seletor = nullptr;
};
