// "Configurar Impressão": padrões do diálogo, margens em milímetros, o tipo trazendo a
// sua página para a frente e o que o OK e o "Cancelar" gravam.
#include "tests/app/CaixasModais.h"
#include "tests/app/GuardaDeModais.h"
#include "tests/app/Interacao.h"

#include "printing/ConfiguracaoDeImpressao.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "app/controles/ColorPickerCB.h"
#include "app/impressao/ConfigurarImpressaoDlg.h"
#include "app/impressao/ConfigurarImpressaoFolhaDlg.h"
#include "app/impressao/ConfigurarImpressaoVolanteDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace C = ChaveDeImpressao;
constexpr int kAusente = -12345;

class ImpressaoDialogo : public testing::Test {
protected:
    std::unique_ptr<CConfigurarImpressaoDlg> Abrir()
    {
        auto dialogo = std::make_unique<CConfigurarImpressaoDlg>(m_configuracoes);
        dialogo->show();
        QApplication::processEvents();
        return dialogo;
    }

    void Confirmar(CConfigurarImpressaoDlg& dialogo)
    {
        Clicar(dialogo.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
        QApplication::processEvents();
    }

    int Lido(const char* nome) const { return m_configuracoes.LerInteiro(C::kSecao, nome, kAusente); }

    static void Digitar(QLineEdit* campo, const QString& texto)
    {
        campo->selectAll();
        QTest::keyClicks(campo, texto);
    }

    CConfiguracoesEmMemoria m_configuracoes;
    CRespostasModais m_respostas;
    CGuardaDeModais m_guarda{m_respostas};
};

TEST_F(ImpressaoDialogo, PadroesDoDialogoSemNenhumaChave)
{
    const auto dialogo = Abrir();
    EXPECT_EQ(dialogo->windowTitle(), "Configurar Impressão");
    EXPECT_EQ(dialogo->Abas()->tabText(0), "Folha");
    EXPECT_EQ(dialogo->Abas()->tabText(1), "Volante");
    EXPECT_EQ(dialogo->Abas()->currentIndex(), 0);
    EXPECT_TRUE(dialogo->Folhas()->isChecked());
    EXPECT_FALSE(dialogo->Volantes()->isChecked());
    const CConfigurarImpressaoFolhaDlg& folha = *dialogo->PaginaDaFolha();
    const CConfigurarImpressaoVolanteDlg& volante = *dialogo->PaginaDoVolante();
    for (const QLineEdit* campo : {folha.MargemX(), folha.MargemY(), volante.MargemX(), volante.MargemY()})
        EXPECT_EQ(campo->text(), "20");
    const bool linhas[] = {false, false, true, true};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(folha.Linha(i)->isChecked(), linhas[i]) << "linha " << i;
    EXPECT_EQ(folha.Cor()->currentIndex(), 4);
    EXPECT_EQ(folha.Cor()->currentText(), "Oliva");

    GravarCaptura(*dialogo, QStringLiteral("configurar_impressao_folha.png"));
    Clicar(dialogo->Volantes());
    GravarCaptura(*dialogo, QStringLiteral("configurar_impressao_volante.png"));
}

TEST_F(ImpressaoDialogo, ConfirmarSemMudarGravaOsPadroesDoDialogo)
{
    Confirmar(*Abrir());
    EXPECT_EQ(Lido(C::kTipo), 0);
    for (const char* margem : {C::kVolanteMargemX, C::kVolanteMargemY, C::kFolhaMargemX, C::kFolhaMargemY})
        EXPECT_EQ(Lido(margem), 2000) << margem;
    EXPECT_EQ(Lido(C::kPrimeiraLinhaVertical), 0);
    EXPECT_EQ(Lido(C::kSegundaLinhaVertical), 0);
    EXPECT_EQ(Lido(C::kTerceiraLinhaVertical), 1);
    EXPECT_EQ(Lido(C::kLinhaHorizontal), 1);
    EXPECT_EQ(Lido(C::kCorDasLinhas), 4);
    EXPECT_EQ(Lido(C::kCorDasLinhasRgb), 128 | 128 << 8);
    // A impressão passa a usar 20 mm nos volantes também (não mais 32 / 75).
    const SConfiguracaoDeImpressao impressao = LerConfiguracaoDeImpressao(m_configuracoes);
    EXPECT_EQ(impressao.volante_margem_x, 2000);
    EXPECT_EQ(impressao.volante_margem_y, 2000);
    EXPECT_EQ(impressao.folha_margem_y, 2000);
}

TEST_F(ImpressaoDialogo, MargensDigitadasEmMilimetros)
{
    struct SCaso {
        const char* digitado;
        int gravado;
        const char* mostrado;
    };
    const SCaso casos[] = {
        {"12.345", 1234, "12.34"}, {"-3", -300, "-3"},   {"32.567", 3256, "32.56"}, {"12.29", 1229, "12.29"},
        {"0.29", 29, "0.29"},      {" 20 ", 2000, "20"}, {"1e1", 1000, "10"},       {"-0.005", 0, "0"},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.digitado);
        {
            const auto dialogo = Abrir();
            Digitar(dialogo->PaginaDaFolha()->MargemX(), QString::fromUtf8(caso.digitado));
            Digitar(dialogo->PaginaDoVolante()->MargemY(), QString::fromUtf8(caso.digitado));
            Confirmar(*dialogo);
        }
        EXPECT_EQ(Lido(C::kFolhaMargemX), caso.gravado);
        EXPECT_EQ(Lido(C::kVolanteMargemY), caso.gravado);
        const auto reaberto = Abrir();
        EXPECT_EQ(reaberto->PaginaDaFolha()->MargemX()->text(), caso.mostrado);
        EXPECT_EQ(reaberto->PaginaDoVolante()->MargemY()->text(), caso.mostrado);
    }
}

TEST_F(ImpressaoDialogo, MargemQueNaoENumeroAvisaEGravaOQueFoiCarregado)
{
    m_configuracoes.GravarInteiro(C::kSecao, C::kFolhaMargemY, 1500);
    const auto dialogo = Abrir();
    CConfigurarImpressaoFolhaDlg& folha = *dialogo->PaginaDaFolha();
    Digitar(folha.MargemX(), QStringLiteral("12 mm"));
    Digitar(folha.MargemY(), QStringLiteral("7"));
    folha.Linha(0)->setChecked(true);
    folha.Cor()->setCurrentIndex(10);
    Digitar(dialogo->PaginaDoVolante()->MargemX(), QStringLiteral("31"));
    m_respostas.AceitarMensagem();
    Confirmar(*dialogo);

    EXPECT_EQ(m_respostas.Textos(), QStringList{QStringLiteral("Enter a number.")});
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
    EXPECT_FALSE(dialogo->isVisible());
    // Os campos da folha depois do recusado ficam como abertos; a outra página é lida.
    EXPECT_EQ(Lido(C::kFolhaMargemX), 2000);
    EXPECT_EQ(Lido(C::kFolhaMargemY), 1500);
    EXPECT_EQ(Lido(C::kPrimeiraLinhaVertical), 0);
    EXPECT_EQ(Lido(C::kCorDasLinhas), 4);
    EXPECT_EQ(Lido(C::kCorDasLinhasRgb), 128 | 128 << 8);
    EXPECT_EQ(Lido(C::kVolanteMargemX), 3100);
    EXPECT_EQ(Lido(C::kTipo), 0);
}

TEST_F(ImpressaoDialogo, TipoTrazASuaPaginaParaAFrenteECancelarNaoGrava)
{
    const auto dialogo = Abrir();
    Clicar(dialogo->Volantes());
    EXPECT_EQ(dialogo->Abas()->currentIndex(), 1);
    EXPECT_EQ(dialogo->Abas()->tabText(dialogo->Abas()->currentIndex()), "Volante");
    // A outra página continua à mão.
    EXPECT_TRUE(dialogo->Abas()->isTabEnabled(0));
    Clicar(dialogo->Folhas());
    EXPECT_EQ(dialogo->Abas()->currentIndex(), 0);
    Clicar(dialogo->Volantes());
    Clicar(dialogo->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
    EXPECT_EQ(dialogo->result(), QDialog::Rejected);
    EXPECT_EQ(Lido(C::kTipo), kAusente);
    EXPECT_EQ(Lido(C::kFolhaMargemX), kAusente);
}

TEST_F(ImpressaoDialogo, ValoresGravadosVoltamAoAbrir)
{
    m_configuracoes.GravarInteiro(C::kSecao, C::kTipo, 1);
    m_configuracoes.GravarInteiro(C::kSecao, C::kVolanteMargemX, 3250);
    m_configuracoes.GravarInteiro(C::kSecao, C::kPrimeiraLinhaVertical, 1);
    m_configuracoes.GravarInteiro(C::kSecao, C::kLinhaHorizontal, 0);
    m_configuracoes.GravarInteiro(C::kSecao, C::kCorDasLinhas, 13);
    {
        const auto dialogo = Abrir();
        EXPECT_EQ(dialogo->Abas()->currentIndex(), 1);
        EXPECT_TRUE(dialogo->Volantes()->isChecked());
        EXPECT_EQ(dialogo->PaginaDoVolante()->MargemX()->text(), "32.5");
        EXPECT_TRUE(dialogo->PaginaDaFolha()->Linha(0)->isChecked());
        EXPECT_FALSE(dialogo->PaginaDaFolha()->Linha(3)->isChecked());
        EXPECT_EQ(dialogo->PaginaDaFolha()->Cor()->currentText(), "Azul");
        Confirmar(*dialogo);
    }
    EXPECT_EQ(Lido(C::kTipo), 1);
    EXPECT_EQ(Lido(C::kCorDasLinhasRgb), 255 << 16);
    EXPECT_EQ(Lido(C::kLinhaHorizontal), 0);

    // Uma cor fora da lista não escolhe nada: grava cor 0.
    m_configuracoes.GravarInteiro(C::kSecao, C::kCorDasLinhas, 40);
    Confirmar(*Abrir());
    EXPECT_EQ(Lido(C::kCorDasLinhas), -1);
    EXPECT_EQ(Lido(C::kCorDasLinhasRgb), 0);
}

}  // namespace
