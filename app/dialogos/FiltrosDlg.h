#pragma once

#include "core/Filtro.h"

#include <QDialog>

#include <array>

class CCampoInteiro;
class IConfiguracoes;
class QCheckBox;
class QGridLayout;

// "Filtros": liga e ajusta os 26 critérios da seção "filtros". O OK grava os 78
// valores; "Cancelar" não grava nada.
class CFiltrosDlg : public QDialog {
    Q_OBJECT
public:
    CFiltrosDlg(IConfiguracoes& configuracoes, QWidget* pai = nullptr);

    QCheckBox* Ligado(int criterio) const { return m_campos[criterio].ligado; }
    CCampoInteiro* Minimo(int criterio) const { return m_campos[criterio].minimo; }
    CCampoInteiro* Maximo(int criterio) const { return m_campos[criterio].maximo; }

    // Grava campo a campo, na ordem dos critérios; um campo sem inteiro mostra a mensagem
    // e fica com o foco, com os anteriores já gravados.
    void accept() override;

private:
    struct SCampos {
        QCheckBox* ligado = nullptr;
        CCampoInteiro* minimo = nullptr;
        CCampoInteiro* maximo = nullptr;
    };

    QWidget* NovoGrupo(std::initializer_list<std::initializer_list<int>> blocos);
    void AdicionarCriterio(QGridLayout* grade, int linha, int criterio);
    void CarregarValores();
    bool GravarCampo(const std::string& nome, CCampoInteiro* campo);

    IConfiguracoes& m_configuracoes;
    std::array<SCampos, kQtdeDeFiltros> m_campos{};
};
