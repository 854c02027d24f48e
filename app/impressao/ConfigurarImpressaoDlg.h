#pragma once

#include <QDialog>

class CConfigurarImpressaoFolhaDlg;
class CConfigurarImpressaoVolanteDlg;
class IConfiguracoes;
class QButtonGroup;
class QRadioButton;
class QTabWidget;

// "Configurar Impressão": o tipo da impressão e as páginas "Folha" e "Volante" da seção
// "impressao", com os padrões do diálogo (20 mm nas quatro margens, cor "Oliva"), que não
// são os da impressão. O OK grava tudo; "Cancelar" não grava nada.
class CConfigurarImpressaoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CConfigurarImpressaoDlg(IConfiguracoes& configuracoes, QWidget* pai = nullptr);

    QTabWidget* Abas() const { return m_abas; }
    QRadioButton* Folhas() const { return m_folhas; }
    QRadioButton* Volantes() const { return m_volantes; }
    CConfigurarImpressaoFolhaDlg* PaginaDaFolha() const { return m_folha; }
    CConfigurarImpressaoVolanteDlg* PaginaDoVolante() const { return m_volante; }

    // Lê o diálogo e as páginas e grava; uma margem sem número não impede a gravação
    // (os campos que não puderam ser lidos ficam como estavam ao abrir).
    void accept() override;

private:
    void CarregarValores();
    void OnTipo();

    IConfiguracoes& m_configuracoes;
    QTabWidget* m_abas = nullptr;
    CConfigurarImpressaoFolhaDlg* m_folha = nullptr;
    CConfigurarImpressaoVolanteDlg* m_volante = nullptr;
    QButtonGroup* m_tipo = nullptr;
    QRadioButton* m_folhas = nullptr;
    QRadioButton* m_volantes = nullptr;
};
