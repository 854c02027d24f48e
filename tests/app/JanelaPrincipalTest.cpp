// A janela principal, os modelos de documento e os comandos do programa, dirigidos pelos
// menus e diálogos de verdade.

#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "results/ArquivoDeResultados.h"

#include "document/ArquivoDeApostas.h"
#include "tests/support/PastaTemporaria.h"
#include "document/VarentaDoc.h"
#include "app/apostas/ConcursoDlg.h"
#include "app/apostas/ScoreForm.h"
#include "app/shell/ChildFrame.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"
#include "app/shell/SDIMVDocTemplate.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

class JanelaPrincipalTest : public testing::Test {
protected:
    // Um arquivo de apostas gravado pelo próprio programa, com o quadro dado.
    std::filesystem::path ArquivoComChave(const std::string& nome, const std::string& chave)
    {
        CVarentaDoc documento;
        documento.OnNewDocument();
        documento.m_chave_do_jogo[0] = chave;
        const auto caminho = m_programa.m_pasta / nome;
        GravarArquivoDeApostas(documento, caminho);
        return caminho;
    }

    QStringList TitulosDosMenus() const
    {
        QStringList titulos;
        for (QAction* acao : m_programa.Janela().menuBar()->actions())
            titulos.append(acao->text());
        return titulos;
    }

    int QtdeDeTelas() const { return m_programa.Janela().AreaMdi()->subWindowList().size(); }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
};

TEST_F(JanelaPrincipalTest, ComecaComUmDocumentoNovoNaTelaDeApostas)
{
    ASSERT_TRUE(m_programa.Iniciar());
    ASSERT_NE(m_programa.Documento(), nullptr);
    EXPECT_EQ(m_programa.Documento()->Titulo(), "Quinaro1");
    EXPECT_EQ(m_programa.Janela().windowTitle(), "Quinaro - Quinaro1");
    EXPECT_NE(m_programa.TelaDeApostas(), nullptr);
    EXPECT_EQ(QtdeDeTelas(), 1);
    EXPECT_EQ(m_programa.Janela().MenuAtual(), Recurso::kTelaDeApostas);
    EXPECT_EQ(TitulosDosMenus(), QStringList({"&Arquivo", "&Visualizar", "&Menu", "&Filtros", "&Estatisticas",
                                              "&Bolão", "&Janela", "A&juda"}));
    EXPECT_TRUE(m_programa.Acao(Comando::kTelaDeApostas)->isChecked());
    EXPECT_FALSE(m_programa.Acao(Comando::kConferencia)->isChecked());
    // Comandos de trabalhos futuros ficam nos menus, desabilitados.
    for (int id : {Comando::kNovo, Comando::kAbrir, Comando::kSalvar, Comando::kComprovantes, Comando::kFiltrar,
                   Comando::kResultadosVarenta, Comando::kAtualizarPelaInternet, Comando::kConfigurarInternet,
                   Comando::kSobre, Comando::kAjuda, Comando::kImprimir, Comando::kVisualizarImpressao,
                   Comando::kConfigurarImpressora, Comando::kConfigurarImpressaoDoCartao})
        EXPECT_TRUE(m_programa.Acao(id)->isEnabled()) << id;
    EXPECT_EQ(m_programa.Acao(Comando::kNovo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(m_programa.Acao(Comando::kSalvar)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

TEST_F(JanelaPrincipalTest, NovoSubstituiODocumentoEContaOsTitulos)
{
    ASSERT_TRUE(m_programa.Iniciar());
    const QPointer<CScoreForm> primeira = m_programa.TelaDeApostas();
    QTest::keyClick(&m_programa.Janela(), Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_NE(m_programa.Documento(), nullptr);
    EXPECT_EQ(m_programa.Documento()->Titulo(), "Quinaro2");
    EXPECT_EQ(m_programa.m_app.Modelo()->Documentos().size(), 1);
    EXPECT_TRUE(primeira.isNull());
    EXPECT_NE(m_programa.TelaDeApostas(), nullptr);
    EXPECT_EQ(QtdeDeTelas(), 1);
    m_programa.Comando(Comando::kNovo);
    EXPECT_EQ(m_programa.Documento()->Titulo(), "Quinaro3");
}

TEST_F(JanelaPrincipalTest, LinhaDeComandoAbreOArquivo)
{
    const auto arquivo = ArquivoComChave("linha.vrt", "B");
    ASSERT_TRUE(m_programa.Iniciar({QString::fromStdString(arquivo.string())}));
    ASSERT_NE(m_programa.Documento(), nullptr);
    EXPECT_EQ(m_programa.Documento()->Titulo(), "linha.vrt");
    EXPECT_EQ(m_programa.Documento()->Doc().m_chave_do_jogo[0], "B");
    EXPECT_EQ(m_programa.TelaDeApostas()->findChild<QLineEdit*>("chave1")->text(), "B");
    EXPECT_EQ(m_programa.m_app.Recentes().Lista(), QStringList({QString::fromStdString(arquivo.string())}));
    EXPECT_EQ(m_programa.m_configuracoes.LerTexto("Recent File List", "File1", ""), arquivo.string());
}

TEST_F(JanelaPrincipalTest, ArquivoRuimNaLinhaDeComandoMostraAMensagemEEncerra)
{
    const auto danificado = m_programa.m_pasta / "danificado.vrt";
    GravarBytes(danificado, std::string(40, '\x01'));
    m_respostas.AceitarMensagem();
    EXPECT_FALSE(m_programa.Iniciar({QString::fromStdString(danificado.string())}));
    EXPECT_EQ(m_programa.Documento(), nullptr);
    ASSERT_EQ(m_respostas.Mensagens().size(), 1);
    EXPECT_EQ(m_respostas.Mensagens()[0].texto, "Unexpected file format.");
    EXPECT_EQ(m_respostas.Mensagens()[0].icone, QMessageBox::Warning);
}

TEST_F(JanelaPrincipalTest, AbrirFalhandoNaoDeixaDocumentoAberto)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_respostas.AceitarMensagem();
    EXPECT_EQ(m_programa.m_app.AbrirArquivo(QString::fromStdString((m_programa.m_pasta / "nao_existe.vrt").string())),
              nullptr);
    EXPECT_EQ(m_respostas.Textos(), QStringList({"Failed to open document."}));
    EXPECT_EQ(m_programa.Documento(), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(QtdeDeTelas(), 0);
    // Sem documento: o menu sem tela, e os comandos das telas indisponíveis.
    EXPECT_EQ(m_programa.Janela().MenuAtual(), Recurso::kPrincipal);
    EXPECT_EQ(TitulosDosMenus(), QStringList({"&Arquivo", "&Visualizar", "A&juda"}));
    EXPECT_EQ(m_programa.Janela().windowTitle(), "Quinaro");
    EXPECT_FALSE(m_programa.Acao(Comando::kTelaDeApostas)->isEnabled());
    EXPECT_FALSE(m_programa.Acao(Comando::kSalvar)->isEnabled());
    EXPECT_TRUE(m_programa.Acao(Comando::kNovo)->isEnabled());
    EXPECT_TRUE(m_programa.Acao(Comando::kAjuda)->isEnabled());
}

TEST_F(JanelaPrincipalTest, AbrirUmSegundoArquivoSubstituiOPrimeiroPeloDialogo)
{
    const auto primeiro = ArquivoComChave("primeiro.vrt", "A");
    const auto segundo = ArquivoComChave("segundo.vrt", "C");
    ASSERT_TRUE(m_programa.Iniciar({QString::fromStdString(primeiro.string())}));
    m_respostas.Responder([&](QWidget* modal) {
        auto* dialogo = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->nameFilters(), QStringList({"Arquivos Quinaro (*.vrt)"}));
        EscolherArquivo(dialogo, segundo);
    });
    QTest::keyClick(&m_programa.Janela(), Qt::Key_O, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_FALSE(m_respostas.Pendente());
    ASSERT_NE(m_programa.Documento(), nullptr);
    EXPECT_EQ(m_programa.Documento()->Titulo(), "segundo.vrt");
    EXPECT_EQ(m_programa.m_app.Modelo()->Documentos().size(), 1);
    EXPECT_EQ(QtdeDeTelas(), 1);
    EXPECT_EQ(m_programa.m_app.Recentes().Lista(),
              QStringList({QString::fromStdString(segundo.string()), QString::fromStdString(primeiro.string())}));
    // A lista de recentes reabre o primeiro.
    QAction* recente = m_programa.Acao(Comando::kArquivoRecente1 + 1);
    EXPECT_TRUE(recente->isVisible());
    m_programa.Comando(Comando::kArquivoRecente1 + 1);
    EXPECT_EQ(m_programa.Documento()->Titulo(), "primeiro.vrt");
}

TEST_F(JanelaPrincipalTest, FecharATelaUnicaFechaODocumento)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_programa.TelaDeApostas()->Frame()->close();
    QApplication::processEvents();
    EXPECT_EQ(m_programa.Documento(), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(QtdeDeTelas(), 0);
    EXPECT_EQ(m_programa.Janela().MenuAtual(), Recurso::kPrincipal);
    EXPECT_FALSE(m_programa.Acao(Comando::kTelaDeApostas)->isChecked());
    EXPECT_FALSE(m_programa.Acao(Comando::kConferencia)->isChecked());
}

TEST_F(JanelaPrincipalTest, FecharPeloMenuFechaODocumento)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_programa.Comando(Comando::kFechar);
    EXPECT_EQ(m_programa.Documento(), nullptr);
    EXPECT_EQ(m_programa.Janela().MenuAtual(), Recurso::kPrincipal);
}

TEST_F(JanelaPrincipalTest, TituloSemODocumentoComATelaMaximizada)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_programa.TelaDeApostas()->Frame()->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(m_programa.Janela().windowTitle(), "Quinaro");
    m_programa.TelaDeApostas()->Frame()->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(m_programa.Janela().windowTitle(), "Quinaro - Quinaro1");
}

TEST_F(JanelaPrincipalTest, SalvarComoPeloDialogoEReabrir)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_programa.Documento()->Doc().m_chave_do_jogo[2] = "Z";
    const auto destino = m_programa.m_pasta / "salvo.vrt";
    m_respostas.Responder([&](QWidget* modal) {
        auto* dialogo = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->defaultSuffix(), "vrt");
        EscolherArquivo(dialogo, m_programa.m_pasta / "salvo");
    });
    QTest::keyClick(&m_programa.Janela(), Qt::Key_S, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_TRUE(std::filesystem::exists(destino));
    EXPECT_EQ(m_programa.Documento()->Titulo(), "salvo.vrt");
    EXPECT_EQ(m_programa.Janela().windowTitle(), "Quinaro - salvo.vrt");
    EXPECT_EQ(m_programa.m_app.Recentes().Lista().value(0), QString::fromStdString(destino.string()));
    // Com caminho, Salvar não pergunta.
    m_programa.Comando(Comando::kSalvar);
    EXPECT_FALSE(m_respostas.Pendente());

    m_programa.Comando(Comando::kNovo);
    ASSERT_NE(m_programa.m_app.AbrirArquivo(QString::fromStdString(destino.string())), nullptr);
    EXPECT_EQ(m_programa.Documento()->Doc().m_chave_do_jogo[2], "Z");
}

TEST_F(JanelaPrincipalTest, FalhaAoSalvarDizPorQueEDeixaODocumentoComoEstava)
{
    ASSERT_TRUE(m_programa.Iniciar());
    // Uma pasta no lugar do arquivo: nenhuma gravação passa, nem como root.
    const auto pasta = m_programa.m_pasta / "pasta.vrt";
    std::filesystem::create_directories(pasta);
    m_respostas.Responder([&](QWidget* modal) {
        EscolherArquivo(modal, pasta, false);
    });
    m_respostas.AceitarMensagem();
    m_programa.Comando(Comando::kSalvarComo);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_respostas.Textos(),
              QStringList({QString::fromStdString("Erro ao Salvar Arquivo: " + pasta.string() + ": não foi possível gravar")}));
    EXPECT_EQ(m_programa.Documento()->Titulo(), "Quinaro1");
    EXPECT_TRUE(m_programa.Documento()->Caminho().isEmpty());
    EXPECT_TRUE(m_programa.m_app.Recentes().Lista().isEmpty());
}

TEST_F(JanelaPrincipalTest, AjudaUsaACaminhoDosDadosOuAInstalacao)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_programa.Comando(Comando::kAjuda);
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    EXPECT_EQ(m_programa.m_navegador.m_abertos[0], m_programa.Instalacao() / "help" / "index.htm");

    m_programa.m_configuracoes.GravarTexto("dados", "path", "/opt/quinaro");
    m_programa.Comando(Comando::kAjuda);
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 2u);
    EXPECT_EQ(m_programa.m_navegador.m_abertos[1], std::filesystem::path("/opt/quinaro/help/index.htm"));
}

TEST_F(JanelaPrincipalTest, ListagemDeResultadosSemArquivoAvisaENaoAbreNada)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_respostas.AceitarMensagem();
    m_programa.Comando(Comando::kResultadosVarenta);
    ASSERT_EQ(m_respostas.Mensagens().size(), 1);
    EXPECT_EQ(m_respostas.Mensagens()[0].texto, "Erro ao Abrir Arquivo");
    EXPECT_EQ(m_respostas.Mensagens()[0].icone, QMessageBox::Warning);
    EXPECT_TRUE(m_programa.m_navegador.m_abertos.empty());
}

// O relatório que não se grava diz "Salvar", com o caminho e o motivo, não "Abrir".
TEST_F(JanelaPrincipalTest, RelatorioQueNaoSeGravaAvisaErroAoSalvar)
{
    ASSERT_TRUE(m_programa.Iniciar());
    const auto dados = m_programa.Documentos() / "Quinaro Professional";
    std::filesystem::create_directories(dados / "resultados");
    ASSERT_TRUE(GravarArquivoDeResultados(dados / "resultados" / "Varenta.dat", {}));
    const auto relatorio = dados / "relatorios" / "Varenta.htm";
    std::filesystem::create_directories(relatorio / "ocupado");
    m_respostas.AceitarMensagem();
    m_programa.Comando(Comando::kResultadosVarenta);
    ASSERT_EQ(m_respostas.Mensagens().size(), 1);
    EXPECT_EQ(m_respostas.Mensagens()[0].texto,
              QString::fromStdString("Erro ao Salvar Arquivo: " + relatorio.string() + ": não foi possível gravar"));
    EXPECT_EQ(m_respostas.Mensagens()[0].icone, QMessageBox::Warning);
    EXPECT_TRUE(m_programa.m_navegador.m_abertos.empty());
}

TEST_F(JanelaPrincipalTest, GraficosSemArquivoAvisamEArquivoDanificadoEncerraComErro)
{
    ASSERT_TRUE(m_programa.Iniciar());
    const int graficos[] = {Comando::kFrequenciaResultados, Comando::kGolsPorTime, Comando::kTotalDeGols,
                            Comando::kResultadosPorColunaTime1, Comando::kResultadosPorColunaTime2,
                            Comando::kTotalResultadosPorColuna};
    for (int id : graficos) {
        m_respostas.AceitarMensagem();
        m_programa.Comando(id);
        EXPECT_FALSE(m_respostas.Pendente()) << id;
    }
    EXPECT_EQ(m_respostas.Textos(), QStringList(6, "Erro ao Abrir Arquivo"));

    // Um arquivo de resultados danificado termina o comando com o ícone de parada.
    const auto resultados = m_programa.Documentos() / "Quinaro Professional" / "resultados";
    std::filesystem::create_directories(resultados);
    GravarBytes(resultados / "Varenta.dat", std::string("\x05\x00\xff", 3));
    m_respostas.AceitarMensagem();
    m_programa.Comando(Comando::kFrequenciaResultados);
    ASSERT_EQ(m_respostas.Mensagens().size(), 7);
    EXPECT_EQ(m_respostas.Mensagens()[6].icone, QMessageBox::Critical);
    EXPECT_NE(m_respostas.Mensagens()[6].texto.indexOf("Varenta.dat"), -1) << m_respostas.Mensagens()[6].texto.toStdString();
    EXPECT_TRUE(m_programa.m_navegador.m_abertos.empty());
}

TEST_F(JanelaPrincipalTest, RelatoriosDoDocumentoVaoParaONavegador)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_programa.Comando(Comando::kRelatorioDeApostas);
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    const auto relatorio = m_programa.m_navegador.m_abertos[0];
    EXPECT_EQ(relatorio.filename(), "Varenta.htm");
    EXPECT_NE(LerBytes(relatorio).find("Listagem das Apostas"), std::string::npos);

    // Comprovantes: o número do concurso passa pela conferência do campo.
    m_respostas.Responder([](QWidget* modal) {
        auto* dialogo = qobject_cast<CConcursoDlg*>(modal);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->windowTitle(), "Concurso");
        dialogo->Campo()->setText(QStringLiteral("-3"));
        static_cast<QDialog*>(dialogo)->accept();
    });
    m_respostas.AceitarMensagem();
    m_respostas.Responder([](QWidget* modal) {
        auto* dialogo = qobject_cast<CConcursoDlg*>(modal);
        ASSERT_NE(dialogo, nullptr);
        dialogo->Campo()->setText(QStringLiteral("4294967296"));
        static_cast<QDialog*>(dialogo)->accept();
    });
    m_respostas.AceitarMensagem();
    m_respostas.Responder([](QWidget* modal) {
        auto* dialogo = qobject_cast<CConcursoDlg*>(modal);
        ASSERT_NE(dialogo, nullptr);
        // O maior número sem sinal de 32 bits, como o comprovante o escreve.
        dialogo->Campo()->setText(QStringLiteral("4294967295"));
        static_cast<QDialog*>(dialogo)->accept();
    });
    m_programa.Comando(Comando::kComprovantes);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_respostas.Textos(), QStringList({"Enter a positive integer.", "Enter a positive integer."}));
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 2u);
    EXPECT_NE(LerBytes(m_programa.m_navegador.m_abertos[1]).find("Concurso : 4294967295"), std::string::npos);
}

TEST_F(JanelaPrincipalTest, ComprovantesDesistidosNaoGravamNemAbremNada)
{
    ASSERT_TRUE(m_programa.Iniciar());
    const auto relatorio = m_programa.Documentos() / "Quinaro Professional" / "relatorios" / "Varenta.htm";
    struct SDesistencia {
        const char* nome;
        std::function<void(CConcursoDlg&)> desistir;
    } const desistencias[] = {
        {"Esc", [](CConcursoDlg& dialogo) { QTest::keyClick(dialogo.Campo(), Qt::Key_Escape); }},
        {"Cancelar",
         [](CConcursoDlg& dialogo) {
             QPushButton* cancelar = nullptr;
             for (QPushButton* botao : dialogo.findChildren<QPushButton*>())
                 if (botao->text() == QStringLiteral("Cancelar"))
                     cancelar = botao;
             ASSERT_NE(cancelar, nullptr);
             dialogo.Campo()->setText(QStringLiteral("12"));
             Clicar(cancelar);
         }},
        {"fechar a janela", [](CConcursoDlg& dialogo) { dialogo.close(); }},
    };
    for (const SDesistencia& desistencia : desistencias) {
        SCOPED_TRACE(desistencia.nome);
        m_respostas.Responder([&](QWidget* modal) {
            auto* dialogo = qobject_cast<CConcursoDlg*>(modal);
            ASSERT_NE(dialogo, nullptr);
            desistencia.desistir(*dialogo);
        });
        m_programa.Comando(Comando::kComprovantes);
        EXPECT_FALSE(m_respostas.Pendente());
        EXPECT_FALSE(std::filesystem::exists(relatorio));
        EXPECT_TRUE(m_programa.m_navegador.m_abertos.empty());
    }
}

TEST_F(JanelaPrincipalTest, ConferenciaDuasVezesCriaUmaTelaSo)
{
    ASSERT_TRUE(m_programa.Iniciar());
    m_programa.Janela().AtualizarInterface();
    if (!m_programa.Acao(Comando::kConferencia)->isEnabled())
        GTEST_SKIP() << "tela de conferência ainda não registrada";
    m_programa.TelaDeApostas()->Frame()->showMaximized();
    // Sem arquivo de resultados, a tela de conferência avisa ao ser mostrada.
    m_respostas.AceitarMensagem();
    m_programa.Comando(Comando::kConferencia);
    EXPECT_EQ(m_respostas.Textos(), QStringList({"Erro ao Abrir Arquivo"}));
    EXPECT_EQ(QtdeDeTelas(), 2);
    auto* conferencia = m_programa.Janela().FrameAtivo();
    ASSERT_NE(conferencia, nullptr);
    EXPECT_EQ(conferencia->Recurso(), Recurso::kTelaDeConferencia);
    EXPECT_TRUE(conferencia->isMaximized());
    EXPECT_TRUE(m_programa.Acao(Comando::kConferencia)->isChecked());
    EXPECT_FALSE(m_programa.Acao(Comando::kTelaDeApostas)->isChecked());
    EXPECT_EQ(m_programa.Janela().MenuAtual(), Recurso::kTelaDeConferencia);
    EXPECT_FALSE(m_programa.Acao(Comando::kComprovantes)->isEnabled());

    m_programa.Comando(Comando::kTelaDeApostas);
    m_programa.Comando(Comando::kConferencia);
    EXPECT_EQ(QtdeDeTelas(), 2);
    EXPECT_EQ(m_programa.Janela().FrameAtivo(), conferencia);

    // Fechar a tela de apostas deixa o documento; "Tela de Apostas" a refaz a partir dele.
    m_programa.Documento()->Doc().m_chave_do_jogo[4] = "K";
    m_programa.TelaDeApostas()->Frame()->close();
    QApplication::processEvents();
    ASSERT_NE(m_programa.Documento(), nullptr);
    EXPECT_EQ(m_programa.TelaDeApostas(), nullptr);
    m_programa.Comando(Comando::kTelaDeApostas);
    ASSERT_NE(m_programa.TelaDeApostas(), nullptr);
    EXPECT_EQ(m_programa.TelaDeApostas()->findChild<QLineEdit*>("chave5")->text(), "K");
    EXPECT_EQ(QtdeDeTelas(), 2);
    // Fechar a última tela fecha o documento; alterado, ele pergunta antes.
    m_programa.TelaDeApostas()->Frame()->close();
    QApplication::processEvents();
    m_respostas.Responder([](QWidget* modal) {
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(caixa, nullptr) << modal->windowTitle().toStdString();
        EXPECT_EQ(caixa->text(), "Salvar alterações em Quinaro1?");
        for (QAbstractButton* botao : caixa->buttons())
            if (botao->text() == "Não")
                Clicar(botao);
    });
    conferencia->close();
    QApplication::processEvents();
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_programa.Documento(), nullptr);
}

// As duas telas abertas: o menu "&Janela" com a lista numerada e a marca na ativa.
class JanelasDasTelas : public JanelaPrincipalTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.Iniciar());
        m_respostas.AceitarMensagem();  // sem arquivo de resultados
        m_programa.Comando(Comando::kConferencia);
        ASSERT_EQ(QtdeDeTelas(), 2);
        m_apostas = m_programa.TelaDeApostas()->Frame();
        m_conferencia = m_programa.Janela().FrameAtivo();
    }

    QMenu* MenuJanela() const
    {
        for (QAction* acao : m_programa.Janela().menuBar()->actions())
            if (acao->text() == "&Janela")
                return acao->menu();
        return nullptr;
    }

    // O menu aberto como o usuário o abre: os itens da lista e qual está marcado.
    QStringList ItensDaLista(QString& marcado) const
    {
        QMenu* menu = MenuJanela();
        EXPECT_NE(menu, nullptr);
        if (menu == nullptr)
            return {};
        menu->popup(QPoint(0, 0));
        QApplication::processEvents();
        QStringList itens;
        marcado.clear();
        for (QAction* acao : menu->actions())
            if (acao->text().startsWith(u'&') && acao->text().at(1).isDigit()) {
                itens.append(acao->text());
                if (acao->isChecked())
                    marcado += acao->text();
            }
        menu->hide();
        return itens;
    }

    void EscolherNaLista(const QString& item) const
    {
        QMenu* menu = MenuJanela();
        menu->popup(QPoint(0, 0));
        QApplication::processEvents();
        for (QAction* acao : menu->actions())
            if (acao->text() == item)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(acao).center());
        QApplication::processEvents();
    }

    CChildFrame* m_apostas = nullptr;
    CChildFrame* m_conferencia = nullptr;
};

TEST_F(JanelasDasTelas, MenuJanelaListaAsTelasEMarcaAAtiva)
{
    ASSERT_EQ(m_programa.Janela().FrameAtivo(), m_conferencia);
    QString marcado;
    EXPECT_EQ(ItensDaLista(marcado), QStringList({"&1 Tela de Apostas", "&2 Conferência"}));
    EXPECT_EQ(marcado, "&2 Conferência");

    EscolherNaLista(QStringLiteral("&1 Tela de Apostas"));
    EXPECT_EQ(m_programa.Janela().FrameAtivo(), m_apostas);
    EXPECT_EQ(ItensDaLista(marcado).size(), 2);
    EXPECT_EQ(marcado, "&1 Tela de Apostas");

    // Uma tela fechada sai da lista.
    m_conferencia->close();
    QApplication::processEvents();
    EXPECT_EQ(ItensDaLista(marcado), QStringList({"&1 Tela de Apostas"}));
}

TEST_F(JanelasDasTelas, F6EShiftF6PassamDeTela)
{
    struct SCaso {
        Qt::KeyboardModifiers modificadores;
        bool apostas;  // a tela ativa depois: a de apostas ou a de conferência
    };
    const SCaso casos[] = {
        {Qt::NoModifier, true},
        {Qt::NoModifier, false},
        {Qt::ShiftModifier, true},
        {Qt::ShiftModifier, false},
    };
    // A caixa da tela de conferência deixou a janela sem ativação; o usuário volta a ela.
    m_programa.Janela().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_programa.Janela()));
    for (const SCaso& caso : casos) {
        QTest::keyClick(&m_programa.Janela(), Qt::Key_F6, caso.modificadores);
        QApplication::processEvents();
        EXPECT_EQ(m_programa.Janela().FrameAtivo(), caso.apostas ? m_apostas : m_conferencia)
            << (caso.modificadores == Qt::NoModifier ? "F6" : "Shift+F6");
    }
}

TEST_F(JanelasDasTelas, CascataEFaixasMantemTamanhoUtil)
{
    // Área grande e área menor que duas telas: nenhuma tela encolhe abaixo da moldura da
    // tela de apostas, a não ser que a própria área seja menor.
    const QSize janelas[] = {QSize(1600, 1100), QSize(1000, 700), QSize(700, 450)};
    for (const QSize& tamanho : janelas)
        for (int comando : {Comando::kCascata, Comando::kFaixas}) {
            SCOPED_TRACE(std::to_string(tamanho.width()) + "x" + std::to_string(tamanho.height()) + " " +
                         std::to_string(comando));
            m_programa.Janela().showNormal();
            m_programa.Janela().resize(tamanho);
            QApplication::processEvents();
            m_programa.Comando(comando);
            const QSize area = m_programa.Janela().AreaMdi()->contentsRect().size();
            QList<QRect> lugares;
            for (QMdiSubWindow* tela : m_programa.Janela().AreaMdi()->subWindowList()) {
                // Com faixas além da área, a barra de rolagem fica com parte da largura.
                EXPECT_GE(tela->width(), std::min(780, m_programa.Janela().AreaMdi()->viewport()->width()));
                EXPECT_GE(tela->height(), std::min(480, area.height()));
                EXPECT_LE(tela->width(), std::max(area.width(), 780));
                lugares.append(tela->geometry());
            }
            ASSERT_EQ(lugares.size(), 2);
            // Em cascata, deslocadas; em faixas, uma embaixo da outra sem se cobrir.
            EXPECT_NE(lugares[0].topLeft(), lugares[1].topLeft());
            if (comando == Comando::kFaixas)
                EXPECT_FALSE(lugares[0].intersects(lugares[1]));
        }
    SalvarCaptura(&m_programa.Janela(), QStringLiteral("janelas_em_faixas.png"));
}

}  // namespace
