#include "app/resultados/DlgProxy.h"

#include "core/Configuracoes.h"
#include "results/EnderecoDoServico.h"
#include "results/ErroDeInternet.h"
#include "platform/OpcoesDeInternet.h"
#include "app/resultados/UnidadesDeDialogo.h"
#include "core/ValoresDeInternet.h"
#include "app/shell/Mensagens.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* kSim = "YES";
// 255 caracteres cabem nos 1023 bytes de um valor, qualquer que seja o texto.
constexpr int kMaiorCampo = 255;

QLineEdit* NovoCampo(QWidget* pai, const QRect& onde)
{
    auto* campo = new QLineEdit(pai);
    campo->setGeometry(onde);
    campo->setMaxLength(kMaiorCampo);
    return campo;
}

// Vazio vale o padrão; senão host[:porta], com "http://" ou "https://" opcional.
bool ServidorValido(const std::string& servidor)
{
    if (servidor.empty())
        return true;
    try {
        return !DividirEndereco(BaseDoServidor(servidor)).servidor.empty();
    } catch (const CErroDeInternet&) {
        return false;
    }
}

} // namespace

std::string ServidorDeResultados(const IConfiguracoes& configuracoes)
{
    return configuracoes.LerTexto("dados", "servidor", kServidorPadrao);
}

CDlgProxy::CDlgProxy(IValoresDeInternet& valores, IConfiguracoes& configuracoes, QWidget* pai)
    : QDialog(pai), m_valores(valores), m_configuracoes(configuracoes)
{
    setWindowTitle(QStringLiteral("Configurar Acesso à Internet"));
    const CUnidadesDeDialogo u(*this);
    // O desenho original, 22 unidades abaixo, sob o quadro do servidor de resultados.
    constexpr int d = 22;
    setFixedSize(u.Retangulo(0, 0, 262, 225 + d).size());

    // O servidor de resultados e o seu login: habilitados sempre, com ou sem proxy.
    m_quadro_servidor = new QGroupBox(QStringLiteral("Servidor de resultados"), this);
    m_quadro_servidor->setGeometry(u.Retangulo(15, 5, 234, 69));
    const char* textos_do_servico[3] = {"Endereço", "Usuário", "Senha"};
    for (int i = 0; i < 3; ++i) {
        m_rotulos_do_servico[i] = new QLabel(QString::fromUtf8(textos_do_servico[i]), this);
        m_rotulos_do_servico[i]->setGeometry(u.Retangulo(25, 22 + 16 * i, 70, 8));
    }
    m_campo_servidor = NovoCampo(this, u.Retangulo(101, 19, 140, 14));
    m_campo_servidor->setPlaceholderText(QStringLiteral("host:porta ou https://host:porta"));
    m_campo_usuario_do_servico = NovoCampo(this, u.Retangulo(101, 35, 140, 14));
    m_campo_senha_do_servico = NovoCampo(this, u.Retangulo(101, 51, 140, 14));
    m_campo_senha_do_servico->setEchoMode(QLineEdit::Password);
    for (int i = 0; i < 3; ++i)
        m_rotulos_do_servico[i]->setBuddy(i == 0 ? m_campo_servidor
                                                  : i == 1 ? m_campo_usuario_do_servico : m_campo_senha_do_servico);

    m_quadro_proxy = new QGroupBox(this);
    m_quadro_proxy->setGeometry(u.Retangulo(15, 58 + d, 234, 141));
    m_caixa_proxy = new QCheckBox(QStringLiteral("Utilizar Proxy"), this);
    m_caixa_proxy->setGeometry(u.Retangulo(28, 58 + d, 58, 10));
    m_dica = new QLabel(
        QStringLiteral("Configure o acesso ao seu servidor proxy através das opções de internet."), this);
    m_dica->setGeometry(u.Retangulo(29, 71 + d, 202, 23));
    m_dica->setWordWrap(true);
    m_opcoes_internet = new QPushButton(QStringLiteral("Opções de Internet"), this);
    m_opcoes_internet->setGeometry(u.Retangulo(28, 95 + d, 85, 14));
    m_quadro_login = new QGroupBox(this);
    m_quadro_login->setGeometry(u.Retangulo(28, 119 + d, 213, 72));
    m_caixa_login = new QCheckBox(QStringLiteral("Utilizar Login"), this);
    m_caixa_login->setGeometry(u.Retangulo(39, 119 + d, 56, 10));
    const char* textos[3] = {"Login", "Senha", "Confirmar senha"};
    const int alturas[3] = {137, 156, 175};
    for (int i = 0; i < 3; ++i) {
        m_rotulos[i] = new QLabel(QString::fromUtf8(textos[i]), this);
        m_rotulos[i]->setGeometry(u.Retangulo(39, alturas[i] + d, 58, 8));
    }
    m_campo_login = NovoCampo(this, u.Retangulo(101, 135 + d, 85, 14));
    m_campo_senha = NovoCampo(this, u.Retangulo(101, 153 + d, 85, 14));
    m_campo_confirmacao = NovoCampo(this, u.Retangulo(101, 171 + d, 85, 14));
    // As caixas por cima dos quadros, como no desenho.
    m_caixa_proxy->raise();
    m_caixa_login->raise();

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(u.Retangulo(145, 204 + d, 50, 14));
    m_ok->setDefault(true);
    m_cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    m_cancelar->setGeometry(u.Retangulo(200, 204 + d, 50, 14));

    connect(m_ok, &QPushButton::clicked, this, &CDlgProxy::accept);
    connect(m_cancelar, &QPushButton::clicked, this, &CDlgProxy::reject);
    connect(m_caixa_proxy, &QCheckBox::clicked, this, &CDlgProxy::OnUsarOpcao);
    connect(m_caixa_login, &QCheckBox::clicked, this, &CDlgProxy::OnUsarOpcao);
    connect(m_opcoes_internet, &QPushButton::clicked, this, [] { AbrirOpcoesDeInternet(); });
    OnInitDialog();
}

void CDlgProxy::OnInitDialog()
{
    m_usarProxy = m_valores.LerValorInternet(kProxyEnable) == kSim ? 1 : 0;
    m_usarLogin = m_valores.LerValorInternet(kProxyLoginEnable) == kSim ? 1 : 0;
    m_login = QString::fromStdString(m_valores.LerValorInternet(kProxyUser));
    m_senha = QString::fromStdString(m_valores.LerValorInternet(kProxyPassword));
    m_confirmarSenha = m_senha;
    m_campo_servidor->setText(QString::fromStdString(ServidorDeResultados(m_configuracoes)));
    m_campo_usuario_do_servico->setText(QString::fromStdString(m_valores.LerValorInternet(kServicoUser)));
    m_campo_senha_do_servico->setText(QString::fromStdString(m_valores.LerValorInternet(kServicoPassword)));
    ParaOsControles();
    DosControles();
    HabilitarControles(m_usarProxy != 0);
}

void CDlgProxy::ParaOsControles()
{
    m_caixa_proxy->setChecked(m_usarProxy != 0);
    m_caixa_login->setChecked(m_usarLogin != 0);
    m_campo_login->setText(m_login);
    m_campo_senha->setText(m_senha);
    m_campo_confirmacao->setText(m_confirmarSenha);
}

void CDlgProxy::DosControles()
{
    m_usarProxy = m_caixa_proxy->isChecked() ? 1 : 0;
    m_usarLogin = m_caixa_login->isChecked() ? 1 : 0;
    m_login = m_campo_login->text();
    m_senha = m_campo_senha->text();
    m_confirmarSenha = m_campo_confirmacao->text();
}

void CDlgProxy::OnUsarOpcao()
{
    DosControles();
    HabilitarControles(m_usarProxy != 0);
}

void CDlgProxy::HabilitarControles(bool ligado)
{
    for (QWidget* controle : {static_cast<QWidget*>(m_dica), static_cast<QWidget*>(m_opcoes_internet),
                              static_cast<QWidget*>(m_quadro_login), static_cast<QWidget*>(m_caixa_login)})
        controle->setEnabled(ligado);
    const bool login = ligado && m_usarLogin != 0;
    for (QLabel* rotulo : m_rotulos)
        rotulo->setEnabled(login);
    for (QLineEdit* campo : {m_campo_login, m_campo_senha, m_campo_confirmacao})
        campo->setEnabled(login);
}

void CDlgProxy::accept()
{
    DosControles();
    const QString servidor = m_campo_servidor->text().trimmed();
    if (!ServidorValido(servidor.toStdString())) {
        MostrarAviso(this, QStringLiteral("Endereço do servidor de resultados inválido: \"%1\". Use host:porta "
                                          "ou https://host:porta (porta de 1 a 65535).")
                               .arg(servidor));
        m_campo_servidor->setFocus();
        return;
    }
    // Comparação byte a byte, como o texto foi digitado.
    if (m_usarLogin != 0 && m_senha.toUtf8() != m_confirmarSenha.toUtf8()) {
        MostrarAviso(this, QStringLiteral("Os passwords digitados precisam ser iguais."));
        return;
    }
    m_valores.GravarValorInternet(kProxyEnable, m_usarProxy != 0 ? "YES" : "NO");
    m_valores.GravarValorInternet(kProxyLoginEnable, m_usarLogin != 0 ? "YES" : "NO");
    m_valores.GravarValorInternet(kProxyUser, m_login.toStdString());
    m_valores.GravarValorInternet(kProxyPassword, m_senha.toStdString());
    m_valores.GravarValorInternet(kServicoUser, m_campo_usuario_do_servico->text().toStdString());
    m_valores.GravarValorInternet(kServicoPassword, m_campo_senha_do_servico->text().toStdString());
    m_configuracoes.GravarTexto("dados", "servidor", servidor.isEmpty() ? kServidorPadrao : servidor.toStdString());
    QDialog::accept();
}
