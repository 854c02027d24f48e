#pragma once

#include <QDialog>

class IConfiguracoes;
class IValoresDeInternet;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Configurar Acesso à Internet": o servidor de resultados (seção "dados", valor
// "servidor") com o seu login ("ServicoUser"/"ServicoPassword", sempre habilitado: vai ao
// serviço com ou sem proxy), se há proxy e o login do proxy ("ProxyUser"/"ProxyPassword").
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

    QGroupBox* m_quadro_servidor;
    QLineEdit* m_campo_servidor;
    QLabel* m_rotulos_do_servico[3];  // "Endereço", "Usuário", "Senha"
    QLineEdit* m_campo_usuario_do_servico;
    QLineEdit* m_campo_senha_do_servico;
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
