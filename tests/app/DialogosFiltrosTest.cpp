// Diálogo "Filtros": carga dos valores, faixas das setas, OK, "Cancelar" e campo inválido.
#include "tests/app/CaixasModais.h"
#include "tests/app/Interacao.h"

#include "core/ConfiguracoesEmMemoria.h"
#include "core/Filtro.h"
#include "app/controles/CampoInteiro.h"
#include "app/dialogos/FiltrosDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Guarda também a ordem das gravações.
class CConfiguracoesGravadas : public CConfiguracoesEmMemoria {
public:
    void GravarInteiro(const std::string& secao, const std::string& nome, int valor) override
    {
        m_gravados.push_back(secao + "/" + nome);
        CConfiguracoesEmMemoria::GravarInteiro(secao, nome, valor);
    }

    std::vector<std::string> m_gravados;
};

std::string Chave(const char* prefixo, int criterio)
{
    return std::string(prefixo) + kFiltros[static_cast<size_t>(criterio)].nome;
}

int Lido(const IConfiguracoes& configuracoes, const char* prefixo, int criterio)
{
    return configuracoes.LerInteiro(kSecaoFiltros, Chave(prefixo, criterio), -999);
}

class DialogoDeFiltros : public ::testing::Test {
protected:
    QPushButton* Botao(CFiltrosDlg& dialogo, QDialogButtonBox::ButtonRole papel)
    {
        auto* botoes = dialogo.findChild<QDialogButtonBox*>();
        for (QAbstractButton* botao : botoes->buttons())
            if (botoes->buttonRole(botao) == papel)
                return qobject_cast<QPushButton*>(botao);
        return nullptr;
    }

    void Digitar(CCampoInteiro* campo, const QString& texto)
    {
        campo->CampoDeTexto()->selectAll();
        QTest::keyClicks(campo->CampoDeTexto(), texto);
    }

    CConfiguracoesGravadas m_configuracoes;
};

}  // namespace

TEST_F(DialogoDeFiltros, MostraOsValoresGuardadosOuOsPadroes)
{
    m_configuracoes.CConfiguracoesEmMemoria::GravarInteiro(kSecaoFiltros, Chave("m_bool_", 3), 1);
    m_configuracoes.CConfiguracoesEmMemoria::GravarInteiro(kSecaoFiltros, Chave("m_min_", 3), 2);
    CFiltrosDlg dialogo(m_configuracoes);
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Filtros"));

    for (int criterio = 0; criterio < kQtdeDeFiltros; ++criterio) {
        const SDefinicaoDeFiltro& filtro = kFiltros[static_cast<size_t>(criterio)];
        EXPECT_EQ(dialogo.Ligado(criterio)->text(), QString::fromUtf8(filtro.rotulo_do_dialogo));
        EXPECT_EQ(dialogo.Ligado(criterio)->isChecked(), criterio == 3);
        EXPECT_EQ(dialogo.Minimo(criterio)->text(), QString::number(criterio == 3 ? 2 : 0));
        EXPECT_EQ(dialogo.Maximo(criterio)->text(), QString::number(filtro.maximo));
    }
    EXPECT_EQ(dialogo.Maximo(8)->text(), QStringLiteral("40"));
    EXPECT_TRUE(m_configuracoes.m_gravados.empty());
}

TEST_F(DialogoDeFiltros, QuatroGruposComCabecalhosEOsegundoNaOrdem45687)
{
    CFiltrosDlg dialogo(m_configuracoes);
    const QList<QGroupBox*> grupos = dialogo.findChildren<QGroupBox*>();
    ASSERT_EQ(grupos.size(), 4);
    for (QGroupBox* grupo : grupos) {
        QStringList cabecalhos;
        for (QLabel* rotulo : grupo->findChildren<QLabel*>())
            cabecalhos << rotulo->text();
        EXPECT_EQ(cabecalhos, (QStringList{"Min.", "Max."}));
    }
    dialogo.show();
    std::vector<int> ordem;
    for (int criterio : {3, 4, 5, 6, 7})
        ordem.push_back(dialogo.Ligado(criterio)->mapTo(&dialogo, QPoint()).y());
    EXPECT_LT(ordem[0], ordem[1]);
    EXPECT_LT(ordem[1], ordem[2]);
    EXPECT_LT(ordem[2], ordem[4]);  // 6 antes de 8
    EXPECT_LT(ordem[4], ordem[3]);  // 8 antes de 7
    GravarCaptura(dialogo, QStringLiteral("filtros.png"));
}

TEST_F(DialogoDeFiltros, SetasFicamNaFaixaMasOTextoDigitadoVale)
{
    CFiltrosDlg dialogo(m_configuracoes);
    dialogo.show();
    CCampoInteiro* maximo = dialogo.Maximo(0);  // faixa 0..5
    maximo->stepBy(3);
    EXPECT_EQ(maximo->text(), QStringLiteral("5"));
    maximo->stepBy(-7);
    EXPECT_EQ(maximo->text(), QStringLiteral("0"));

    Digitar(dialogo.Minimo(0), QStringLiteral("-3"));
    Digitar(dialogo.Maximo(0), QStringLiteral("99"));
    QTest::mouseClick(Botao(dialogo, QDialogButtonBox::AcceptRole), Qt::LeftButton);

    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(Lido(m_configuracoes, "m_min_", 0), -3);
    EXPECT_EQ(Lido(m_configuracoes, "m_max_", 0), 99);
}

TEST_F(DialogoDeFiltros, OkGravaOs78ValoresComChavesLigadasComo0Ou1)
{
    CFiltrosDlg dialogo(m_configuracoes);
    dialogo.show();
    QTest::mouseClick(dialogo.Ligado(25), Qt::LeftButton);
    Digitar(dialogo.Minimo(25), QStringLiteral("2"));
    QTest::mouseClick(Botao(dialogo, QDialogButtonBox::AcceptRole), Qt::LeftButton);

    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(m_configuracoes.m_gravados.size(), 78u);
    EXPECT_EQ(Lido(m_configuracoes, "m_bool_", 25), 1);
    EXPECT_EQ(Lido(m_configuracoes, "m_min_", 25), 2);
    EXPECT_EQ(Lido(m_configuracoes, "m_max_", 25), 5);
    EXPECT_EQ(Lido(m_configuracoes, "m_bool_", 0), 0);
    EXPECT_EQ(Lido(m_configuracoes, "m_max_", 8), 40);
}

// Aberto como a tela o abre (modal), um só clique em OK ou um só Enter grava e fecha; um
// diálogo que ficasse aberto seria apontado pela sentinela de modais.
TEST_F(DialogoDeFiltros, OkFechaNoPrimeiroCliqueOuEnter)
{
    struct SConfirmacao {
        const char* nome;
        std::function<void(CFiltrosDlg&)> confirmar;
    };
    const SConfirmacao confirmacoes[] = {
        {"clique em OK", [this](CFiltrosDlg& d) { QTest::mouseClick(Botao(d, QDialogButtonBox::AcceptRole), Qt::LeftButton); }},
        {"Enter na primeira chave", [](CFiltrosDlg& d) { QTest::keyClick(d.Ligado(0), Qt::Key_Return); }},
        {"Enter num campo digitado",
         [this](CFiltrosDlg& d) {
             Digitar(d.Minimo(4), QStringLiteral("1"));
             QTest::keyClick(d.Minimo(4)->CampoDeTexto(), Qt::Key_Enter);
         }},
        {"clique em OK depois da seta",
         [this](CFiltrosDlg& d) {
             d.Maximo(0)->setFocus();
             QTest::keyClick(d.Maximo(0), Qt::Key_Down);
             QTest::mouseClick(Botao(d, QDialogButtonBox::AcceptRole), Qt::LeftButton);
         }},
    };
    for (const SConfirmacao& confirmacao : confirmacoes) {
        SCOPED_TRACE(confirmacao.nome);
        m_configuracoes.m_gravados.clear();
        CFiltrosDlg dialogo(m_configuracoes);
        CRespostasModais respostas;
        respostas.Responder([&](QWidget* modal) {
            ASSERT_EQ(modal, &dialogo);
            confirmacao.confirmar(dialogo);
        });
        EXPECT_EQ(dialogo.exec(), QDialog::Accepted);
        EXPECT_FALSE(respostas.Pendente());
        EXPECT_EQ(m_configuracoes.m_gravados.size(), 78u);
        EXPECT_FALSE(dialogo.isVisible());
    }
}

TEST_F(DialogoDeFiltros, CancelarNaoGravaNada)
{
    CFiltrosDlg dialogo(m_configuracoes);
    dialogo.show();
    QTest::mouseClick(dialogo.Ligado(0), Qt::LeftButton);
    QPushButton* cancelar = Botao(dialogo, QDialogButtonBox::RejectRole);
    EXPECT_EQ(cancelar->text(), QStringLiteral("Cancelar"));
    QTest::mouseClick(cancelar, Qt::LeftButton);

    EXPECT_EQ(dialogo.result(), QDialog::Rejected);
    EXPECT_TRUE(m_configuracoes.m_gravados.empty());
}

TEST_F(DialogoDeFiltros, CampoSemInteiroFicaComOFocoEOsAnterioresJaForamGravados)
{
    CFiltrosDlg dialogo(m_configuracoes);
    dialogo.show();
    dialogo.activateWindow();
    Digitar(dialogo.Minimo(2), QStringLiteral("abc"));

    auto mensagem = ResponderProximaMensagem();
    QTest::mouseClick(Botao(dialogo, QDialogButtonBox::AcceptRole), Qt::LeftButton);

    EXPECT_TRUE(mensagem->apareceu);
    EXPECT_EQ(mensagem->texto, QStringLiteral("Enter an integer."));
    EXPECT_EQ(mensagem->icone, QMessageBox::Warning);
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(dialogo.focusWidget(), dialogo.Minimo(2));
    // Critérios 1 e 2 inteiros e a chave do 3.
    const std::vector<std::string> esperados = {
        "filtros/" + Chave("m_bool_", 0), "filtros/" + Chave("m_min_", 0), "filtros/" + Chave("m_max_", 0),
        "filtros/" + Chave("m_bool_", 1), "filtros/" + Chave("m_min_", 1), "filtros/" + Chave("m_max_", 1),
        "filtros/" + Chave("m_bool_", 2),
    };
    EXPECT_EQ(m_configuracoes.m_gravados, esperados);

    Digitar(dialogo.Minimo(2), QStringLiteral("1"));
    QTest::mouseClick(Botao(dialogo, QDialogButtonBox::AcceptRole), Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(Lido(m_configuracoes, "m_min_", 2), 1);
}
