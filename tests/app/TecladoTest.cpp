// A tela de apostas e os menus só pelo teclado: a ordem do Tab, as setas e o Espaço no
// quadro, a grade das chaves, os nomes que um leitor de tela lê e os atalhos dos menus.

#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"

#include "app/apostas/ScoreForm.h"
#include "app/controles/ComboGridCtrl.h"
#include "app/controles/ScoreButton.h"
#include "app/dialogos/CombinandoApostasDlg.h"
#include "app/dialogos/GerarApostasDlg.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"
#include "core/Chave.h"
#include "document/VarentaDoc.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

// As 25 células de um jogo, na ordem do quadro.
const char* const kPlacares[25] = {"+ x 3", "+ x 2", "+ x 1", "+ x 0", "3 x 2", "3 x 1", "3 x 0", "2 x 1", "2 x 0",
                                   "1 x 0", "+ x +", "3 x 3", "2 x 2", "1 x 1", "0 x 0", "1 x 3", "0 x 3", "1 x 2",
                                   "0 x 2", "0 x 1", "3 x +", "2 x +", "1 x +", "0 x +", "2 x 3"};

QString NomeAcessivel(QWidget* widget)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface != nullptr ? interface->text(QAccessible::Name) : QString();
}

// O que o leitor de tela diz do controle: o rótulo ligado a ele (se houver) e o nome.
QString TextoLido(QWidget* widget)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    if (interface == nullptr)
        return QStringLiteral("<sem interface>");
    QString texto;
    for (const auto& [rotulo, relacao] : interface->relations(QAccessible::Label))
        texto += rotulo->text(QAccessible::Name) + QStringLiteral(" ");
    return texto + interface->text(QAccessible::Name);
}

class TecladoTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_respostas.FalharComDialogosInesperados();
        ASSERT_TRUE(m_programa.Iniciar());
        m_tela = m_programa.TelaDeApostas();
        ASSERT_NE(m_tela, nullptr);
        Ativar();
    }

    // Uma caixa fechada não devolve a ativação à janela na plataforma fora da tela.
    void Ativar() const
    {
        m_programa.Janela().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_programa.Janela()));
    }

    template <class T>
    T* Controle(const QString& nome) const
    {
        T* controle = m_tela->findChild<T*>(nome);
        EXPECT_NE(controle, nullptr) << nome.toStdString();
        return controle;
    }
    CScoreButton* Celula(int jogo, int k) const
    {
        return Controle<CScoreButton>(QStringLiteral("celula_%1_%2").arg(jogo).arg(k));
    }
    CComboGridCtrl* Grade() const { return Controle<CComboGridCtrl>(QStringLiteral("grade")); }
    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }

    // O controle com o foco; o campo de texto de um campo com setas conta como o campo.
    static QWidget* Focado()
    {
        QWidget* focado = QApplication::focusWidget();
        if (focado != nullptr && qobject_cast<QAbstractSpinBox*>(focado->parentWidget()) != nullptr)
            return focado->parentWidget();
        return focado;
    }
    // Uma tecla no controle com o foco, como o usuário a daria.
    static void Tecla(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier)
    {
        QWidget* focado = QApplication::focusWidget();
        ASSERT_NE(focado, nullptr);
        QTest::keyClick(focado, tecla, modificadores);
        QApplication::processEvents();
    }
    // Shift+Tab chega como Backtab, como o servidor X o entrega.
    static void Avancar(bool para_tras = false)
    {
        if (para_tras)
            Tecla(Qt::Key_Backtab, Qt::ShiftModifier);
        else
            Tecla(Qt::Key_Tab);
    }
    // Os nomes acessíveis dos controles visitados por `quantos` Tabs (ou Shift+Tabs).
    static QStringList Percorrer(int quantos, bool para_tras = false)
    {
        QStringList nomes;
        for (int i = 0; i < quantos; ++i) {
            Avancar(para_tras);
            // O leitor de tela lê o que recebeu o foco (num campo com setas, o texto dele).
            QWidget* focado = QApplication::focusWidget();
            nomes.append(focado != nullptr ? TextoLido(focado) : QStringLiteral("<sem foco>"));
            if (focado != nullptr && nomes.back().isEmpty())
                nomes.back() = QStringLiteral("<%1 sem nome>").arg(QString::fromLatin1(focado->metaObject()->className()));
        }
        return nomes;
    }
    void Focar(QWidget* controle) const
    {
        controle->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_EQ(Focado(), controle);
    }

    // Cinco cartões ("Somente gerar") e o segundo na tela: os sete botões do cartão ficam ativos.
    void GerarCincoCartoesEIrAoSegundo()
    {
        for (int k = 0; k < 5; ++k)
            QTest::mouseClick(Celula(0, k), Qt::LeftButton);
        for (int m = 1; m < 5; ++m)
            QTest::mouseClick(Celula(m, 0), Qt::LeftButton);
        m_respostas.Responder([](QWidget* modal) {
            auto* pergunta = qobject_cast<CGerarApostasDlg*>(modal);
            ASSERT_NE(pergunta, nullptr);
            for (QRadioButton* opcao : pergunta->findChildren<QRadioButton*>())
                if (opcao->text() == "Somente gerar as apostas.")
                    Clicar(opcao);
            for (QPushButton* botao : pergunta->findChildren<QPushButton*>())
                if (botao->text() == "OK")
                    Clicar(botao);
        });
        Clicar(Controle<QAbstractButton>(QStringLiteral("executar")));
        ASSERT_FALSE(m_respostas.Pendente());
        ASSERT_EQ(Doc().m_volantes.Quantidade(), 5);
        // O progresso fica aberto com "Fechar", como para o usuário.
        for (QPushButton* botao : m_tela->DialogoDeGeracao()->findChildren<QPushButton*>())
            if (botao->text() == "Fechar")
                Clicar(botao);
        ASSERT_FALSE(m_tela->DialogoDeGeracao()->isVisible());
        Ativar();
        Clicar(Controle<QAbstractButton>(QStringLiteral("proximo")));
    }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    CScoreForm* m_tela = nullptr;
};

TEST_F(TecladoTest, TabVisitaATelaNaOrdemDeLeituraEVoltaComShiftTab)
{
    GerarCincoCartoesEIrAoSegundo();
    const QStringList esperados = {
        "Acerto de chaves completas Máx.",
        // O clique do mouse também escolhe a célula que recebe o Tab.
        "Jogo 1, 3 x 2, favorito",
        "Jogo 2, + x 3, favorito",
        "Jogo 3, + x 3, favorito",
        "Jogo 4, + x 3, favorito",
        "Jogo 5, + x 3, favorito",
        "Chave do jogo 1",
        "Chave do jogo 2",
        "Chave do jogo 3",
        "Chave do jogo 4",
        "Chave do jogo 5",
        "Executar",
        "Filtrar",
        "Limpar",
        "Remover",
        "Valor das apostas: R$ 1,00",
        "Condição de acertos por chave",
        "Valor",
        "Qtde de Cartões",
        "Cartão Atual",
        "Primeiro cartão",
        "Cartão anterior",
        "Próximo cartão",
        "Último cartão",
        "Remover este cartão",
        "Buscar cartão",
        "Remover todos os cartões",
        // O foco não fica preso: depois do último volta ao primeiro.
        "Acerto de chaves completas Mín.",
    };
    Focar(Controle<QWidget>(QStringLiteral("min_completas")));
    EXPECT_EQ(TextoLido(QApplication::focusWidget()).toStdString(), "Acerto de chaves completas Mín.");
    const QStringList ida = Percorrer(static_cast<int>(esperados.size()));
    EXPECT_EQ(ida.join(" | ").toStdString(), esperados.join(" | ").toStdString());
    SalvarCaptura(&m_programa.Janela(), QStringLiteral("teclado_tab.png"));

    QStringList volta = Percorrer(static_cast<int>(esperados.size()), true);
    QStringList esperados_na_volta(esperados.rbegin() + 1, esperados.rend());
    esperados_na_volta.append(esperados.back());
    EXPECT_EQ(volta.join(" | ").toStdString(), esperados_na_volta.join(" | ").toStdString());
}

TEST_F(TecladoTest, SetasAndamNoQuadroEEspacoMudaOEstado)
{
    Focar(Celula(0, 0));
    Tecla(Qt::Key_Right);
    EXPECT_EQ(Focado(), Celula(0, 1));
    Tecla(Qt::Key_Down);
    EXPECT_EQ(Focado(), Celula(0, 6));
    EXPECT_EQ(NomeAcessivel(Focado()), "Jogo 1, 3 x 0, alternativa");

    // O Espaço faz o que um clique faz: o estado avança e o documento acompanha.
    const char* const estados[] = {"favorito", "removido", "alternativa"};
    for (int i = 0; i < 3; ++i) {
        Tecla(Qt::Key_Space);
        EXPECT_EQ(Celula(0, 6)->Estado(), (i + 1) % 3);
        EXPECT_EQ(Doc().m_celulas[0][6], (i + 1) % 3);
        EXPECT_EQ(NomeAcessivel(Celula(0, 6)), QStringLiteral("Jogo 1, 3 x 0, %1").arg(QString::fromLatin1(estados[i])));
    }

    // Nas bordas as setas não saem do quadro.
    Focar(Celula(1, 20));
    for (Qt::Key tecla : {Qt::Key_Left, Qt::Key_Down}) {
        Tecla(tecla);
        EXPECT_EQ(Focado(), Celula(1, 20));
    }
    Focar(Celula(1, 4));
    for (Qt::Key tecla : {Qt::Key_Right, Qt::Key_Up}) {
        Tecla(tecla);
        EXPECT_EQ(Focado(), Celula(1, 4));
    }
    Tecla(Qt::Key_Left);
    EXPECT_EQ(Focado(), Celula(1, 3));

    // Um Tab por quadro; voltando, o quadro devolve o foco à célula em que ele estava.
    Avancar();
    EXPECT_EQ(Focado(), Celula(2, 0));
    Avancar(true);
    EXPECT_EQ(Focado(), Celula(1, 3));
    Avancar(true);
    EXPECT_EQ(Focado(), Celula(0, 6));
}

TEST_F(TecladoTest, CadaCelulaTemNomeEEstadoParaOLeitorDeTela)
{
    QTest::mouseClick(Celula(4, 24), Qt::LeftButton);
    for (int m = 0; m < 5; ++m)
        for (int k = 0; k < 25; ++k) {
            const QString estado = m == 4 && k == 24 ? QStringLiteral("favorito") : QStringLiteral("alternativa");
            EXPECT_EQ(NomeAcessivel(Celula(m, k)),
                      QStringLiteral("Jogo %1, %2, %3").arg(m + 1).arg(QString::fromLatin1(kPlacares[k])).arg(estado));
        }
    Clicar(Controle<QAbstractButton>(QStringLiteral("remover")));
    EXPECT_EQ(NomeAcessivel(Celula(2, 12)), "Jogo 3, 2 x 2, removido");
    EXPECT_EQ(NomeAcessivel(Celula(4, 24)), "Jogo 5, 2 x 3, favorito");

    // A legenda diz o estado que ilustra, sem ser parada do Tab.
    for (const auto& [nome, texto] : {std::pair{"legenda_favorito", "Legenda, favorito"},
                                      std::pair{"legenda_alternativa", "Legenda, alternativa"},
                                      std::pair{"legenda_removido", "Legenda, removido"}}) {
        auto* legenda = Controle<CScoreButton>(QString::fromLatin1(nome));
        EXPECT_EQ(NomeAcessivel(legenda), texto);
        EXPECT_EQ(legenda->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(NomeAcessivel(Controle<QWidget>(QStringLiteral("cartao_atual"))), "Cartão Atual");
}

TEST_F(TecladoTest, GradeDasChavesAndaComSetasESaiComTab)
{
    QTest::keyClicks(Controle<QLineEdit>(QStringLiteral("chave1")), "a");
    QTest::keyClicks(Controle<QLineEdit>(QStringLiteral("chave2")), "a");
    QTest::keyClicks(Controle<QLineEdit>(QStringLiteral("chave3")), "b");
    CComboGridCtrl* grade = Grade();
    ASSERT_EQ(grade->rowCount(), 3);

    QAccessibleInterface* tabela = QAccessible::queryAccessibleInterface(grade);
    ASSERT_NE(tabela, nullptr);
    ASSERT_NE(tabela->tableInterface(), nullptr);
    const auto nome_da_celula = [tabela](int linha, int coluna) {
        QAccessibleInterface* celula = tabela->tableInterface()->cellAt(linha, coluna);
        return celula != nullptr ? celula->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(nome_da_celula(1, 1), "Ch A, Mín 0");
    EXPECT_EQ(nome_da_celula(1, 2), "Ch A, Máx 2");
    EXPECT_EQ(nome_da_celula(2, 2), "Ch B, Máx 1");

    Focar(grade);
    grade->setCurrentCell(1, 1);
    Tecla(Qt::Key_Right);
    EXPECT_EQ(grade->currentRow(), 1);
    EXPECT_EQ(grade->currentColumn(), 2);
    Tecla(Qt::Key_Down);
    EXPECT_EQ(grade->currentRow(), 2);
    Tecla(Qt::Key_Up);
    EXPECT_EQ(grade->currentRow(), 1);

    // Tab sai da grade, também com a lista de escolhas aberta (que grava a escolha).
    Avancar();
    EXPECT_EQ(NomeAcessivel(Focado()), "Valor");
    Avancar(true);
    EXPECT_EQ(Focado(), grade);
    Tecla(Qt::Key_1);
    auto* lista = grade->findChild<QComboBox*>();
    ASSERT_NE(lista, nullptr);
    ASSERT_TRUE(lista->hasFocus());
    Avancar();
    EXPECT_EQ(NomeAcessivel(Focado()), "Valor");
    EXPECT_EQ(grade->Texto(1, 2), "1");
    EXPECT_EQ(Doc().m_chaves.front()->m_max, 1);
    EXPECT_EQ(nome_da_celula(1, 2), "Ch A, Máx 1");

    Avancar(true);
    Tecla(Qt::Key_2);
    ASSERT_NE(grade->findChild<QComboBox*>(), nullptr);
    Avancar(true);
    EXPECT_EQ(TextoLido(Focado()), "Valor das apostas: R$ 1,00");
    EXPECT_EQ(grade->Texto(1, 2), "2");
}

struct SAtalho {
    int comando;
    QKeySequence tecla;
    const char* texto;
};
const SAtalho kAtalhos[] = {
    {Comando::kNovo, QKeySequence(Qt::CTRL | Qt::Key_N), "Ctrl+N"},
    {Comando::kAbrir, QKeySequence(Qt::CTRL | Qt::Key_O), "Ctrl+O"},
    {Comando::kSalvar, QKeySequence(Qt::CTRL | Qt::Key_S), "Ctrl+S"},
    {Comando::kImprimir, QKeySequence(Qt::CTRL | Qt::Key_P), "Ctrl+P"},
    {Comando::kAjuda, QKeySequence(Qt::Key_F1), "F1"},
    {Comando::kExecutar, QKeySequence(Qt::Key_F5), "F5"},
};

TEST_F(TecladoTest, AtalhosAparecemNosMenusSemRepetir)
{
    for (const SAtalho& atalho : kAtalhos) {
        SCOPED_TRACE(atalho.texto);
        QAction* acao = m_programa.Acao(atalho.comando);
        ASSERT_NE(acao, nullptr);
        EXPECT_EQ(acao->shortcut(), atalho.tecla);
        EXPECT_EQ(acao->shortcut().toString(QKeySequence::NativeText), QString::fromLatin1(atalho.texto));
        // O menu escreve o atalho ao lado do texto (um texto com tabulação o esconderia).
        EXPECT_FALSE(acao->text().contains(u'\t'));
        bool no_menu = false;
        for (QAction* titulo : m_programa.Janela().menuBar()->actions())
            if (titulo->menu() != nullptr && titulo->menu()->actions().contains(acao))
                no_menu = true;
        EXPECT_TRUE(no_menu);
    }
    EXPECT_EQ(m_programa.Acao(Comando::kExecutar)->text(), "Executar");

    // Nenhuma tecla serve a dois comandos.
    QHash<QString, QString> donos;
    for (QAction* acao : m_programa.Janela().findChildren<QAction*>())
        for (const QKeySequence& tecla : acao->shortcuts()) {
            const QString texto = tecla.toString();
            EXPECT_FALSE(donos.contains(texto)) << texto.toStdString() << ": " << donos.value(texto).toStdString()
                                                << " e " << acao->text().toStdString();
            donos.insert(texto, acao->text());
        }

    QMenu* filtros = nullptr;
    for (QAction* titulo : m_programa.Janela().menuBar()->actions())
        if (titulo->text() == "&Filtros")
            filtros = titulo->menu();
    ASSERT_NE(filtros, nullptr);
    filtros->popup(QPoint(0, 0));
    QApplication::processEvents();
    SalvarCaptura(filtros, QStringLiteral("teclado_menu_filtros.png"));
    filtros->hide();
}

TEST_F(TecladoTest, CadaAtalhoExecutaOSeuComando)
{
    // O foco numa célula do quadro: os atalhos valem em qualquer lugar da janela.
    Focar(Celula(0, 0));
    auto apertar = [this](const QKeySequence& tecla) {
        QTest::keyClick(&m_programa.Janela(), tecla[0].key(), tecla[0].keyboardModifiers());
        QApplication::processEvents();
        Ativar();
    };
    QStringList vistos;
    const auto recusar = [&vistos](QWidget* modal) {
        vistos.append(QString::fromLatin1(modal->metaObject()->className()));
        modal->close();
    };

    // F5, como o botão "Executar": sem favorito, a mensagem do jogo 1.
    m_respostas.AceitarMensagem();
    apertar(QKeySequence(Qt::Key_F5));
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_respostas.Textos(), QStringList({"Marque ao menos um favorito no jogo 1"}));

    // F1 na janela principal: o manual na seção da tela de apostas.
    apertar(QKeySequence(Qt::Key_F1));
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    EXPECT_EQ(m_programa.m_navegador.m_abertos[0], m_programa.Instalacao() / "help" / "apostas.htm");

    m_respostas.Responder(recusar);
    apertar(QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_FALSE(m_respostas.Pendente());
    m_respostas.Responder(recusar);
    apertar(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_FALSE(m_respostas.Pendente());
    m_respostas.Responder(recusar);
    apertar(QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_FALSE(m_respostas.Pendente());
    ASSERT_EQ(vistos.size(), 3);
    EXPECT_EQ(vistos[0], "QPrintDialog");
    EXPECT_EQ(vistos[1], "QFileDialog");
    EXPECT_EQ(vistos[2], "QFileDialog");

    apertar(QKeySequence(Qt::CTRL | Qt::Key_N));
    ASSERT_NE(m_programa.Documento(), nullptr);
    EXPECT_EQ(m_programa.Documento()->Titulo(), "Quinaro2");
}

}  // namespace
