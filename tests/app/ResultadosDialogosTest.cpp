// Inserir e remover resultados à mão: os diálogos "Cadastro de resultados" e
// "Selecione o concurso:" e o que fica no arquivo.
#include "tests/app/CaixasModais.h"
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/ResultadosDeTeste.h"

#include "results/CaminhoDeDados.h"
#include "results/DataDoResultado.h"
#include "app/controles/DinheiroEdit.h"
#include "app/resultados/EscolhaConcursoDlg.h"
#include "app/resultados/GradeDoResultado.h"
#include "app/resultados/ResultadoVarentaDlg.h"
#include "app/shell/MainFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace fs = std::filesystem;

namespace {

QPushButton* BotaoComTexto(QWidget& dialogo, const QString& texto)
{
    for (QPushButton* botao : dialogo.findChildren<QPushButton*>())
        if (botao->text() == texto)
            return botao;
    return nullptr;
}

void Digitar(QLineEdit* campo, const QString& texto)
{
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, texto);
}

class ResultadosDialogos : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.Iniciar());
        m_arquivo = CaminhoDeDados(m_programa.m_pastas, kArquivoDeResultados);
    }

    // O comando, com `usar` respondendo ao diálogo que ele abre e OK às mensagens que
    // vierem depois dele.
    template <typename Dialogo>
    void Executar(int comando, const std::function<void(Dialogo&)>& usar, int mensagens_depois)
    {
        bool usado = false;
        m_respostas.Responder([&](QWidget* modal) {
            auto* dialogo = qobject_cast<Dialogo*>(modal);
            ASSERT_NE(dialogo, nullptr) << modal->windowTitle().toStdString();
            usar(*dialogo);
            usado = true;
        });
        for (int i = 0; i < mensagens_depois; ++i)
            m_respostas.AceitarMensagem();
        ExecutarComando(comando);
        EXPECT_TRUE(usado);
        EXPECT_FALSE(m_respostas.Pendente());
    }

    void Inserir(const std::function<void(CResultadoVarentaDlg&)>& usar, int mensagens_depois = 0)
    {
        Executar<CResultadoVarentaDlg>(kInserir, usar, mensagens_depois);
    }

    void Remover(const std::function<void(CEscolhaConcursoDlg&)>& usar, int mensagens_depois = 0)
    {
        Executar<CEscolhaConcursoDlg>(kRemover, usar, mensagens_depois);
    }

    // Pelo menu "&Estatisticas", como o usuário.
    void ExecutarComando(int id)
    {
        m_programa.Janela().AtualizarInterface();
        ASSERT_TRUE(m_programa.Acao(id)->isEnabled());
        m_programa.Comando(id);
    }

    static void Confirmar(QDialog& dialogo) { Clicar(BotaoComTexto(dialogo, QStringLiteral("OK"))); }

    static constexpr int kInserir = ::Comando::kInserirResultado;
    static constexpr int kRemover = ::Comando::kRemoverResultado;

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    fs::path m_arquivo;
};

// Só o concurso precisa ser digitado: 0, o valor inicial, está fora da faixa.
TEST_F(ResultadosDialogos, DialogoNovoComOConcursoGravaOsValoresIniciaisDeHoje)
{
    // O dia e a hora vêm do relógio do programa no momento em que o diálogo abre.
    const SDiaEHora momentos[] = {{2011, 7, 9, 14, 35, 20}, {1999, 12, 31, 23, 59, 59}, {2030, 1, 1, 0, 0, 0}};
    for (const SDiaEHora& momento : momentos) {
        m_programa.m_relogio.m_momento = momento;
        Inserir([&](CResultadoVarentaDlg& dialogo) {
            EXPECT_EQ(dialogo.windowTitle(), "Cadastro de resultados");
            EXPECT_EQ(dialogo.m_data->date(), QDate(momento.ano, momento.mes, momento.dia));
            EXPECT_TRUE(dialogo.m_data->calendarPopup());
            SalvarCaptura(&dialogo, QStringLiteral("cadastro_de_resultados.png"));
            Digitar(dialogo.m_edit_concurso, "1");
            Confirmar(dialogo);
        });
        const auto gravados = ResultadosGravados(m_arquivo);
        ASSERT_EQ(gravados.size(), 1u);
        EXPECT_EQ(gravados[0]->m_data.estado, SData::kValida);
        EXPECT_EQ(gravados[0]->m_data.valor, DataDoCalendario(momento).valor) << momento.ano;
    }
    const auto gravados = ResultadosGravados(m_arquivo);
    const CResultadoVarenta& novo = *gravados[0];
    EXPECT_EQ(novo.m_concurso, 1);
    EXPECT_EQ(novo.m_acumulado, 0);
    EXPECT_EQ(novo.m_valorAcumulado, 0.0);
    for (int acertos = 3; acertos <= 5; ++acertos) {
        EXPECT_EQ(novo.m_ganhadores[acertos], 0);
        EXPECT_EQ(novo.m_rateio[acertos], 0.0);
    }
    for (const auto& placar : novo.m_scores) {
        EXPECT_EQ(placar->ColunaDoTime1(), 0);
        EXPECT_EQ(placar->ColunaDoTime2(), 0);
    }
}

TEST_F(ResultadosDialogos, ValoresDigitadosEPlacaresMarcadosSubstituemOGravado)
{
    GravarResultados(m_arquivo, {{5, "0x0 0x0 0x0 0x0 0x0"}, {120, "1x1 1x1 1x1 1x1 1x1"}, {300, "0x0 0x0 0x0 0x0 0x0"}});
    Inserir([](CResultadoVarentaDlg& dialogo) {
        Digitar(dialogo.m_edit_concurso, "120");
        dialogo.m_data->setDate(QDate(2004, 3, 15));
        Digitar(dialogo.m_edit_ganhadores[0], "152");
        Digitar(dialogo.m_edit_ganhadores[2], " 2 ");
        Digitar(dialogo.m_edit_rateios[0], "25.4");
        Digitar(dialogo.m_edit_rateios[1], "1e3");
        Digitar(dialogo.m_edit_acumulado, "1");  // o campo de dinheiro mostra 0.01
        EXPECT_EQ(dialogo.m_edit_acumulado->text(), "0.01");
        const std::array<int, 10> colunas = {1, 0, 2, 2, 4, 1, 0, 0, 3, 4};
        for (int linha = 0; linha < 10; ++linha)
            Clicar(dialogo.m_grade->Botao(linha, colunas[linha]));
        Confirmar(dialogo);
    });
    const auto gravados = ResultadosGravados(m_arquivo);
    ASSERT_EQ(gravados.size(), 3u);
    const CResultadoVarenta& novo = *gravados[1];
    EXPECT_EQ(novo.m_concurso, 120);
    EXPECT_EQ(std::floor(novo.m_data.valor), 38061.0);
    EXPECT_EQ(novo.m_ganhadores[3], 152);
    EXPECT_EQ(novo.m_ganhadores[5], 2);
    EXPECT_EQ(novo.m_rateio[3], 25.4);
    EXPECT_EQ(novo.m_rateio[4], 1000.0);
    EXPECT_EQ(novo.m_valorAcumulado, 0.01);
    EXPECT_EQ(novo.m_acumulado, 1);
    EXPECT_EQ(MarcasDaEntrada(*novo.m_scores[0]) + " " + MarcasDaEntrada(*novo.m_scores[2]) + " " +
                  MarcasDaEntrada(*novo.m_scores[4]),
              "1x0 +x1 3x+");
}

TEST_F(ResultadosDialogos, CampoRecusadoFicaComOFocoEODialogoAberto)
{
    struct SCaso {
        int campo;  // 0 concurso, 1..3 ganhadores, 4..6 rateios
        QString texto;
        QString mensagem;
    };
    const std::vector<SCaso> casos = {
        {0, "abc", "Enter an integer."},       {0, "", "Enter an integer."},
        {0, "99999999999", "Enter an integer."}, {0, "12x", "Enter an integer."},
        {2, "1.5", "Enter an integer."},       {4, "x", "Enter a number."},
        {6, "1,234.5", "Enter a number."},     {5, "1,2,3", "Enter a number."},
        {0, "1,5", "Enter an integer."},
        // Lido, mas fora da faixa do campo: a mensagem nomeia o campo e a faixa.
        {0, "0", "Concurso fora da faixa (de 1 a 99999): 0."},
        {0, " -3 ", "Concurso fora da faixa (de 1 a 99999): -3."},
        {0, "100000", "Concurso fora da faixa (de 1 a 99999): 100000."},
        {2, "-1", "Ganhadores com 4 acertos fora da faixa (de 0 a 2147483647): -1."},
        {4, "-2,25", "Rateio de 3 acertos fora da faixa (de 0 a menos de 10000000000000): -2,25."},
        {6, "1e13", "Rateio de 5 acertos fora da faixa (de 0 a menos de 10000000000000): 1e13."},
    };
    for (const SCaso& caso : casos) {
        Inserir([&](CResultadoVarentaDlg& dialogo) {
            QLineEdit* const campos[] = {dialogo.m_edit_concurso,      dialogo.m_edit_ganhadores[0],
                                         dialogo.m_edit_ganhadores[1], dialogo.m_edit_ganhadores[2],
                                         dialogo.m_edit_rateios[0],    dialogo.m_edit_rateios[1],
                                         dialogo.m_edit_rateios[2]};
            QLineEdit* campo = campos[caso.campo];
            Digitar(dialogo.m_edit_concurso, QStringLiteral("9"));
            Digitar(campo, caso.texto);
            // Um campo depois dele também errado: só a primeira mensagem aparece.
            Digitar(dialogo.m_edit_rateios[2], caso.campo == 6 ? caso.texto : QStringLiteral("zz"));
            // A mensagem abre dentro do clique: respondida por um temporizador à parte.
            const auto mensagem = ResponderProximaMensagem();
            Confirmar(dialogo);
            EXPECT_TRUE(mensagem->apareceu);
            EXPECT_EQ(mensagem->texto, caso.mensagem) << caso.texto.toStdString();
            EXPECT_EQ(mensagem->icone, QMessageBox::Warning);
            EXPECT_EQ(mensagem->titulo, "Quinaro 1.0");
            EXPECT_TRUE(dialogo.isVisible());
            EXPECT_EQ(dialogo.focusWidget(), campo) << caso.texto.toStdString();
            // O foco do teclado volta ao campo recusado, não só o do diálogo.
            QApplication::processEvents();
            EXPECT_EQ(QApplication::focusWidget(), campo) << caso.texto.toStdString();
            EXPECT_EQ(campo->selectedText(), campo->text());
            Clicar(BotaoComTexto(dialogo, QStringLiteral("Cancel")));
        });
    }
    EXPECT_FALSE(fs::exists(m_arquivo));  // cancelado: nada gravado
}

TEST_F(ResultadosDialogos, RateiosAceitamVirgulaOuPontoDecimal)
{
    struct SCaso {
        QString texto;
        double valor;
    };
    const std::vector<SCaso> casos = {
        {"35,50", 35.5}, {" 0,5 ", 0.5}, {"35.50", 35.5}, {"9999999999999,99", 9999999999999.99}, {"1,5e3", 1500.0}, {"7", 7.0},
    };
    for (const SCaso& caso : casos) {
        Inserir([&](CResultadoVarentaDlg& dialogo) {
            Digitar(dialogo.m_edit_concurso, "9");
            for (QLineEdit* rateio : dialogo.m_edit_rateios)
                Digitar(rateio, caso.texto);
            Confirmar(dialogo);
        });
        const auto gravados = ResultadosGravados(m_arquivo);
        ASSERT_EQ(gravados.size(), 1u);
        for (int acertos = 3; acertos <= 5; ++acertos)
            EXPECT_EQ(gravados[0]->m_rateio[acertos], caso.valor) << caso.texto.toStdString();
    }
}

TEST_F(ResultadosDialogos, CancelarNaoMexeNoArquivo)
{
    GravarResultados(m_arquivo, {{5, "0x0 0x0 0x0 0x0 0x0"}, {7, "0x0 0x0 0x0 0x0 0x0"}});
    const std::string antes = LerBytes(m_arquivo);
    Inserir([](CResultadoVarentaDlg& dialogo) {
        Digitar(dialogo.m_edit_concurso, "9");
        Clicar(BotaoComTexto(dialogo, QStringLiteral("Cancel")));
    });
    Remover([](CEscolhaConcursoDlg& dialogo) { Clicar(BotaoComTexto(dialogo, QStringLiteral("Cancelar"))); });
    EXPECT_EQ(LerBytes(m_arquivo), antes);
}

TEST_F(ResultadosDialogos, EscolhaListaOsConcursosEmOrdemERemoveOEscolhido)
{
    // Fora de ordem e com repetidos, como um arquivo feito à mão: a remoção não reordena.
    GravarResultados(m_arquivo, {{1, "0x0 0x0 0x0 0x0 0x0"}, {1234, "0x0 0x0 0x0 0x0 0x0"},
                                 {25, "0x0 0x0 0x0 0x0 0x0"}, {1234, "1x1 0x0 0x0 0x0 0x0"}});
    Remover([](CEscolhaConcursoDlg& dialogo) {
        EXPECT_EQ(dialogo.windowTitle(), "Selecione o concurso:");
        QStringList itens;
        for (int i = 0; i < dialogo.m_combo->count(); ++i)
            itens.append(dialogo.m_combo->itemText(i));
        EXPECT_EQ(itens, (QStringList{"00001", "01234", "00025", "01234"}));
        EXPECT_EQ(dialogo.m_combo->currentIndex(), 0);
        dialogo.m_combo->setCurrentIndex(1);
        Confirmar(dialogo);
    });
    EXPECT_EQ(ConcursosGravados(m_arquivo), (std::vector<int>{1, 25}));
}

TEST_F(ResultadosDialogos, SemArquivoInserirCriaEEscolherMostraListaVazia)
{
    m_respostas.AceitarMensagem();
    Remover([](CEscolhaConcursoDlg& dialogo) {
        EXPECT_EQ(dialogo.m_combo->count(), 0);
        Confirmar(dialogo);
    });
    EXPECT_EQ(m_respostas.Textos(), QStringList{"Erro ao Abrir Arquivo"});
    // OK numa lista vazia remove o concurso 0 de uma lista vazia: arquivo sem registros.
    EXPECT_EQ(LerBytes(m_arquivo), std::string(2, '\0'));

    fs::remove(m_arquivo);
    Inserir([](CResultadoVarentaDlg& dialogo) {
        Digitar(dialogo.m_edit_concurso, "77");
        Confirmar(dialogo);
    });
    EXPECT_EQ(ConcursosGravados(m_arquivo), std::vector<int>{77});
}

TEST_F(ResultadosDialogos, ArquivoDanificadoTerminaOComandoSemGravar)
{
    GravarResultados(m_arquivo, {{5, "0x0 0x0 0x0 0x0 0x0"}});
    GravarBytes(m_arquivo, LerBytes(m_arquivo).substr(0, 50));
    const std::string danificado = LerBytes(m_arquivo);
    // Inserir lê o arquivo depois do diálogo; a escolha lê antes de mostrar a lista.
    Inserir(
        [](CResultadoVarentaDlg& dialogo) {
            Digitar(dialogo.m_edit_concurso, "9");
            Confirmar(dialogo);
        },
        1);
    m_respostas.AceitarMensagem();
    ExecutarComando(kRemover);
    const QString mensagem = QString::fromStdString("Attempted to access " + m_arquivo.string() + " past its end.");
    ASSERT_EQ(m_respostas.Mensagens().size(), 2);
    for (const auto& vista : m_respostas.Mensagens()) {
        EXPECT_EQ(vista.texto, mensagem);
        EXPECT_EQ(vista.icone, QMessageBox::Critical);
    }
    EXPECT_EQ(LerBytes(m_arquivo), danificado);
}

TEST_F(ResultadosDialogos, FalhaAoGravarMostraErroAoSalvarArquivo)
{
    // Um diretório no lugar do arquivo: não se lê nem se substitui.
    fs::create_directories(m_arquivo);
    Inserir(
        [](CResultadoVarentaDlg& dialogo) {
            Digitar(dialogo.m_edit_concurso, "9");
            Confirmar(dialogo);
        },
        1);
    EXPECT_EQ(m_respostas.Textos(), QStringList{"Erro ao Salvar Arquivo"});
    EXPECT_TRUE(fs::is_directory(m_arquivo));
}

} // namespace
