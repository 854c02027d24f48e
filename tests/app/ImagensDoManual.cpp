// As figuras do manual (help/imagens): cada teste monta uma tela ou diálogo de verdade
// com dados de exemplo e grava a imagem. Na compilação, numa pasta da build (só confere
// que as telas ainda se montam); tools/imagens-do-manual.sh grava na pasta do manual.

#include "tests/app/GuardaDeModais.h"
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/ResultadosDeTeste.h"
#include "tests/support/CartoesDeTeste.h"

#include "app/apostas/ScoreForm.h"
#include "app/conferencia/ConferenciaAvancadaVarentaDlg.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/controles/ScoreButton.h"
#include "app/dialogos/CombinandoApostasDlg.h"
#include "app/dialogos/FiltrosDlg.h"
#include "app/dialogos/GerarApostasDlg.h"
#include "app/dialogos/ReduzindoDlg.h"
#include "app/dialogos/ReduzirApostasDlg.h"
#include "app/impressao/ConfigurarImpressaoDlg.h"
#include "app/resultados/DlgProxy.h"
#include "app/shell/ChildFrame.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"
#include "core/Filtro.h"
#include "document/VarentaDoc.h"
#include "results/CaminhoDeDados.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

QString PastaDasImagens()
{
    const char* pasta = std::getenv("QUINARO_IMAGENS_DO_MANUAL");
    return pasta != nullptr && *pasta != '\0' ? QString::fromLocal8Bit(pasta) : QStringLiteral(QUINARO_IMAGENS_PADRAO);
}

void Fotografar(QWidget* widget, const QString& nome)
{
    ASSERT_NE(widget, nullptr) << nome.toStdString();
    QApplication::processEvents();
    QDir pasta(PastaDasImagens());
    ASSERT_TRUE(pasta.mkpath(QStringLiteral(".")));
    ASSERT_TRUE(widget->grab().save(pasta.filePath(nome))) << nome.toStdString();
}

QPushButton* BotaoComTexto(QWidget* janela, const QString& texto)
{
    for (QPushButton* botao : janela->findChildren<QPushButton*>())
        if (botao->text() == texto)
            return botao;
    ADD_FAILURE() << "sem o botão " << texto.toStdString();
    return nullptr;
}

// Células do quadro (índice 0..24 de cada jogo).
constexpr int k1x0 = 9, k2x0 = 8, k2x1 = 7, k1x1 = 13, k2x2 = 12, k0x0 = 14, k0x1 = 19;

class ImagensDoManual : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.Iniciar());
        m_tela = m_programa.TelaDeApostas();
        ASSERT_NE(m_tela, nullptr);
    }

    void Clicar(int jogo, int celula) const
    {
        ::Clicar(m_tela->findChild<CScoreButton*>(QStringLiteral("celula_%1_%2").arg(jogo).arg(celula)));
    }

    void DarChave(int jogo, const QString& chave) const
    {
        auto* campo = m_tela->findChild<QLineEdit*>(QStringLiteral("chave%1").arg(jogo + 1));
        campo->selectAll();
        QTest::keyClicks(campo, chave);
    }

    // O exemplo do manual: favoritos 1x0, 2x0, 0x0, 2x1 e 0x1; alternativas 1x1 no jogo 1 e
    // 2x2 no jogo 2; os outros placares removidos; a chave A com os jogos 1 e 2.
    void MarcarOExemplo() const
    {
        for (auto [jogo, celula] : std::vector<std::pair<int, int>>{{0, k1x0}, {1, k2x0}, {2, k0x0}, {3, k2x1}, {4, k0x1}})
            Clicar(jogo, celula);
        ::Clicar(m_tela->findChild<QPushButton*>(QStringLiteral("remover")));
        Clicar(0, k1x1);
        Clicar(1, k2x2);
        DarChave(0, QStringLiteral("A"));
        DarChave(1, QStringLiteral("A"));
    }

    // "Executar" sem filtrar; o "Processando..." fica aberto, como o usuário o vê.
    void Executar(const QString& figura_do_dialogo = {})
    {
        m_respostas.Responder([figura_do_dialogo](QWidget* modal) {
            ASSERT_NE(qobject_cast<CGerarApostasDlg*>(modal), nullptr);
            for (QRadioButton* opcao : modal->findChildren<QRadioButton*>())
                if (opcao->text() == "Somente gerar as apostas.")
                    ::Clicar(opcao);
            if (!figura_do_dialogo.isEmpty())
                Fotografar(modal, figura_do_dialogo);
            BotaoComTexto(modal, QStringLiteral("OK"))->click();
        });
        ::Clicar(m_tela->findChild<QPushButton*>(QStringLiteral("executar")));
        ASSERT_FALSE(m_respostas.Pendente());
    }

    void FecharProgresso() const
    {
        CCombinandoApostasDlg* progresso = m_tela->DialogoDeGeracao();
        if (progresso->isVisible())
            progresso->close();
        QApplication::processEvents();
    }

    std::filesystem::path ArquivoDeResultados() const
    {
        return CaminhoDeDados(m_programa.m_pastas, kArquivoDeResultados);
    }
    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }

    CConferenciaForm* AbrirConferencia() const
    {
        m_programa.Comando(Comando::kConferencia);
        for (CVista* vista : m_programa.Documento()->Vistas())
            if (auto* conferencia = qobject_cast<CConferenciaForm*>(vista))
                return conferencia;
        return nullptr;
    }

    // Dez concursos com rateios: o retorno da análise tem prêmios e saldos dos dois sinais.
    void GravarDezConcursos() const
    {
        CListaDeResultados resultados;
        const char* placares[] = {"1x0 2x0 0x0 2x1 0x1", "1x1 2x2 0x0 2x1 0x1", "0x0 1x1 2x2 0x1 1x0",
                                  "1x0 2x2 0x0 2x1 0x1", "3x1 0x0 1x2 2x0 0x0", "1x1 2x0 0x0 2x1 1x1",
                                  "2x1 2x0 0x0 1x0 0x1", "1x0 2x0 0x0 2x1 0x1", "0x1 1x0 1x1 2x2 +x0",
                                  "1x1 2x0 0x0 2x1 0x1"};
        for (int i = 0; i < 10; ++i) {
            resultados.push_back(ResultadoDeTeste(2501 + i, placares[i]));
            resultados.back()->m_rateio[3] = 4.50 + i;
            resultados.back()->m_rateio[4] = 120.00 + 10 * i;
            resultados.back()->m_rateio[5] = 25000.00 + 1000 * i;
        }
        ASSERT_TRUE(GravarArquivoDeResultados(ArquivoDeResultados(), resultados));
        m_programa.Janela().AtualizarInterface();
    }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    CGuardaDeModais m_guarda{m_respostas};
    CScoreForm* m_tela = nullptr;
};

TEST_F(ImagensDoManual, TelaDeApostasDoExemplo)
{
    MarcarOExemplo();
    Executar(QStringLiteral("gerar-apostas.png"));
    FecharProgresso();
    ASSERT_EQ(Doc().m_volantes.Quantidade(), 4);
    Fotografar(&m_programa.Janela(), QStringLiteral("tela-de-apostas.png"));
}

TEST_F(ImagensDoManual, GradeDeChaves)
{
    MarcarOExemplo();
    for (int jogo = 2; jogo < 5; ++jogo)
        DarChave(jogo, QStringLiteral("B"));
    QWidget* grade = m_tela->findChild<QWidget*>(QStringLiteral("grade"));
    ASSERT_NE(grade, nullptr);
    // A grade com o rótulo de cima e o quadro das chaves completas ao lado do quadro.
    Fotografar(m_tela, QStringLiteral("chaves.png"));
}

TEST_F(ImagensDoManual, Filtros)
{
    const auto ligar = [this](int criterio, int minimo, int maximo) {
        const std::string nome = kFiltros[static_cast<size_t>(criterio)].nome;
        m_programa.m_configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_" + nome, 1);
        m_programa.m_configuracoes.GravarInteiro(kSecaoFiltros, "m_min_" + nome, minimo);
        m_programa.m_configuracoes.GravarInteiro(kSecaoFiltros, "m_max_" + nome, maximo);
    };
    ligar(0, 1, 3);
    ligar(1, 1, 2);
    ligar(8, 3, 12);
    m_respostas.Responder([](QWidget* modal) {
        ASSERT_NE(qobject_cast<CFiltrosDlg*>(modal), nullptr);
        Fotografar(modal, QStringLiteral("filtros.png"));
        static_cast<QDialog*>(modal)->reject();
    });
    m_programa.Comando(Comando::kConfigurarFiltros);
    ASSERT_FALSE(m_respostas.Pendente());
}

TEST_F(ImagensDoManual, Conferencia)
{
    GravarDezConcursos();
    MarcarOExemplo();
    Executar();
    FecharProgresso();
    CConferenciaForm* tela = AbrirConferencia();
    ASSERT_NE(tela, nullptr);
    // O concurso escolhido pelo teclado, como o usuário: o resultado dele vai para a grade.
    tela->m_concurso->setFocus();
    while (tela->m_concurso->currentText() != QStringLiteral("02501") &&
           tela->m_concurso->currentIndex() + 1 < tela->m_concurso->count())
        QTest::keyClick(tela->m_concurso, Qt::Key_Down);
    ASSERT_EQ(tela->m_concurso->currentText(), QStringLiteral("02501"));
    m_respostas.AceitarMensagem();
    ::Clicar(tela->m_botao_conferir);
    QTest::qWait(50);
    Fotografar(tela->Frame(), QStringLiteral("conferencia.png"));
}

TEST_F(ImagensDoManual, AnaliseComRetorno)
{
    GravarDezConcursos();
    MarcarOExemplo();
    Executar();
    FecharProgresso();
    CConferenciaForm* tela = AbrirConferencia();
    ASSERT_NE(tela, nullptr);
    m_respostas.Responder([](QWidget* modal) {
        auto* dialogo = qobject_cast<CConferenciaAvancadaVarentaDlg*>(modal);
        ASSERT_NE(dialogo, nullptr);
        ::Clicar(dialogo->m_botao_analisar);
        Fotografar(dialogo, QStringLiteral("analise.png"));
        ::Clicar(dialogo->m_botao_ok);
    });
    ::Clicar(tela->m_botao_avancado);
    ASSERT_FALSE(m_respostas.Pendente());
}

TEST_F(ImagensDoManual, Reducao)
{
    // Dois favoritos por jogo (1x0 e 0x0): 32 cartões.
    for (int jogo = 0; jogo < 5; ++jogo) {
        Clicar(jogo, k1x0);
        Clicar(jogo, k0x0);
    }
    Executar();
    FecharProgresso();
    ASSERT_EQ(Doc().m_volantes.Quantidade(), 32);
    m_respostas.Responder([](QWidget* modal) {
        ASSERT_NE(qobject_cast<CReduzirApostasDlg*>(modal), nullptr);
        auto* garantias = modal->findChild<QComboBox*>(QStringLiteral("garantia"));
        garantias->setCurrentIndex(garantias->findData(3));
        auto* tempo = modal->findChild<QSpinBox*>(QStringLiteral("tempo"));
        tempo->setValue(30);
        Fotografar(modal, QStringLiteral("reduzir-apostas.png"));
        BotaoComTexto(modal, QStringLiteral("OK"))->click();
    });
    m_programa.Comando(Comando::kReduzirApostas);
    ASSERT_FALSE(m_respostas.Pendente());
    ASSERT_EQ(Doc().m_volantes.Quantidade(), 2);
    Fotografar(m_tela->DialogoDeReducao(), QStringLiteral("reducao.png"));
    m_tela->DialogoDeReducao()->close();
}

TEST_F(ImagensDoManual, VisualizarImpressao)
{
    const auto modelo = DocumentoComCartoes(5, 1);
    Doc().m_valor_da_aposta = modelo->m_valor_da_aposta;
    Doc().m_volantes.Transferir(modelo->m_volantes);
    m_respostas.Responder([](QWidget* modal) {
        auto* visualizacao = qobject_cast<QPrintPreviewDialog*>(modal);
        ASSERT_NE(visualizacao, nullptr);
        auto* widget = visualizacao->findChild<QPrintPreviewWidget*>();
        visualizacao->resize(900, 700);
        widget->fitInView();
        QApplication::processEvents();
        Fotografar(visualizacao, QStringLiteral("visualizar-impressao.png"));
        visualizacao->reject();
    });
    m_programa.Comando(Comando::kVisualizarImpressao);
    ASSERT_FALSE(m_respostas.Pendente());
}

TEST_F(ImagensDoManual, ConfigurarImpressao)
{
    m_respostas.Responder([](QWidget* modal) {
        auto* dialogo = qobject_cast<CConfigurarImpressaoDlg*>(modal);
        ASSERT_NE(dialogo, nullptr);
        Fotografar(dialogo, QStringLiteral("configurar-impressao-folha.png"));
        ::Clicar(dialogo->Volantes());
        dialogo->Abas()->setCurrentIndex(1);
        Fotografar(dialogo, QStringLiteral("configurar-impressao-volante.png"));
        dialogo->reject();
    });
    m_programa.Comando(Comando::kConfigurarImpressaoDoCartao);
    ASSERT_FALSE(m_respostas.Pendente());
}

TEST_F(ImagensDoManual, AcessoAInternet)
{
    m_respostas.Responder([](QWidget* modal) {
        ASSERT_NE(qobject_cast<CDlgProxy*>(modal), nullptr);
        Fotografar(modal, QStringLiteral("internet.png"));
        static_cast<QDialog*>(modal)->reject();
    });
    m_programa.Comando(Comando::kConfigurarInternet);
    ASSERT_FALSE(m_respostas.Pendente());
}

}  // namespace
