#pragma once

#include <QDialog>

class IConfiguracoes;
class IValoresDeInternet;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Configurações de Proxy": se há proxy, o login que vai em todo pedido e o servidor de
// resultados (seção "dados", valor "servidor").
class CDlgProxy : public QDialog {
    Q_OBJECT

public:
    CDlgProxy(IValoresDeInternet& valores, IConfiguracoes& configuracoes, QWidget* pai);

    void HabilitarControles(bool ligado);

    int m_usarProxy = 0;
    int m_usarLogin = 0;
    QString m_login;
    QString m_senha;
    QString m_confirmarSenha;

    QLineEdit* m_campo_servidor;
    QCheckBox* m_caixa_proxy;
    QLabel* m_dica;
    QPushButton* m_opcoes_internet;
    QGroupBox* m_quadro_proxy;
    QGroupBox* m_quadro_login;
    QCheckBox* m_caixa_login;
    QLabel* m_rotulos[3];
    QLineEdit* m_campo_login;
    QLineEdit* m_campo_senha;
    QLineEdit* m_campo_confirmacao;
    QPushButton* m_ok;
    QPushButton* m_cancelar;

public slots:
    void accept() override;

private:
    void OnInitDialog();
    void OnUsarOpcao();
    void ParaOsControles();
    void DosControles();

    IValoresDeInternet& m_valores;
    IConfiguracoes& m_configuracoes;
};

// Servidor de resultados guardado ("dados", "servidor"), com o padrão.
std::string ServidorDeResultados(const IConfiguracoes& configuracoes);
