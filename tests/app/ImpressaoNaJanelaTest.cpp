// Impressão pela janela principal: os comandos só com a tela de apostas na frente, a
// visualização das páginas, a impressão num PDF pelo diálogo de impressão e o diálogo
// "Configurar Impressão" pelo menu.
#include "tests/app/GuardaDeModais.h"
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"

#include "tests/support/CartoesDeTeste.h"
#include "printing/ConfiguracaoDeImpressao.h"
#include "document/VarentaDoc.h"
#include "app/apostas/ScoreForm.h"
#include "app/impressao/ConfigurarImpressaoDlg.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace C = ChaveDeImpressao;

class ImpressaoNaJanela : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_programa.Iniciar()); }

    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }

    void PorCartoes(int quantos)
    {
        const auto modelo = DocumentoComCartoes(quantos, 1);
        Doc().m_valor_da_aposta = modelo->m_valor_da_aposta;
        Doc().m_volantes.Transferir(modelo->m_volantes);
    }

    bool Habilitado(int id) const
    {
        m_programa.Janela().AtualizarInterface();
        return m_programa.Acao(id)->isEnabled();
    }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    CGuardaDeModais m_guarda{m_respostas};
};

TEST_F(ImpressaoNaJanela, ImprimirEVisualizarSoComATelaDeApostas)
{
    struct SComando {
        int id;
        bool na_conferencia;
    };
    const SComando comandos[] = {{Comando::kImprimir, false},
                                 {Comando::kVisualizarImpressao, false},
                                 {Comando::kConfigurarImpressora, true},
                                 {Comando::kConfigurarImpressaoDoCartao, true}};
    for (const SComando& comando : comandos)
        EXPECT_TRUE(Habilitado(comando.id)) << comando.id;
    EXPECT_EQ(m_programa.Acao(Comando::kImprimir)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    // Sem arquivo de resultados, a tela de conferência avisa ao abrir.
    m_respostas.AceitarMensagem();
    m_programa.Comando(Comando::kConferencia);
    EXPECT_EQ(m_respostas.Textos(), QStringList{QStringLiteral("Erro ao Abrir Arquivo")});
    for (const SComando& comando : comandos)
        EXPECT_EQ(Habilitado(comando.id), comando.na_conferencia) << comando.id;

    m_programa.Comando(Comando::kTelaDeApostas);
    EXPECT_TRUE(Habilitado(Comando::kImprimir));
}

TEST_F(ImpressaoNaJanela, VisualizacaoMostraAsPaginasDasFolhas)
{
    PorCartoes(5);
    int paginas = -1;
    m_respostas.Responder([&](QWidget* modal) {
        auto* visualizacao = qobject_cast<QPrintPreviewDialog*>(modal);
        ASSERT_NE(visualizacao, nullptr) << modal->metaObject()->className();
        auto* widget = visualizacao->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        visualizacao->resize(1000, 760);
        widget->setViewMode(QPrintPreviewWidget::AllPagesView);
        widget->fitInView();
        QApplication::processEvents();
        paginas = widget->pageCount();
        SalvarCaptura(visualizacao, QStringLiteral("visualizar_impressao.png"));
        visualizacao->reject();
    });
    m_programa.Comando(Comando::kVisualizarImpressao);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(paginas, 2);
}

TEST_F(ImpressaoNaJanela, ImprimirNumPdfPeloDialogoDeImpressao)
{
    PorCartoes(2);
    m_programa.m_configuracoes.GravarInteiro(C::kSecao, C::kTipo, kTipoVolantes);
    const auto pdf = m_programa.m_pasta / "impresso.pdf";
    m_respostas.Responder([&](QWidget* modal) {
        auto* dialogo = qobject_cast<QPrintDialog*>(modal);
        ASSERT_NE(dialogo, nullptr) << modal->metaObject()->className();
        // "Print to File (PDF)" do próprio diálogo, haja ou não impressoras no sistema.
        auto* impressoras = dialogo->findChild<QComboBox*>(QStringLiteral("printers"));
        ASSERT_NE(impressoras, nullptr);
        const int pdf_no_dialogo = impressoras->findText(QStringLiteral("Print to File (PDF)"));
        ASSERT_GE(pdf_no_dialogo, 0);
        impressoras->setCurrentIndex(pdf_no_dialogo);
        auto* arquivo = dialogo->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_NE(arquivo, nullptr);
        arquivo->setText(QString::fromStdString(pdf.string()));
        dialogo->accept();
    });
    m_programa.Comando(Comando::kImprimir);
    EXPECT_FALSE(m_respostas.Pendente());
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(LerBytes(pdf).substr(0, 5), "%PDF-");
}

TEST_F(ImpressaoNaJanela, ConfigurarImpressaoDoCartaoPeloMenu)
{
    m_respostas.Responder([](QWidget* modal) {
        auto* dialogo = qobject_cast<CConfigurarImpressaoDlg*>(modal);
        ASSERT_NE(dialogo, nullptr) << modal->metaObject()->className();
        Clicar(dialogo->Volantes());
        dialogo->accept();
    });
    m_programa.Comando(Comando::kConfigurarImpressaoDoCartao);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_programa.m_configuracoes.LerInteiro(C::kSecao, C::kTipo, -1), kTipoVolantes);
}

}  // namespace
