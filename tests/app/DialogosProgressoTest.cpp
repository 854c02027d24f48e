// "Gerar Apostas", "Processando..." e "Filtrando...", com as regras de texto do progresso.
#include "tests/app/CaixasModais.h"
#include "tests/app/RelogiosDoRitmo.h"

#include "core/CartaoCheio.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/Filtro.h"
#include "core/ListaDeVolantes.h"
#include "core/TextosDeProgresso.h"
#include "core/Volante.h"
#include "app/dialogos/CombinandoApostasDlg.h"
#include "app/dialogos/FiltrandoDlg.h"
#include "app/dialogos/GerarApostasDlg.h"

#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPushButton* BotaoDoPapel(QDialog& dialogo, QDialogButtonBox::ButtonRole papel)
{
    auto* botoes = dialogo.findChild<QDialogButtonBox*>();
    for (QAbstractButton* botao : botoes->buttons())
        if (botoes->buttonRole(botao) == papel)
            return qobject_cast<QPushButton*>(botao);
    return nullptr;
}

QRadioButton* Opcao(QDialog& dialogo, const QString& texto)
{
    for (QRadioButton* opcao : dialogo.findChildren<QRadioButton*>())
        if (opcao->text() == texto)
            return opcao;
    return nullptr;
}

// Dono visível dos diálogos não modais, como a tela de apostas.
class DialogoDeProgresso : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dono.resize(600, 400);
        m_dono.show();
    }

    QWidget m_dono;
};

}  // namespace

TEST(TextosDeProgresso, DuracaoEmHorasMinutosESegundos)
{
    const std::pair<double, const char*> casos[] = {
        {0, "00:00:00 s"},     {65, "00:01:05 s"},      {59.4, "00:00:59 s"}, {59.5, "00:01:00 s"},
        {3600, "01:00:00 s"}, {90061, "25:01:01 s"}, {-3, "00:00:00 s"},
    };
    for (const auto& [segundos, texto] : casos)
        EXPECT_EQ(FormatarDuracao(segundos), texto) << segundos;
}

TEST(TextosDeProgresso, PorcentagemEPosicaoDaFiltragem)
{
    EXPECT_EQ(FormatarPorcentagem(1, 8), "12.50 %");
    EXPECT_EQ(FormatarPorcentagem(25, 25), "100.00 %");
    EXPECT_EQ(FormatarPorcentagem(10, 0), "0.00 %");

    EXPECT_EQ(PosicaoDaFiltragem(1, 8), 3750);
    EXPECT_EQ(PosicaoDaFiltragem(10, 0), 0);
    EXPECT_EQ(PosicaoDaFiltragem(100000, 200000), 15000);  // sem estouro no produto
    EXPECT_EQ(PosicaoDaFiltragem(12, 10), 30000);           // nunca além do fim da barra
}

TEST(TextosDeProgresso, PosicaoDaGeracaoEAFracaoDosCartoesFeitos)
{
    EXPECT_EQ(PosicaoDaGeracao(0, 9765625), 0);
    EXPECT_EQ(PosicaoDaGeracao(6090000, 9765625), 18708);  // 62 %, não 25 %
    EXPECT_EQ(PosicaoDaGeracao(9765625, 9765625), 30000);
    EXPECT_EQ(PosicaoDaGeracao(1, 8), 3750);
    EXPECT_EQ(PosicaoDaGeracao(5, 0), 0);
    EXPECT_EQ(PosicaoDaGeracao(12, 10), 30000);
    EXPECT_EQ(FormatarContador(9765625), "9765625");
}

TEST(TextosDeProgresso, EstimativaSoDepoisDe30Verificadas)
{
    EXPECT_FALSE(MostraEstimativa(30));
    EXPECT_TRUE(MostraEstimativa(31));
    EXPECT_DOUBLE_EQ(SegundosParaTerminar(80, 40, 100), 120);
    EXPECT_DOUBLE_EQ(SegundosParaTerminar(10, 100, 100), 0);
}

TEST(RitmoDaInterface, AVezChegaNoMaximoUmaVezPorIntervalo)
{
    // Leituras do relógio (ms) depois de Reiniciar em 1000, e se a interface tem a vez.
    const std::pair<int64_t, bool> leituras[] = {
        {1000, false}, {1032, false}, {1033, true}, {1034, false}, {1065, false},
        {1066, true},  {5000, true},  {5001, false}, {5033, true},
    };
    auto agora = std::make_shared<int64_t>(1000);
    CRitmoDaInterface ritmo(RelogioManual(agora));
    ritmo.Reiniciar();
    for (const auto& [instante, vez] : leituras) {
        *agora = instante;
        EXPECT_EQ(ritmo.ChegouAVez(), vez) << instante;
    }
}

TEST(GerarApostas, OpcaoDoChamadorVemMarcadaEOkDevolveAEscolha)
{
    CGerarApostasDlg dialogo;
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Gerar Apostas"));
    dialogo.m_opcao = 1;
    dialogo.show();
    QRadioButton* somente = Opcao(dialogo, QStringLiteral("Somente gerar as apostas."));
    QRadioButton* filtrar = Opcao(dialogo, QStringLiteral("Gerar e filtrar as apostas."));
    ASSERT_NE(somente, nullptr);
    ASSERT_NE(filtrar, nullptr);
    EXPECT_TRUE(filtrar->isChecked());

    QTest::mouseClick(somente, Qt::LeftButton);
    QTest::mouseClick(BotaoDoPapel(dialogo, QDialogButtonBox::AcceptRole), Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.m_opcao, 0);
}

TEST(GerarApostas, CancelarNaoMudaAOpcao)
{
    CGerarApostasDlg dialogo;
    dialogo.m_opcao = 1;
    dialogo.show();
    QPushButton* cancelar = BotaoDoPapel(dialogo, QDialogButtonBox::RejectRole);
    ASSERT_NE(cancelar, nullptr);
    EXPECT_EQ(cancelar->text(), QStringLiteral("Cancelar"));
    QTest::mouseClick(Opcao(dialogo, QStringLiteral("Somente gerar as apostas.")), Qt::LeftButton);
    QTest::mouseClick(cancelar, Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Rejected);
    EXPECT_EQ(dialogo.m_opcao, 1);
}

TEST_F(DialogoDeProgresso, GeracaoMostraContadoresEParaNaPrimeiraVezEFechaNaSegunda)
{
    CCombinandoApostasDlg dialogo(&m_dono);
    dialogo.TrocarRelogioDoRitmo(RelogioSempreNaVez());
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Processando..."));

    dialogo.Iniciar("Gerando Cartoes ...", true, 1560000);
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(dialogo.Rotulo(), QStringLiteral("Gerando Cartoes ..."));
    EXPECT_EQ(dialogo.Geradas(), QStringLiteral("0"));
    EXPECT_EQ(dialogo.Aprovadas(), QStringLiteral("0"));
    EXPECT_EQ(dialogo.Reprovadas(), QStringLiteral("0"));
    EXPECT_EQ(dialogo.Botao()->text(), QStringLiteral("Parar"));
    EXPECT_TRUE(dialogo.Botao()->isEnabled());
    EXPECT_EQ(dialogo.Barra()->maximum(), 30000);
    EXPECT_EQ(dialogo.m_executando, 1);
    EXPECT_FALSE(dialogo.PararSolicitado());

    dialogo.Atualizar(312000, 300500);
    dialogo.BombearMensagens();
    EXPECT_EQ(dialogo.Geradas(), QStringLiteral("312000"));
    EXPECT_EQ(dialogo.Aprovadas(), QStringLiteral("300500"));
    EXPECT_EQ(dialogo.Reprovadas(), QStringLiteral("11500"));
    EXPECT_EQ(dialogo.Barra()->value(), 6000);  // 312000 de 1560000: um quinto
    GravarCaptura(dialogo, QStringLiteral("processando.png"));

    // Durante a execução: vira "Fechar" na hora e o diálogo fica até a execução acabar.
    QTest::mouseClick(dialogo.Botao(), Qt::LeftButton);
    EXPECT_TRUE(dialogo.PararSolicitado());
    EXPECT_EQ(dialogo.Botao()->text(), QStringLiteral("Fechar"));
    EXPECT_TRUE(dialogo.isVisible());

    dialogo.Concluir(313000, 301000);
    EXPECT_EQ(dialogo.Rotulo(), QStringLiteral("Operação Concluída ..."));
    EXPECT_EQ(dialogo.Geradas(), QStringLiteral("313000"));
    EXPECT_EQ(dialogo.Barra()->value(), 30000);
    EXPECT_EQ(dialogo.m_executando, 0);

    QTest::mouseClick(dialogo.Botao(), Qt::LeftButton);
    EXPECT_FALSE(dialogo.isVisible());
}

TEST_F(DialogoDeProgresso, GeracaoSoRepintaEAtendeEventosQuandoAInterfaceTemAVez)
{
    auto agora = std::make_shared<int64_t>(0);
    CCombinandoApostasDlg dialogo(&m_dono);
    dialogo.TrocarRelogioDoRitmo(RelogioManual(agora));
    dialogo.Iniciar("Gerando Cartoes ...", true, 1560000);
    bool atendido = false;
    QMetaObject::invokeMethod(&dialogo, [&] { atendido = true; }, Qt::QueuedConnection);

    // Antes do intervalo: nem textos refeitos nem eventos tratados.
    *agora = CRitmoDaInterface::kIntervalo - 1;
    dialogo.Atualizar(5000, 4000);
    dialogo.BombearMensagens();
    EXPECT_EQ(dialogo.Geradas(), QStringLiteral("0"));
    EXPECT_FALSE(atendido);

    *agora = CRitmoDaInterface::kIntervalo;
    dialogo.Atualizar(6000, 4500);
    dialogo.BombearMensagens();
    EXPECT_EQ(dialogo.Geradas(), QStringLiteral("6000"));
    EXPECT_EQ(dialogo.Reprovadas(), QStringLiteral("1500"));
    EXPECT_TRUE(atendido);

    // O fim mostra os números exatos, com ou sem a vez.
    dialogo.Atualizar(7000, 4600);
    dialogo.Concluir(7001, 4601);
    EXPECT_EQ(dialogo.Geradas(), QStringLiteral("7001"));
    EXPECT_EQ(dialogo.Aprovadas(), QStringLiteral("4601"));
    EXPECT_EQ(dialogo.Reprovadas(), QStringLiteral("2400"));
    EXPECT_EQ(dialogo.Barra()->value(), 30000);
}

TEST_F(DialogoDeProgresso, GeracaoConcluidaFechaNoPrimeiroClique)
{
    CCombinandoApostasDlg dialogo(&m_dono);
    dialogo.Iniciar("Gerando Cartoes ...", true, 1560000);
    dialogo.Concluir(32, 32);
    EXPECT_TRUE(dialogo.PararSolicitado());
    EXPECT_EQ(dialogo.Botao()->text(), QStringLiteral("Fechar"));
    EXPECT_TRUE(dialogo.isVisible());

    QTest::mouseClick(dialogo.Botao(), Qt::LeftButton);
    EXPECT_FALSE(dialogo.isVisible());

    // Uma nova execução recomeça do zero.
    dialogo.Iniciar("Gerando Cartoes ...", true, 1560000);
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_FALSE(dialogo.PararSolicitado());
    EXPECT_EQ(dialogo.Barra()->value(), 0);
    EXPECT_EQ(dialogo.Botao()->text(), QStringLiteral("Parar"));
}

TEST_F(DialogoDeProgresso, EscComOBotaoDesabilitadoNaoFazNada)
{
    CCombinandoApostasDlg dialogo(&m_dono);
    dialogo.Iniciar("Gerando Cartoes ...", false, 0);
    EXPECT_FALSE(dialogo.Botao()->isEnabled());
    QTest::keyClick(&dialogo, Qt::Key_Escape);
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_FALSE(dialogo.PararSolicitado());

    dialogo.Concluir(0, 0);
    EXPECT_TRUE(dialogo.Botao()->isEnabled());
    QTest::keyClick(&dialogo, Qt::Key_Escape);
    EXPECT_FALSE(dialogo.isVisible());
}

class DialogoDeFiltragem : public DialogoDeProgresso {
protected:
    void SetUp() override
    {
        DialogoDeProgresso::SetUp();
        m_dialogo.TrocarRelogioDoRitmo(RelogioSempreNaVez());
    }

    // Os textos só mudam quando a interface tem a vez.
    void Atualizar(int verificadas, int reprovadas)
    {
        m_dialogo.Atualizar(verificadas, reprovadas);
        m_dialogo.BombearMensagens();
    }

    int64_t m_agora = 1000;
    CFiltrandoDlg m_dialogo{&m_dono, [this] { return m_agora; }};
};

TEST_F(DialogoDeFiltragem, IniciarZeraOsTextos)
{
    EXPECT_FALSE(m_dialogo.isVisible());
    EXPECT_EQ(m_dialogo.windowTitle(), QStringLiteral("Filtrando..."));
    m_dialogo.Iniciar(100);
    EXPECT_TRUE(m_dialogo.isVisible());
    EXPECT_EQ(m_dialogo.m_total, 100);
    EXPECT_EQ(m_dialogo.TempoDecorrido(), QStringLiteral("00:00:00 s"));
    EXPECT_EQ(m_dialogo.TempoEstimado(), QStringLiteral("00:00:00 s"));
    EXPECT_EQ(m_dialogo.Verificadas(), QStringLiteral("0"));
    EXPECT_EQ(m_dialogo.Aprovadas(), QStringLiteral("0"));
    EXPECT_EQ(m_dialogo.Reprovadas(), QStringLiteral("0"));
    EXPECT_EQ(m_dialogo.Porcentagem(), QStringLiteral("0"));
    EXPECT_EQ(m_dialogo.Botao()->text(), QStringLiteral("Parar"));
    EXPECT_EQ(m_dialogo.Barra()->maximum(), 30000);
}

TEST_F(DialogoDeFiltragem, AtualizarMostraTemposContadoresEPorcentagem)
{
    m_dialogo.Iniciar(100);

    m_agora = 1065;
    Atualizar(30, 5);
    EXPECT_EQ(m_dialogo.TempoDecorrido(), QStringLiteral("00:01:05 s"));
    EXPECT_EQ(m_dialogo.TempoEstimado(), QStringLiteral("00:00:00 s"));  // ainda 30 verificadas
    EXPECT_EQ(m_dialogo.Verificadas(), QStringLiteral("30"));
    EXPECT_EQ(m_dialogo.Aprovadas(), QStringLiteral("25"));
    EXPECT_EQ(m_dialogo.Reprovadas(), QStringLiteral("5"));
    EXPECT_EQ(m_dialogo.Porcentagem(), QStringLiteral("30.00 %"));
    EXPECT_EQ(m_dialogo.Barra()->value(), 9000);

    m_agora = 1080;
    Atualizar(40, 10);
    EXPECT_EQ(m_dialogo.TempoDecorrido(), QStringLiteral("00:01:20 s"));
    EXPECT_EQ(m_dialogo.TempoEstimado(), QStringLiteral("00:02:00 s"));
    EXPECT_EQ(m_dialogo.Porcentagem(), QStringLiteral("40.00 %"));
    GravarCaptura(m_dialogo, QStringLiteral("filtrando.png"));
}

TEST_F(DialogoDeFiltragem, TotalZeroNaoLevaABarraParaForaDaFaixa)
{
    m_dialogo.Iniciar(0);
    Atualizar(10, 10);
    EXPECT_EQ(m_dialogo.Porcentagem(), QStringLiteral("0.00 %"));
    EXPECT_EQ(m_dialogo.Barra()->value(), 0);
}

TEST_F(DialogoDeFiltragem, BotaoParaNaPrimeiraVezEFechaNaSegunda)
{
    m_dialogo.Iniciar(100);
    QTest::mouseClick(m_dialogo.Botao(), Qt::LeftButton);
    EXPECT_TRUE(m_dialogo.PararSolicitado());
    EXPECT_EQ(m_dialogo.Botao()->text(), QStringLiteral("Fechar"));
    EXPECT_TRUE(m_dialogo.isVisible());

    QTest::mouseClick(m_dialogo.Botao(), Qt::LeftButton);
    EXPECT_FALSE(m_dialogo.isVisible());
}

class FiltragemComODialogo : public DialogoDeFiltragem {
protected:
    void SetUp() override
    {
        DialogoDeFiltragem::SetUp();
        for (int i = 0; i < 25; ++i) {
            CVolante volante;
            volante.m_qtde = 5;
            for (int jogo = 0; jogo < 5; ++jogo)
                volante.m_scores[jogo] = CCartaoCheio::Instancia().Celula(jogo, (i + jogo) % 25);
            m_volantes.Adicionar(volante);
        }
        m_filtro.CarregarFiltros();
    }

    CConfiguracoesEmMemoria m_configuracoes;
    CFiltro m_filtro{m_configuracoes};
    CListaDeVolantes m_volantes;
    int32_t m_apostas = 25;
};

TEST_F(FiltragemComODialogo, SemFiltrosLigadosTodosPassamEOFimMostra100PorCento)
{
    m_filtro.FiltrarVolantes(m_volantes, m_apostas, m_dialogo);

    EXPECT_EQ(m_volantes.Quantidade(), 25);
    EXPECT_EQ(m_dialogo.Verificadas(), QStringLiteral("25"));
    EXPECT_EQ(m_dialogo.Aprovadas(), QStringLiteral("25"));
    EXPECT_EQ(m_dialogo.TempoEstimado(), QStringLiteral("00:00:00 s"));
    EXPECT_EQ(m_dialogo.Porcentagem(), QStringLiteral("100.00 %"));
    EXPECT_EQ(m_dialogo.Botao()->text(), QStringLiteral("Fechar"));
    EXPECT_TRUE(m_dialogo.isVisible());
}

TEST_F(FiltragemComODialogo, PararDuranteAExecucaoDeixaOsCartoesSeguintesIntactos)
{
    // Todo cartão reprovado: só os verificados antes da parada somem.
    m_configuracoes.GravarInteiro(kSecaoFiltros, std::string("m_bool_") + kFiltros[8].nome, 1);
    m_configuracoes.GravarInteiro(kSecaoFiltros, std::string("m_min_") + kFiltros[8].nome, 41);
    m_filtro.CarregarFiltros();
    // O clique fica na fila e é atendido no primeiro bombeamento, depois de 10 cartões.
    QMetaObject::invokeMethod(m_dialogo.Botao(), "click", Qt::QueuedConnection);

    m_filtro.FiltrarVolantes(m_volantes, m_apostas, m_dialogo);

    EXPECT_EQ(m_volantes.Quantidade(), 15);
    EXPECT_EQ(m_apostas, 15);
    EXPECT_EQ(m_dialogo.Verificadas(), QStringLiteral("10"));
    EXPECT_EQ(m_dialogo.Reprovadas(), QStringLiteral("10"));
    EXPECT_TRUE(m_dialogo.isVisible());
    EXPECT_EQ(m_dialogo.Botao()->text(), QStringLiteral("Fechar"));
}

namespace {

// Mil cartões, todos reprovados pelo critério 9 no mínimo 41.
class FiltragemLonga : public DialogoDeProgresso {
protected:
    void SetUp() override
    {
        DialogoDeProgresso::SetUp();
        for (int i = 0; i < 1000; ++i) {
            CVolante volante;
            volante.m_qtde = 5;
            for (int jogo = 0; jogo < 5; ++jogo)
                volante.m_scores[jogo] = CCartaoCheio::Instancia().Celula(jogo, (i + jogo) % 25);
            m_volantes.Adicionar(volante);
        }
        m_configuracoes.GravarInteiro(kSecaoFiltros, std::string("m_bool_") + kFiltros[8].nome, 1);
        m_configuracoes.GravarInteiro(kSecaoFiltros, std::string("m_min_") + kFiltros[8].nome, 41);
        m_filtro.CarregarFiltros();
    }

    CConfiguracoesEmMemoria m_configuracoes;
    CFiltro m_filtro{m_configuracoes};
    CListaDeVolantes m_volantes;
    int32_t m_apostas = 1000;
    int64_t m_agora = 1000;
    CFiltrandoDlg m_dialogo{&m_dono, [this] { return m_agora; }};
};

TEST_F(FiltragemLonga, PararEAtendidoNaPrimeiraVezDaInterfaceENaoAntes)
{
    // O relógio anda 1 ms a cada leitura: Iniciar lê uma vez e cada bombeamento (de 10
    // em 10 cartões) outra; a vez chega no 33º, com 330 cartões verificados.
    auto agora = std::make_shared<int64_t>(0);
    m_dialogo.TrocarRelogioDoRitmo([agora] { return ++*agora; });
    QString verificadas_antes_da_vez;
    QMetaObject::invokeMethod(
        m_dialogo.Botao(),
        [&] {
            verificadas_antes_da_vez = m_dialogo.Verificadas();
            m_dialogo.Botao()->click();
        },
        Qt::QueuedConnection);

    m_filtro.FiltrarVolantes(m_volantes, m_apostas, m_dialogo);

    // Na vez, os textos mostram o último Atualizar (320) antes de os eventos serem tratados.
    EXPECT_EQ(verificadas_antes_da_vez, QStringLiteral("320"));
    EXPECT_EQ(m_volantes.Quantidade(), 670);
    EXPECT_EQ(m_apostas, 670);
    EXPECT_EQ(m_dialogo.Verificadas(), QStringLiteral("330"));
    EXPECT_EQ(m_dialogo.Reprovadas(), QStringLiteral("330"));
    EXPECT_EQ(m_dialogo.Porcentagem(), QStringLiteral("33.00 %"));
    EXPECT_EQ(m_dialogo.Botao()->text(), QStringLiteral("Fechar"));
}

TEST_F(FiltragemLonga, SemAVezDaInterfaceOFimAindaMostraOsNumerosExatos)
{
    auto agora = std::make_shared<int64_t>(0);
    m_dialogo.TrocarRelogioDoRitmo(RelogioManual(agora));
    bool atendido = false;
    QMetaObject::invokeMethod(&m_dialogo, [&] { atendido = true; }, Qt::QueuedConnection);

    m_filtro.FiltrarVolantes(m_volantes, m_apostas, m_dialogo);

    EXPECT_FALSE(atendido);
    EXPECT_EQ(m_volantes.Quantidade(), 0);
    EXPECT_EQ(m_dialogo.Verificadas(), QStringLiteral("1000"));
    EXPECT_EQ(m_dialogo.Aprovadas(), QStringLiteral("0"));
    EXPECT_EQ(m_dialogo.Reprovadas(), QStringLiteral("1000"));
    EXPECT_EQ(m_dialogo.Porcentagem(), QStringLiteral("100.00 %"));
    EXPECT_EQ(m_dialogo.Barra()->value(), 30000);
    EXPECT_EQ(m_dialogo.Botao()->text(), QStringLiteral("Fechar"));
}

}  // namespace
