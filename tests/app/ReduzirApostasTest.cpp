// "Reduzir Apostas..." pela tela de apostas: o diálogo da garantia e do tempo, o
// "Reduzindo..." com o antes e o depois, "Parar", a recusa de cartões de várias apostas.

#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/RelogiosDoRitmo.h"

#include "app/apostas/ScoreForm.h"
#include "app/controles/ScoreButton.h"
#include "app/dialogos/GerarApostasDlg.h"
#include "app/dialogos/ReduzindoDlg.h"
#include "app/dialogos/ReduzirApostasDlg.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "core/Score.h"
#include "core/Volante.h"
#include "document/ReducaoDeApostas.h"
#include "document/VarentaDoc.h"
#include "tests/support/Montagem.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Entradas = std::array<const CScore*, 5>;

class ReduzirApostasTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.Iniciar());
        m_tela = m_programa.TelaDeApostas();
        ASSERT_NE(m_tela, nullptr);
    }

    // As primeiras `quantos` células de cada jogo como favoritas e "Executar" sem filtrar.
    void GerarCartoes(int quantos)
    {
        for (int m = 0; m < 5; ++m)
            for (int k = 0; k < quantos; ++k)
                QTest::mouseClick(m_tela->findChild<CScoreButton*>(QStringLiteral("celula_%1_%2").arg(m).arg(k)),
                                  Qt::LeftButton);
        m_respostas.Responder([](QWidget* modal) {
            ASSERT_NE(qobject_cast<CGerarApostasDlg*>(modal), nullptr);
            for (QRadioButton* opcao : modal->findChildren<QRadioButton*>())
                if (opcao->text() == "Somente gerar as apostas.")
                    Clicar(opcao);
            BotaoComTexto(modal, "OK")->click();
        });
        Clicar(m_tela->findChild<QPushButton*>(QStringLiteral("executar")));
        ASSERT_FALSE(m_respostas.Pendente());
    }

    static QPushButton* BotaoComTexto(QWidget* janela, const QString& texto)
    {
        for (QPushButton* botao : janela->findChildren<QPushButton*>())
            if (botao->text() == texto)
                return botao;
        ADD_FAILURE() << "sem o botão " << texto.toStdString();
        return nullptr;
    }

    // Responde ao "Reduzir Apostas" com a garantia e o tempo dados (digitado no campo).
    void ResponderReduzir(int garantia, int segundos, const char* botao = "OK")
    {
        m_respostas.Responder([=](QWidget* modal) {
            ASSERT_NE(qobject_cast<CReduzirApostasDlg*>(modal), nullptr);
            EXPECT_EQ(modal->windowTitle(), "Reduzir Apostas");
            auto* garantias = modal->findChild<QComboBox*>(QStringLiteral("garantia"));
            auto* tempo = modal->findChild<QSpinBox*>(QStringLiteral("tempo"));
            ASSERT_NE(garantias, nullptr);
            ASSERT_NE(tempo, nullptr);
            EXPECT_EQ(garantias->currentText(), "4 pontos");
            EXPECT_EQ(tempo->value(), 60);
            garantias->setCurrentIndex(garantias->findData(garantia));
            tempo->selectAll();
            QTest::keyClicks(tempo, QString::number(segundos));
            Clicar(BotaoComTexto(modal, botao));
        });
    }

    std::vector<Entradas> Cartoes() const
    {
        std::vector<Entradas> cartoes;
        for (const CVolante c : Doc().m_volantes)
            cartoes.push_back({c.m_scores[0], c.m_scores[1], c.m_scores[2], c.m_scores[3], c.m_scores[4]});
        return cartoes;
    }

    // Cada cartão de antes, como resultado, dá a algum cartão de agora os pontos pedidos.
    ::testing::AssertionResult Garante(const std::vector<Entradas>& antes, int garantia) const
    {
        for (const Entradas& entradas : antes) {
            CVolante resultado;
            resultado.m_qtde = 5;
            for (const CScore* entrada : entradas)
                resultado.m_scores[entrada->m_jogo] = entrada;
            bool garantido = false;
            for (const CVolante c : Doc().m_volantes)
                garantido = garantido || resultado.ContarAcertos(c) >= garantia;
            if (!garantido)
                return ::testing::AssertionFailure() << "um cartão ficou sem " << garantia << " pontos";
        }
        return ::testing::AssertionSuccess();
    }

    QString Texto(const char* nome) const
    {
        return m_tela->findChild<QLineEdit*>(QString::fromLatin1(nome))->text();
    }
    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }

    CScore m_dois_placares;  // vive mais que o documento que aponta para ele
    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    CScoreForm* m_tela = nullptr;
};

TEST_F(ReduzirApostasTest, TrocaOsCartoesEMostraOAntesEODepois)
{
    EXPECT_FALSE(m_programa.Acao(Comando::kReduzirApostas)->isEnabled());
    GerarCartoes(2);
    const std::vector<Entradas> antes = Cartoes();
    ASSERT_EQ(antes.size(), 32u);
    m_programa.Documento()->MarcarSemAlteracoes();
    EXPECT_EQ(m_programa.Acao(Comando::kReduzirApostas)->text(), "Reduzir Apostas...");
    EXPECT_TRUE(m_programa.Acao(Comando::kReduzirApostas)->isEnabled());

    // 1x0 ou 0x0 em cada jogo: com 3 pontos bastam um cartão e o seu oposto.
    ResponderReduzir(3, 30);
    m_programa.Comando(Comando::kReduzirApostas);
    ASSERT_FALSE(m_respostas.Pendente());

    EXPECT_EQ(Doc().m_volantes.Quantidade(), 2);
    EXPECT_EQ(Doc().m_qtde_apostas, 2);
    EXPECT_TRUE(Garante(antes, 3));
    EXPECT_TRUE(m_programa.Documento()->IsModified());
    EXPECT_EQ(Texto("qtde_de_cartoes"), "2");
    EXPECT_EQ(Texto("cartao_atual"), "1");
    EXPECT_EQ(Texto("valor"), "2.00");

    CReduzindoDlg* reduzindo = m_tela->DialogoDeReducao();
    EXPECT_TRUE(reduzindo->isVisible());
    EXPECT_EQ(reduzindo->windowTitle(), "Redução concluída");
    EXPECT_EQ(reduzindo->Situacao(), "Redução concluída.");
    EXPECT_EQ(reduzindo->Cartoes(), "32 / 2");
    EXPECT_EQ(reduzindo->Preco(), "32.00 / 2.00");
    // Os números do fim falam do mesmo conjunto: todos garantidos, os 2 que ficaram.
    EXPECT_EQ(reduzindo->findChild<QLabel*>(QStringLiteral("cobertos"))->text(), "32 de 32");
    EXPECT_EQ(reduzindo->findChild<QLabel*>(QStringLiteral("escolhidos"))->text(), "2");
    EXPECT_EQ(reduzindo->findChild<QLabel*>(QStringLiteral("melhor"))->text(), "2");
    EXPECT_EQ(reduzindo->Piso(), "Nenhuma redução com essa garantia tem menos de 2 cartões (mínimo comprovado)");
    SalvarCaptura(reduzindo, "reduzindo.png");
    ASSERT_EQ(reduzindo->Botao()->text(), "Fechar");
    Clicar(reduzindo->Botao());
    EXPECT_FALSE(reduzindo->isVisible());
}

// Um clique em "Parar" que ficou na fila enquanto a redução não dava a vez (a
// conferência final) não fecha o resultado que aparece logo depois.
TEST_F(ReduzirApostasTest, CliqueAtrasadoEmPararNaoFechaOResultado)
{
    CReduzindoDlg* reduzindo = m_tela->DialogoDeReducao();
    reduzindo->Iniciar();
    ASSERT_EQ(reduzindo->Botao()->text(), "Parar");
    const QPoint meio = reduzindo->Botao()->rect().center();
    const QPointF global = reduzindo->Botao()->mapToGlobal(QPointF(meio));
    for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(reduzindo->Botao(), new QMouseEvent(tipo, QPointF(meio), global, Qt::LeftButton,
                                                                        tipo == QEvent::MouseButtonPress
                                                                            ? Qt::LeftButton
                                                                            : Qt::NoButton,
                                                                        Qt::NoModifier));
    SReducaoDeApostas reducao;
    reducao.cartoes_antes = 32;
    reducao.cartoes_depois = 2;
    reduzindo->Concluir(reducao, "32.00", "2.00");
    QCoreApplication::processEvents();
    EXPECT_TRUE(reduzindo->isVisible());
    EXPECT_EQ(reduzindo->Botao()->text(), "Fechar");
    EXPECT_EQ(reduzindo->Cartoes(), "32 / 2");
    Clicar(reduzindo->Botao());
    EXPECT_FALSE(reduzindo->isVisible());
}

TEST_F(ReduzirApostasTest, CancelarNaoMudaNada)
{
    GerarCartoes(2);
    const uint64_t revisao = Doc().m_volantes.Revisao();
    ResponderReduzir(3, 30, "Cancelar");
    m_programa.Comando(Comando::kReduzirApostas);
    ASSERT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(Doc().m_volantes.Revisao(), revisao);
    EXPECT_EQ(Doc().m_volantes.Quantidade(), 32);
    EXPECT_FALSE(m_tela->DialogoDeReducao()->isVisible());
}

// "Parar" clicado no primeiro ponto em que a interface tem a vez: ficam os cartões da
// cobertura rápida, que também garantem os pontos.
TEST_F(ReduzirApostasTest, PararGuardaUmConjuntoQueGarante)
{
    GerarCartoes(3);
    const std::vector<Entradas> antes = Cartoes();
    CReduzindoDlg* reduzindo = m_tela->DialogoDeReducao();
    reduzindo->TrocarRelogioDoRitmo(RelogioSempreNaVez());
    QTimer parar;
    QObject::connect(&parar, &QTimer::timeout, [&] {
        if (reduzindo->isVisible() && reduzindo->Botao()->text() == "Parar") {
            parar.stop();
            Clicar(reduzindo->Botao());
        }
    });
    parar.start(0);
    ResponderReduzir(4, 600);
    m_programa.Comando(Comando::kReduzirApostas);
    ASSERT_FALSE(m_respostas.Pendente());
    EXPECT_FALSE(parar.isActive());

    EXPECT_TRUE(Garante(antes, 4));
    EXPECT_LT(Doc().m_volantes.Quantidade(), 243);
    EXPECT_EQ(Doc().m_qtde_apostas, Doc().m_volantes.Quantidade());
    EXPECT_EQ(reduzindo->Situacao(), "Redução interrompida: os cartões que ficaram garantem os pontos, "
                                     "mas com mais tempo poderiam ser menos.");
    EXPECT_EQ(reduzindo->Cartoes(), QStringLiteral("243 / %1").arg(Doc().m_volantes.Quantidade()));
    EXPECT_EQ(reduzindo->windowTitle(), "Redução interrompida");
    EXPECT_EQ(reduzindo->findChild<QLabel*>(QStringLiteral("cobertos"))->text(), "243 de 243");
    EXPECT_EQ(reduzindo->findChild<QLabel*>(QStringLiteral("escolhidos"))->text(),
              QString::number(Doc().m_volantes.Quantidade()));
    // 243 cartões, a maior bola a 4 pontos tem 11.
    EXPECT_EQ(reduzindo->Piso(), "Nenhuma redução com essa garantia tem menos de 23 cartões");
    EXPECT_EQ(reduzindo->Botao()->text(), "Fechar");
}

TEST_F(ReduzirApostasTest, CartaoDeVariasApostasEhRecusado)
{
    GerarCartoes(2);
    m_dois_placares = *Doc().m_volantes.Cartao(2).m_scores[1];
    m_dois_placares.m_time2[4] = 1;
    TrocarEntrada(Doc().m_volantes, 2, 1, &m_dois_placares);
    const uint64_t revisao = Doc().m_volantes.Revisao();

    ResponderReduzir(4, 30);
    m_respostas.AceitarMensagem();
    m_programa.Comando(Comando::kReduzirApostas);
    ASSERT_FALSE(m_respostas.Pendente());
    ASSERT_EQ(m_respostas.Textos().size(), 1);
    EXPECT_EQ(m_respostas.Textos()[0], "O cartão 3 tem mais de um placar num jogo: só cartões com um placar por "
                                       "jogo podem ser reduzidos.\nOs cartões ficaram como estavam.");
    EXPECT_EQ(Doc().m_volantes.Revisao(), revisao);
    EXPECT_EQ(Doc().m_volantes.Quantidade(), 32);
    EXPECT_EQ(Texto("qtde_de_cartoes"), "32");
    EXPECT_FALSE(m_tela->DialogoDeReducao()->isVisible());
}

} // namespace
