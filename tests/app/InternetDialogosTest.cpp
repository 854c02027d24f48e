// "Configurar Acesso à Internet" e "Atualizar Resultados pela Internet" pela janela do
// programa: regras de habilitação, o que fica guardado, a atualização contra o serviço
// de resultados de verdade no loopback, o resumo no fim e o "Parar".
#include "tests/app/CaixasModais.h"
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/ResultadosDeTeste.h"
#include "tests/support/ServicosEmTeste.h"

#include "results/CaminhoDeDados.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/ValoresDeInternet.h"
#include "results/EnderecoDoServico.h"
#include "platform/ValoresDeInternetQt.h"
#include "app/resultados/AtualizandoDlg.h"
#include "app/resultados/DlgProxy.h"
#include "app/shell/Comandos.h"
#include "app/shell/MainFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include "tests/app/SentinelaDeModais.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Falha com o título de todo diálogo modal que aparecer sem que o teste o espere.
class CGuardaDeModais : public QObject {
public:
    explicit CGuardaDeModais(const CRespostasModais& respostas) : m_respostas(respostas)
    {
        connect(&m_relogio, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            // O progresso da atualização é modal, mas esperado sempre.
            if (modal == nullptr || !modal->isVisible() || m_respostas.Pendente())
                return;
            if (qobject_cast<CAtualizandoDlg*>(modal) != nullptr || qobject_cast<QMessageBox*>(modal) == m_mensagem) {
                ReivindicarModal(modal);
                return;
            }
            // Dá à resposta do próprio teste algumas voltas antes de contar como inesperado.
            if (modal != m_visto) {
                m_visto = modal;
                m_voltas = 0;
            }
            if (++m_voltas < 40)
                return;
            ADD_FAILURE() << "diálogo inesperado: " << modal->windowTitle().toStdString() << " / "
                          << modal->metaObject()->className();
            modal->close();
        });
        m_relogio.start(5);
    }
    // A caixa de mensagem que o teste responde por conta própria.
    void Permitir(QMessageBox* mensagem) { m_mensagem = mensagem; }

private:
    const CRespostasModais& m_respostas;
    QTimer m_relogio;
    QPointer<QMessageBox> m_mensagem;
    QPointer<QWidget> m_visto;
    int m_voltas = 0;
};

struct SEstado {
    bool proxy;
    bool login;
    bool grupo;   // dica, botão, quadro do login, caixa "Utilizar Login"
    bool campos;  // rótulos e campos do login
};

SEstado EstadoDe(const CDlgProxy& dialogo)
{
    const bool grupo = dialogo.m_dica->isEnabled();
    EXPECT_EQ(dialogo.m_opcoes_internet->isEnabled(), grupo);
    EXPECT_EQ(dialogo.m_quadro_login->isEnabled(), grupo);
    EXPECT_EQ(dialogo.m_caixa_login->isEnabled(), grupo);
    const bool campos = dialogo.m_campo_login->isEnabled();
    for (const QWidget* controle : {static_cast<const QWidget*>(dialogo.m_campo_senha),
                                    static_cast<const QWidget*>(dialogo.m_campo_confirmacao),
                                    static_cast<const QWidget*>(dialogo.m_rotulos[0]),
                                    static_cast<const QWidget*>(dialogo.m_rotulos[1]),
                                    static_cast<const QWidget*>(dialogo.m_rotulos[2])})
        EXPECT_EQ(controle->isEnabled(), campos);
    // Nunca desabilitados: o servidor de resultados e o seu login, com ou sem proxy.
    for (const QWidget* controle : {static_cast<const QWidget*>(dialogo.m_quadro_servidor),
                                    static_cast<const QWidget*>(dialogo.m_campo_servidor),
                                    static_cast<const QWidget*>(dialogo.m_campo_usuario_do_servico),
                                    static_cast<const QWidget*>(dialogo.m_campo_senha_do_servico),
                                    static_cast<const QWidget*>(dialogo.m_rotulos_do_servico[0]),
                                    static_cast<const QWidget*>(dialogo.m_rotulos_do_servico[1]),
                                    static_cast<const QWidget*>(dialogo.m_rotulos_do_servico[2])})
        EXPECT_TRUE(controle->isEnabled()) << controle->objectName().toStdString();
    EXPECT_TRUE(dialogo.m_caixa_proxy->isEnabled());
    EXPECT_TRUE(dialogo.m_quadro_proxy->isEnabled());
    EXPECT_TRUE(dialogo.m_ok->isEnabled());
    EXPECT_TRUE(dialogo.m_cancelar->isEnabled());
    return {dialogo.m_caixa_proxy->isChecked(), dialogo.m_caixa_login->isChecked(), grupo, campos};
}

void ExpectEstado(const CDlgProxy& dialogo, SEstado esperado, const char* quando)
{
    const SEstado estado = EstadoDe(dialogo);
    EXPECT_EQ(estado.proxy, esperado.proxy) << quando;
    EXPECT_EQ(estado.login, esperado.login) << quando;
    EXPECT_EQ(estado.grupo, esperado.grupo) << quando;
    EXPECT_EQ(estado.campos, esperado.campos) << quando;
}

class DialogoDeProxy : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* nome :
             {kProxyEnable, kProxyLoginEnable, kProxyUser, kProxyPassword, kServicoUser, kServicoPassword})
            m_valores.GravarValorInternet(nome, "");
    }

    CValoresDeInternetQt m_valores;
    CConfiguracoesEmMemoria m_configuracoes;
    CRespostasModais m_respostas;
};

TEST_F(DialogoDeProxy, HabilitacaoAoAbrirEAoClicar)
{
    CDlgProxy dialogo(m_valores, m_configuracoes, nullptr);
    dialogo.show();
    EXPECT_EQ(dialogo.windowTitle(), "Configurar Acesso à Internet");
    EXPECT_EQ(dialogo.m_ok->text(), "OK");
    EXPECT_EQ(dialogo.m_cancelar->text(), "Cancelar");
    EXPECT_EQ(dialogo.m_quadro_servidor->title(), "Servidor de resultados");
    EXPECT_EQ(dialogo.m_rotulos_do_servico[1]->text(), "Usuário");
    EXPECT_EQ(dialogo.m_rotulos_do_servico[2]->text(), "Senha");
    EXPECT_EQ(dialogo.m_campo_senha_do_servico->echoMode(), QLineEdit::Password);
    ExpectEstado(dialogo, {false, false, false, false}, "sem valores guardados");
    EXPECT_EQ(dialogo.m_campo_login->text(), "");
    EXPECT_EQ(dialogo.m_campo_servidor->text(), "127.0.0.1:8080");
    SalvarCaptura(&dialogo, QStringLiteral("configuracoes_de_proxy.png"));

    struct SPasso {
        QCheckBox* caixa;
        SEstado depois;
        const char* quando;
    };
    const SPasso passos[] = {
        {dialogo.m_caixa_proxy, {true, false, true, false}, "proxy ligado"},
        {dialogo.m_caixa_login, {true, true, true, true}, "login ligado"},
        {dialogo.m_caixa_proxy, {false, true, false, false}, "proxy desligado com login marcado"},
        {dialogo.m_caixa_proxy, {true, true, true, true}, "proxy ligado de novo"},
    };
    for (const SPasso& passo : passos) {
        Clicar(passo.caixa);
        ExpectEstado(dialogo, passo.depois, passo.quando);
    }
}

TEST_F(DialogoDeProxy, ValoresGuardadosAoAbrir)
{
    struct SCaso {
        const char* proxy;
        const char* login;
        SEstado estado;
    };
    const SCaso casos[] = {
        {"YES", "YES", {true, true, true, true}},
        {"yes", "YES", {false, true, false, false}},  // só "YES" exato liga
        {"YES", "Yes", {true, false, true, false}},
    };
    for (const SCaso& caso : casos) {
        m_valores.GravarValorInternet(kProxyEnable, caso.proxy);
        m_valores.GravarValorInternet(kProxyLoginEnable, caso.login);
        m_valores.GravarValorInternet(kProxyUser, "ana");
        m_valores.GravarValorInternet(kProxyPassword, "segredo");
        CDlgProxy dialogo(m_valores, m_configuracoes, nullptr);
        ExpectEstado(dialogo, caso.estado, caso.proxy);
        EXPECT_EQ(dialogo.m_campo_login->text(), "ana");
        EXPECT_EQ(dialogo.m_campo_senha->text(), "segredo");
        // A confirmação abre com a senha guardada: OK sem mudar nada não reclama.
        EXPECT_EQ(dialogo.m_campo_confirmacao->text(), "segredo");
        Clicar(dialogo.m_ok);
        EXPECT_EQ(dialogo.result(), QDialog::Accepted);
        EXPECT_TRUE(m_respostas.Mensagens().isEmpty());
    }
}

TEST_F(DialogoDeProxy, OKGuardaComoTextoECancelNaoGuarda)
{
    {
        CDlgProxy dialogo(m_valores, m_configuracoes, nullptr);
        dialogo.show();
        Clicar(dialogo.m_caixa_proxy);
        Clicar(dialogo.m_caixa_login);
        dialogo.m_campo_login->setText(QStringLiteral("josé"));
        dialogo.m_campo_senha->setText(QStringLiteral("um"));
        dialogo.m_campo_confirmacao->setText(QStringLiteral("dois"));
        // Senhas diferentes com login ligado: a mensagem, e nada guardado.
        m_respostas.AceitarMensagem();
        Clicar(dialogo.m_ok);
        QTRY_VERIFY_WITH_TIMEOUT(!m_respostas.Pendente(), 5000);
        EXPECT_EQ(m_respostas.Textos(), QStringList{QStringLiteral("Os passwords digitados precisam ser iguais.")});
        EXPECT_TRUE(dialogo.isVisible());
        EXPECT_EQ(m_valores.LerValorInternet(kProxyEnable), "");

        dialogo.m_campo_confirmacao->setText(QStringLiteral("um"));
        dialogo.m_campo_servidor->setText(QStringLiteral(" resultados.exemplo:9000 "));
        Clicar(dialogo.m_ok);
        EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    }
    EXPECT_EQ(m_valores.LerValorInternet(kProxyEnable), "YES");
    EXPECT_EQ(m_valores.LerValorInternet(kProxyLoginEnable), "YES");
    EXPECT_EQ(m_valores.LerValorInternet(kProxyUser), "josé");
    EXPECT_EQ(m_valores.LerValorInternet(kProxyPassword), "um");
    EXPECT_EQ(ServidorDeResultados(m_configuracoes), "resultados.exemplo:9000");

    {
        // Login desligado: senhas diferentes passam e a senha digitada é guardada.
        CDlgProxy dialogo(m_valores, m_configuracoes, nullptr);
        Clicar(dialogo.m_caixa_login);
        dialogo.m_campo_senha->setText(QStringLiteral("tres"));
        Clicar(dialogo.m_ok);
        EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    }
    EXPECT_EQ(m_valores.LerValorInternet(kProxyLoginEnable), "NO");
    EXPECT_EQ(m_valores.LerValorInternet(kProxyPassword), "tres");

    {
        CDlgProxy dialogo(m_valores, m_configuracoes, nullptr);
        Clicar(dialogo.m_caixa_proxy);
        dialogo.m_campo_login->setText(QStringLiteral("outro"));
        Clicar(dialogo.m_cancelar);
        EXPECT_EQ(dialogo.result(), QDialog::Rejected);
    }
    EXPECT_EQ(m_valores.LerValorInternet(kProxyEnable), "YES");
    EXPECT_EQ(m_valores.LerValorInternet(kProxyUser), "josé");
}

TEST_F(DialogoDeProxy, LoginDoServicoGuardadoComOuSemProxy)
{
    m_valores.GravarValorInternet(kServicoUser, "ana");
    m_valores.GravarValorInternet(kServicoPassword, "do-servico");
    for (bool proxy : {false, true}) {
        SCOPED_TRACE(proxy ? "com proxy" : "sem proxy");
        CDlgProxy dialogo(m_valores, m_configuracoes, nullptr);
        dialogo.show();
        EXPECT_EQ(dialogo.m_campo_usuario_do_servico->text(), QString::fromStdString(m_valores.LerValorInternet(kServicoUser)));
        if (proxy)
            Clicar(dialogo.m_caixa_proxy);
        EXPECT_TRUE(dialogo.m_campo_usuario_do_servico->isEnabled());
        EXPECT_TRUE(dialogo.m_campo_senha_do_servico->isEnabled());
        const QString usuario = proxy ? QStringLiteral("josé") : QStringLiteral("maria");
        dialogo.m_campo_usuario_do_servico->setText(usuario);
        dialogo.m_campo_senha_do_servico->setText(usuario + QStringLiteral("-senha"));
        Clicar(dialogo.m_ok);
        EXPECT_EQ(dialogo.result(), QDialog::Accepted);
        EXPECT_EQ(m_valores.LerValorInternet(kServicoUser), usuario.toStdString());
        EXPECT_EQ(m_valores.LerValorInternet(kServicoPassword), (usuario + QStringLiteral("-senha")).toStdString());
        // O login do proxy fica à parte.
        EXPECT_EQ(m_valores.LerValorInternet(kProxyUser), "");
    }
    {
        CDlgProxy dialogo(m_valores, m_configuracoes, nullptr);
        EXPECT_EQ(dialogo.m_campo_senha_do_servico->text(), "josé-senha");
        dialogo.m_campo_usuario_do_servico->setText(QStringLiteral("outro"));
        Clicar(dialogo.m_cancelar);
    }
    EXPECT_EQ(m_valores.LerValorInternet(kServicoUser), "josé");
}

TEST_F(DialogoDeProxy, EnderecoDoServidorInvalidoNaoFecha)
{
    CDlgProxy dialogo(m_valores, m_configuracoes, nullptr);
    dialogo.show();
    for (const char* invalido : {"servidor:0", "https://servidor:70000", "http://"}) {
        SCOPED_TRACE(invalido);
        dialogo.m_campo_servidor->setText(QString::fromUtf8(invalido));
        m_respostas.AceitarMensagem();
        Clicar(dialogo.m_ok);
        QTRY_VERIFY_WITH_TIMEOUT(!m_respostas.Pendente(), 5000);
        EXPECT_TRUE(dialogo.isVisible());
    }
    ASSERT_EQ(m_respostas.Mensagens().size(), 3);
    EXPECT_EQ(m_respostas.Mensagens()[0].texto,
              QStringLiteral("Endereço do servidor de resultados inválido: \"servidor:0\". Use host:porta ou "
                             "https://host:porta (porta de 1 a 65535)."));
    EXPECT_EQ(ServidorDeResultados(m_configuracoes), "127.0.0.1:8080");
    dialogo.m_campo_servidor->setText(QStringLiteral("https://resultados.exemplo:8443"));
    Clicar(dialogo.m_ok);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(ServidorDeResultados(m_configuracoes), "https://resultados.exemplo:8443");
}

// Responde (OK) a cada caixa de mensagem que aparecer enquanto vive, guardando a última.
class CMensagensDoComando {
public:
    CMensagensDoComando(CGuardaDeModais& guarda, std::function<void()> a_cada_volta = {})
    {
        QObject::connect(&m_relogio, &QTimer::timeout, [this, &guarda, a_cada_volta] {
            if (a_cada_volta)
                a_cada_volta();
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (caixa == nullptr || caixa == m_respondida)
                return;
            m_respondida = caixa;
            ReivindicarModal(caixa);
            guarda.Permitir(caixa);
            m_vista = {true, caixa->windowTitle(), caixa->text(), caixa->icon()};
            m_vistas++;
            caixa->accept();
        });
        m_relogio.start(20);
    }
    const SMensagemVista& Vista() const { return m_vista; }
    int Vistas() const { return m_vistas; }

private:
    QTimer m_relogio;
    QPointer<QMessageBox> m_respondida;
    SMensagemVista m_vista;
    int m_vistas = 0;
};

class MenuDeInternet : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.Iniciar());
        m_arquivo = CaminhoDeDados(m_programa.m_pastas, kArquivoDeResultados);
        for (const char* nome : {kProxyUser, kProxyPassword, kServicoUser, kServicoPassword})
            CValoresDeInternetQt().GravarValorInternet(nome, "");
    }

    void Executar(int id)
    {
        m_programa.Janela().AtualizarInterface();
        ASSERT_TRUE(m_programa.Acao(id)->isEnabled());
        m_programa.Comando(id);
    }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    CGuardaDeModais m_guarda{m_respostas};
    fs::path m_arquivo;
};

TEST_F(MenuDeInternet, ConfigurarFicaAoLadoDeAtualizarEAbreODialogo)
{
    QMenu* estatisticas = nullptr;
    for (QAction* menu : m_programa.Janela().menuBar()->actions())
        if (menu->text() == QStringLiteral("&Estatisticas"))
            estatisticas = menu->menu();
    ASSERT_NE(estatisticas, nullptr);
    const QList<QAction*> itens = estatisticas->actions();
    const qsizetype atualizar = itens.indexOf(m_programa.Acao(Comando::kAtualizarPelaInternet));
    ASSERT_GE(atualizar, 0);
    ASSERT_LT(atualizar + 1, itens.size());
    EXPECT_EQ(itens[atualizar + 1]->text(), QStringLiteral("Configurar Acesso à Internet..."));

    bool aberto = false;
    m_respostas.Responder([&](QWidget* modal) {
        auto* dialogo = qobject_cast<CDlgProxy*>(modal);
        ASSERT_NE(dialogo, nullptr) << modal->windowTitle().toStdString();
        aberto = true;
        dialogo->m_campo_servidor->setText(QStringLiteral("127.0.0.1:9999"));
        Clicar(dialogo->m_ok);
    });
    Executar(Comando::kConfigurarInternet);
    EXPECT_TRUE(aberto);
    EXPECT_EQ(m_programa.m_configuracoes.LerTexto("dados", "servidor", ""), "127.0.0.1:9999");
}

TEST_F(MenuDeInternet, AtualizarPeloMenuTrazOsResultadosDoServico)
{
    CPastaTemporaria pasta;
    const fs::path servido = pasta / "servido.dat";
    GravarResultados(servido, {{1, "1x0 2x2 +x1 0x0 3x+"}, {2, "0x0 0x0 0x0 0x0 0x0"}, {3, "+x+ 1x1 2x2 3x3 0x1"}});
    CServicoEmTeste servico(servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    m_programa.m_configuracoes.GravarTexto("dados", "servidor", servico.Servidor());
    GravarResultados(m_arquivo, {{2, "1x1 1x1 1x1 1x1 1x1"}});

    // O diálogo de progresso aparece (e é modal para a aplicação) enquanto busca.
    QString progresso;
    QTimer espiao;
    QObject::connect(&espiao, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && progresso.isEmpty()) {
            for (QLabel* rotulo : modal->findChildren<QLabel*>())
                progresso += rotulo->text() + QLatin1Char('|');
            for (QPushButton* botao : modal->findChildren<QPushButton*>())
                progresso += botao->text() + QLatin1Char('|');
            SalvarCaptura(modal, QStringLiteral("atualizando.png"));
        }
    });
    espiao.start(20);
    CMensagensDoComando mensagens(m_guarda);
    Executar(Comando::kAtualizarPelaInternet);
    espiao.stop();
    EXPECT_TRUE(progresso.contains(QStringLiteral("Puxando dados da Varenta"))) << progresso.toStdString();
    EXPECT_TRUE(progresso.contains(QStringLiteral("Parar"))) << progresso.toStdString();
    EXPECT_EQ(ConcursosGravados(m_arquivo), (std::vector<int>{1, 2, 3}));
    // O gravado vale sobre o buscado.
    EXPECT_EQ(ResultadosGravados(m_arquivo)[1]->m_scores[0]->ColunaDoTime1(), 1);
    // No fim, o que veio.
    QTRY_VERIFY_WITH_TIMEOUT(mensagens.Vista().apareceu, 5000);
    EXPECT_EQ(mensagens.Vista().texto, QStringLiteral("2 concursos novos (do 1 ao 3)."));
    EXPECT_EQ(mensagens.Vista().icone, QMessageBox::Information);
    EXPECT_EQ(mensagens.Vistas(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MenuDeInternet, PararGuardaOsConcursosQueJaVieram)
{
    CPastaTemporaria pasta;
    const fs::path servido = pasta / "servido.dat";
    std::vector<std::pair<int, std::string>> todos;
    for (int n = 1; n <= 40; ++n)
        todos.emplace_back(n, "1x0 2x2 +x1 0x0 3x+");
    GravarResultados(servido, todos);
    CServicoEmTeste servico(servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    m_programa.m_configuracoes.GravarTexto("dados", "servidor", servico.Servidor());
    fs::remove(m_arquivo);

    // "Parar" assim que o concurso 2 foi pedido.
    bool parou = false;
    CMensagensDoComando mensagens(m_guarda, [&] {
        auto* progresso = qobject_cast<CAtualizandoDlg*>(QApplication::activeModalWidget());
        if (progresso == nullptr || parou || progresso->m_concurso->text() != QStringLiteral("Concurso: 2"))
            return;
        parou = true;
        SalvarCaptura(progresso, QStringLiteral("atualizando_parar.png"));
        Clicar(progresso->m_parar);
        EXPECT_FALSE(progresso->m_parar->isEnabled());
    });
    Executar(Comando::kAtualizarPelaInternet);
    EXPECT_TRUE(parou);
    QTRY_VERIFY_WITH_TIMEOUT(mensagens.Vista().apareceu, 5000);
    const std::vector<int> gravados = ConcursosGravados(m_arquivo);
    ASSERT_GE(gravados.size(), 2u);
    EXPECT_LT(gravados.size(), 40u);
    for (size_t i = 0; i < gravados.size(); ++i)
        EXPECT_EQ(gravados[i], int(i) + 1);
    EXPECT_EQ(mensagens.Vista().texto, QStringLiteral("Atualização interrompida: %1 concursos novos (do 1 ao %1).")
                                           .arg(gravados.size()));
}

TEST_F(MenuDeInternet, FalhaDoPedidoMostraOErroENaoMexeNoArquivo)
{
    m_programa.m_configuracoes.GravarTexto("dados", "servidor", "127.0.0.1:" + std::to_string(PortaLivre()));
    GravarResultados(m_arquivo, {{1, "1x0 2x2 +x1 0x0 3x+"}});
    const std::string antes = LerBytes(m_arquivo);
    // A mensagem de erro vem depois do diálogo de progresso, que já não existe.
    SMensagemVista vista;
    bool progresso_ainda_aberto = false;
    QTimer resposta;
    QObject::connect(&resposta, &QTimer::timeout, [&] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (caixa == nullptr || vista.apareceu)
            return;
        ReivindicarModal(caixa);
        m_guarda.Permitir(caixa);
        vista = {true, caixa->windowTitle(), caixa->text(), caixa->icon()};
        progresso_ainda_aberto = !m_programa.Janela().findChildren<CAtualizandoDlg*>().isEmpty();
        caixa->accept();
    });
    resposta.start(20);
    Executar(Comando::kAtualizarPelaInternet);
    QTRY_VERIFY_WITH_TIMEOUT(vista.apareceu, 10000);
    EXPECT_EQ(vista.icone, QMessageBox::Critical);
    EXPECT_EQ(vista.texto, QStringLiteral("O servidor de resultados %1 recusou a conexão. Confira o servidor em "
                                          "Configurar Acesso à Internet.")
                               .arg(QString::fromStdString(m_programa.m_configuracoes.LerTexto("dados", "servidor", ""))));
    EXPECT_FALSE(progresso_ainda_aberto);
    EXPECT_EQ(LerBytes(m_arquivo), antes);
}

} // namespace
