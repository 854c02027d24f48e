// Campo de dinheiro, campo colorido, lista colorida, escolha de cor, grade de chaves e "Busca".
#include "tests/app/CaixasModais.h"

#include "checking/Conferencia.h"
#include "app/controles/BuscaDlg.h"
#include "app/controles/ColorListBox.h"
#include "app/controles/ColorPickerCB.h"
#include "app/controles/ComboGridCtrl.h"
#include "app/controles/DinheiroEdit.h"
#include "app/controles/EditColor.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct STecla {
    std::function<void(QWidget*)> apertar;
    QString texto;
    int cursor;
};

STecla Digito(char digito, const char* texto, int cursor)
{
    return {[digito](QWidget* campo) { QTest::keyClick(campo, digito); }, QString::fromLatin1(texto), cursor};
}

STecla Tecla(Qt::Key tecla, const char* texto, int cursor, Qt::KeyboardModifiers modificadores = {})
{
    return {[=](QWidget* campo) { QTest::keyClick(campo, tecla, modificadores); }, QString::fromLatin1(texto),
            cursor};
}

class CampoDeDinheiro : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_campo.show();
        m_campo.activateWindow();
        m_campo.setFocus();
    }

    void Conferir(const std::vector<STecla>& teclas)
    {
        for (size_t i = 0; i < teclas.size(); ++i) {
            teclas[i].apertar(&m_campo);
            EXPECT_EQ(m_campo.text(), teclas[i].texto) << "tecla " << i;
            EXPECT_EQ(m_campo.cursorPosition(), teclas[i].cursor) << "tecla " << i;
        }
    }

    CDinheiroEdit m_campo;
};

// Contagem de pixels parecidos com uma cor (o texto é suavizado nas bordas).
int PixelsParecidos(const QImage& imagem, const QRect& area, const QColor& cor)
{
    int quantos = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel(imagem.pixel(x, y));
            if (std::abs(pixel.red() - cor.red()) < 40 && std::abs(pixel.green() - cor.green()) < 40 &&
                std::abs(pixel.blue() - cor.blue()) < 40)
                ++quantos;
        }
    return quantos;
}

}  // namespace

TEST_F(CampoDeDinheiro, DigitosEntramPelosCentavos)
{
    Conferir({Digito('1', "0.01", 4), Digito('2', "0.12", 4), Digito('3', "1.23", 4), Digito('4', "12.34", 5),
              Tecla(Qt::Key_Backspace, "1.23", 4)});
}

TEST_F(CampoDeDinheiro, ZerosAEsquerdaSoCaemAlemDeQuatroCaracteres)
{
    Conferir({Digito('0', "0.00", 4), Digito('0', "0.00", 4), Digito('5', "0.05", 4), Digito('7', "0.57", 4),
              Digito('x', "0.57", 4)});
}

TEST_F(CampoDeDinheiro, CursorNoMeioAndaComOTexto)
{
    Conferir({Digito('1', "0.01", 4), Digito('2', "0.12", 4), Digito('3', "1.23", 4), Digito('4', "12.34", 5),
              Tecla(Qt::Key_Home, "12.34", 0), Tecla(Qt::Key_Right, "12.34", 1), Digito('9', "192.34", 2),
              Tecla(Qt::Key_Delete, "19.34", 1)});
}

TEST_F(CampoDeDinheiro, ApagarTudoDeixaZeroEColarGuardaSoOsDigitos)
{
    Conferir({Digito('5', "0.05", 4), Tecla(Qt::Key_A, "0.05", 4, Qt::ControlModifier),
              Tecla(Qt::Key_Backspace, "0.00", 4)});

    m_campo.clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("1,234.56"));
    Conferir({Tecla(Qt::Key_V, "1234.56", 4, Qt::ControlModifier)});
}

TEST_F(CampoDeDinheiro, CaractereNumCampoVazioNormaliza)
{
    // Backspace e um não-dígito são caracteres: o campo vazio passa a "0.00". Delete não é.
    for (const STecla& tecla : {Tecla(Qt::Key_Backspace, "0.00", 4), Digito('x', "0.00", 4), Digito('7', "0.07", 4),
                                Tecla(Qt::Key_Delete, "", 0)}) {
        m_campo.clear();
        Conferir({tecla});
    }
}

// Cada caminho de colagem que o desktop oferece, com o mesmo texto na área de transferência.
TEST_F(CampoDeDinheiro, ColagemPorQualquerCaminhoENormalizada)
{
    const QString colado = QStringLiteral("R$ 1,234.56");
    struct SCaminho {
        const char* nome;
        std::function<void(CDinheiroEdit&)> colar;
    };
    std::vector<SCaminho> caminhos = {
        {"Ctrl+V", [](CDinheiroEdit& campo) { QTest::keyClick(&campo, Qt::Key_V, Qt::ControlModifier); }},
        {"Shift+Insert", [](CDinheiroEdit& campo) { QTest::keyClick(&campo, Qt::Key_Insert, Qt::ShiftModifier); }},
        {"menu de contexto",
         [](CDinheiroEdit& campo) {
             QTimer::singleShot(0, [] {
                 auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                 ASSERT_NE(menu, nullptr);
                 for (QAction* acao : menu->actions())
                     if (acao->objectName() == "edit-paste" || acao->text().startsWith("&Paste"))
                         QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(acao).center());
                 if (menu->isVisible())
                     menu->close();
             });
             QContextMenuEvent evento(QContextMenuEvent::Mouse, QPoint(5, 5), campo.mapToGlobal(QPoint(5, 5)));
             QApplication::sendEvent(&campo, &evento);
         }},
        {"arraste",
         [colado](CDinheiroEdit& campo) {
             QMimeData dados;
             dados.setText(colado);
             const QPoint ponto(5, 5);
             QDragEnterEvent entrada(ponto, Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&campo, &entrada);
             QDragMoveEvent movimento(ponto, Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&campo, &movimento);
             QDropEvent soltura(QPointF(ponto), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&campo, &soltura);
         }},
    };
    // A colagem da seleção pelo botão do meio só existe onde há seleção (X11).
    if (QGuiApplication::clipboard()->supportsSelection())
        caminhos.push_back({"botão do meio", [](CDinheiroEdit& campo) {
                                QTest::mouseClick(&campo, Qt::MiddleButton, {}, QPoint(5, 5));
                            }});
    for (const SCaminho& caminho : caminhos) {
        m_campo.clear();
        QGuiApplication::clipboard()->setText(colado);
        if (QGuiApplication::clipboard()->supportsSelection())
            QGuiApplication::clipboard()->setText(colado, QClipboard::Selection);
        caminho.colar(m_campo);
        QApplication::processEvents();
        EXPECT_EQ(m_campo.text(), "1234.56") << caminho.nome;
    }
}

TEST(CampoColorido, PintaOFundoEOTextoEscolhidos)
{
    for (const auto& [fundo, texto] : {std::pair{QColor(230, 200, 170), QColor(Qt::black)},
                                       std::pair{QColor(Qt::black), QColor(252, 252, 252)}}) {
        CEditColor campo(fundo, texto);
        campo.setReadOnly(true);
        campo.resize(120, 24);
        campo.setText(QStringLiteral("888"));
        campo.setAlignment(Qt::AlignLeft);
        const QImage imagem = campo.grab().toImage();
        EXPECT_EQ(QColor(imagem.pixel(100, 12)), fundo);
        EXPECT_GT(PixelsParecidos(imagem, QRect(2, 2, 40, 20), texto), 5);
    }
}

TEST(ListaColorida, LinhaSelecionadaGuardaASuaCorELinhaSemCorEhComum)
{
    CColorListBox lista;
    lista.resize(200, 100);
    lista.AdicionarLinha(QStringLiteral("MMMM comum MMMM"), 0);
    lista.AdicionarLinha(QStringLiteral("MMMM premiado MMMM"), Rgb(255, 0, 0));
    lista.show();
    lista.setCurrentRow(1);
    EXPECT_EQ(lista.CorDaLinha(0), 0u);
    EXPECT_EQ(lista.CorDaLinha(1), Rgb(255, 0, 0));

    const QImage imagem = lista.viewport()->grab().toImage();
    const QRect comum = lista.visualItemRect(lista.item(0));
    const QRect premiado = lista.visualItemRect(lista.item(1));
    const QColor destaque = lista.palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_GT(PixelsParecidos(imagem, premiado, QColor(255, 0, 0)), 10);
    EXPECT_GT(PixelsParecidos(imagem, premiado, destaque), premiado.width());
    EXPECT_EQ(PixelsParecidos(imagem, comum, QColor(255, 0, 0)), 0);
    EXPECT_GT(PixelsParecidos(imagem, comum, lista.palette().color(QPalette::Text)), 10);
}

TEST(EscolhaDeCor, DezesseteCoresUmaVezSoComAPrimeiraEscolhida)
{
    CColorPickerCB cores;
    cores.Preencher();
    ASSERT_EQ(cores.count(), 17);
    EXPECT_EQ(cores.currentIndex(), 0);
    EXPECT_EQ(cores.itemText(0), QStringLiteral("Preto"));
    EXPECT_EQ(cores.itemText(6), QStringLiteral("Púrpura"));
    EXPECT_EQ(cores.itemData(1).toUInt(), Rgb(240, 80, 20));
    EXPECT_EQ(cores.itemText(16), QStringLiteral("Branco"));
    EXPECT_EQ(cores.itemData(16).toUInt(), Rgb(255, 255, 255));

    cores.setCurrentIndex(12);
    cores.Preencher();
    EXPECT_EQ(cores.count(), 17);
    EXPECT_EQ(cores.currentIndex(), 12);
}

TEST(EscolhaDeCor, AmostraNaCorDoItem)
{
    CColorPickerCB cores;
    cores.resize(200, 26);
    cores.setCurrentIndex(10);  // "Vermelho"
    const QImage imagem = cores.grab().toImage();
    EXPECT_GT(PixelsParecidos(imagem, QRect(0, 0, 50, 26), QColor(255, 0, 0)), 20);
}

class GradeDeChaves : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_grade.setRowCount(2);
        m_grade.setColumnCount(3);
        m_grade.DefinirTexto(0, 1, QStringLiteral("Mín"));
        m_grade.DefinirTexto(0, 2, QStringLiteral("Máx"));
        m_grade.DefinirTexto(1, 0, QStringLiteral("Ch A"));
        m_grade.DefinirTexto(1, 1, QStringLiteral("2"));
        m_grade.DefinirTexto(1, 2, QStringLiteral("3"));
        m_grade.DefinirLimite(1, 3);
        m_grade.resize(300, 120);
        m_grade.show();
        m_grade.activateWindow();
    }

    QComboBox* Editor() { return m_grade.viewport()->findChild<QComboBox*>(); }

    void ClicarDuasVezes(int linha, int coluna)
    {
        const QRect celula = m_grade.visualRect(m_grade.model()->index(linha, coluna));
        QTest::mouseClick(m_grade.viewport(), Qt::LeftButton, {}, celula.center());
        QTest::mouseDClick(m_grade.viewport(), Qt::LeftButton, {}, celula.center());
    }

    CComboGridCtrl m_grade;
};

TEST_F(GradeDeChaves, ChaveDeTresJogosOfereceDe0A2NoMinimoEDe1A3NoMaximo)
{
    EXPECT_EQ(m_grade.Escolhas(1, 1), (QStringList{"0", "1", "2"}));
    EXPECT_EQ(m_grade.Escolhas(1, 2), (QStringList{"1", "2", "3"}));

    ClicarDuasVezes(1, 1);
    QComboBox* editor = Editor();
    ASSERT_NE(editor, nullptr);
    QStringList itens;
    for (int i = 0; i < editor->count(); ++i)
        itens << editor->itemText(i);
    EXPECT_EQ(itens, (QStringList{"0", "1", "2"}));
    EXPECT_EQ(editor->currentText(), QStringLiteral("2"));
}

TEST_F(GradeDeChaves, EscolherNaListaGravaEAvisa)
{
    QSignalSpy alteradas(&m_grade, &CComboGridCtrl::celulaAlterada);
    ClicarDuasVezes(1, 2);
    QComboBox* editor = Editor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Up);

    EXPECT_EQ(m_grade.Texto(1, 2), QStringLiteral("2"));
    ASSERT_EQ(alteradas.count(), 1);
    EXPECT_EQ(alteradas.at(0), (QVariantList{1, 2}));
}

TEST_F(GradeDeChaves, TeclaAbreAEdicaoJaNaEscolhaDigitada)
{
    QSignalSpy alteradas(&m_grade, &CComboGridCtrl::celulaAlterada);
    m_grade.setCurrentCell(1, 1);
    m_grade.setFocus();
    QTest::keyClick(&m_grade, '0');
    QComboBox* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->currentText(), QStringLiteral("0"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();

    EXPECT_EQ(m_grade.Texto(1, 1), QStringLiteral("0"));
    EXPECT_EQ(alteradas.count(), 1);
}

TEST_F(GradeDeChaves, CelulasFixasNaoSeEditam)
{
    ClicarDuasVezes(0, 1);
    EXPECT_EQ(Editor(), nullptr);
    ClicarDuasVezes(1, 0);
    EXPECT_EQ(Editor(), nullptr);
}

TEST(DialogoDeBusca, RecusaTextoQueNaoEhInteiroEAceitaNegativo)
{
    CBuscaDlg busca;
    EXPECT_EQ(busca.windowTitle(), QStringLiteral("Busca"));
    busca.m_numero = 0;
    busca.show();
    EXPECT_EQ(busca.Campo()->text(), QStringLiteral("0"));
    auto* botoes = busca.findChild<QDialogButtonBox*>();
    ASSERT_NE(botoes, nullptr);
    QPushButton* ok = nullptr;
    QStringList textos;
    for (QAbstractButton* botao : botoes->buttons()) {
        textos << botao->text();
        if (botoes->buttonRole(botao) == QDialogButtonBox::AcceptRole)
            ok = qobject_cast<QPushButton*>(botao);
    }
    EXPECT_TRUE(textos.contains(QStringLiteral("OK")));
    EXPECT_TRUE(textos.contains(QStringLiteral("Cancel")));
    ASSERT_NE(ok, nullptr);

    busca.Campo()->setText(QStringLiteral("3a"));
    auto mensagem = ResponderProximaMensagem();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(mensagem->apareceu);
    EXPECT_EQ(mensagem->texto, QStringLiteral("Enter an integer."));
    EXPECT_EQ(mensagem->titulo, QStringLiteral("Quinaro 1.0"));
    EXPECT_TRUE(busca.isVisible());

    busca.Campo()->setText(QStringLiteral(" -5 "));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(busca.isVisible());
    EXPECT_EQ(busca.result(), QDialog::Accepted);
    EXPECT_EQ(busca.m_numero, -5);
}
