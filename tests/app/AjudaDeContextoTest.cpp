// F1 abre o manual na seção da janela em que foi apertado: diálogos abertos pelo menu e
// a janela principal (a seção da tela ativa).

#include "tests/app/GuardaDeModais.h"
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"

#include "app/dialogos/FiltrosDlg.h"
#include "app/resultados/DlgProxy.h"
#include "app/shell/Comandos.h"
#include "app/shell/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class AjudaDeContexto : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_programa.Iniciar()); }

    // Abre o diálogo pelo menu, aperta F1 nele e o fecha com "Cancelar".
    template <class Dialogo>
    void F1NoDialogoDoComando(int comando)
    {
        m_respostas.Responder([](QWidget* modal) {
            ASSERT_NE(qobject_cast<Dialogo*>(modal), nullptr) << modal->metaObject()->className();
            QWidget* foco = modal->focusWidget() != nullptr ? modal->focusWidget() : modal;
            QTest::keyClick(foco, Qt::Key_F1);
            // O diálogo continua aberto: F1 não o fecha nem o confirma.
            EXPECT_TRUE(modal->isVisible());
            static_cast<QDialog*>(modal)->reject();
        });
        m_programa.Comando(comando);
        ASSERT_FALSE(m_respostas.Pendente());
    }

    const std::vector<std::string>& Secoes() const { return m_programa.m_navegador.m_secoes; }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    CGuardaDeModais m_guarda{m_respostas};
};

TEST_F(AjudaDeContexto, F1NosFiltrosAbreASecaoDosFiltros)
{
    F1NoDialogoDoComando<CFiltrosDlg>(Comando::kConfigurarFiltros);
    EXPECT_EQ(Secoes(), std::vector<std::string>{"filtros.htm#filtros"});
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    EXPECT_EQ(m_programa.m_navegador.m_abertos[0], m_programa.Instalacao() / "help" / "filtros.htm");
}

TEST_F(AjudaDeContexto, F1NoAcessoAInternetAbreASecaoDaConfiguracao)
{
    F1NoDialogoDoComando<CDlgProxy>(Comando::kConfigurarInternet);
    EXPECT_EQ(Secoes(), std::vector<std::string>{"internet.htm#configurar"});
}

TEST_F(AjudaDeContexto, F1NaJanelaPrincipalAbreASecaoDaTelaAtiva)
{
    QTest::keyClick(&m_programa.Janela(), Qt::Key_F1);
    // Sem arquivo de resultados a conferência avisa ao abrir; a tela abre assim mesmo.
    m_respostas.AceitarMensagem();
    m_programa.Comando(Comando::kConferencia);
    QWidget* foco = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &m_programa.Janela();
    QTest::keyClick(foco, Qt::Key_F1);
    EXPECT_EQ(Secoes(), (std::vector<std::string>{"apostas.htm#quadro", "conferencia.htm#tela"}));
}

TEST_F(AjudaDeContexto, AtalhoF1DoComandoDeAjudaNaoAbreUmaSegundaPagina)
{
    // O atalho F1 do comando de ajuda (quando houver) não abre uma segunda página.
    m_programa.Acao(Comando::kAjuda)->setShortcut(QKeySequence(Qt::Key_F1));
    m_programa.Janela().AtualizarInterface();
    QTest::keyClick(&m_programa.Janela(), Qt::Key_F1);
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    EXPECT_EQ(Secoes(), std::vector<std::string>{"apostas.htm#quadro"});
}

}  // namespace
