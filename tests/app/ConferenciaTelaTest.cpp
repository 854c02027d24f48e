// Tela de conferência: escolha do concurso, marcação à mão, conferência e limpeza.
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/support/Montagem.h"
#include "tests/app/ResultadosDeTeste.h"

#include "results/CaminhoDeDados.h"
#include "checking/Conferencia.h"
#include "document/VarentaDoc.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/controles/ColorListBox.h"
#include "app/resultados/GradeDoResultado.h"
#include "app/shell/ChildFrame.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QAbstractItemView>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>


namespace {

const std::string kResultado123 = "1x0 2x2 +x1 0x0 3x+";
const std::array<int, 10> kColunas123 = {1, 0, 2, 2, 4, 1, 0, 0, 3, 4};
const std::array<int, 10> kZeros{};

class ConferenciaTela : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_programa.Iniciar()); }

    std::filesystem::path ArquivoDeResultados() const
    {
        return CaminhoDeDados(m_programa.m_pastas, kArquivoDeResultados);
    }

    void GravarTresConcursos()
    {
        GravarResultados(ArquivoDeResultados(),
                         {{7, "0x0 0x0 0x0 0x0 0x0"}, {123, kResultado123}, {123456, "+x+ 3x3 2x2 1x1 0x0"}});
    }

    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }

    // A tela pelo menu "Conferência", como o usuário a abre.
    CConferenciaForm& AbrirTela()
    {
        m_programa.Comando(Comando::kConferencia);
        CConferenciaForm* tela = nullptr;
        for (CVista* vista : m_programa.Documento()->Vistas())
            if (auto* conferencia = qobject_cast<CConferenciaForm*>(vista))
                tela = conferencia;
        EXPECT_NE(tela, nullptr);
        return *tela;
    }

    static QStringList Itens(const QComboBox* seletor)
    {
        QStringList itens;
        for (int i = 0; i < seletor->count(); ++i)
            itens.append(seletor->itemText(i));
        return itens;
    }

    static QStringList Linhas(const QListWidget* lista)
    {
        QStringList linhas;
        for (int i = 0; i < lista->count(); ++i)
            linhas.append(lista->item(i)->text());
        return linhas;
    }

    // Escolhe o item na lista aberta do seletor, com o mouse, como o usuário.
    static void Escolher(QComboBox* seletor, int item)
    {
        seletor->showPopup();
        QApplication::processEvents();
        QAbstractItemView* lista = seletor->view();
        const QRect lugar = lista->visualRect(lista->model()->index(item, 0));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lugar.center());
        QApplication::processEvents();
        EXPECT_EQ(seletor->currentIndex(), item);
    }

    // Clica, linha a linha, o botão da coluna pedida.
    static void Marcar(CGradeDoResultado& grade, const std::array<int, 10>& colunas)
    {
        for (int linha = 0; linha < 10; ++linha)
            Clicar(grade.Botao(linha, colunas[linha]));
    }

    CProgramaEmTeste m_programa;
};

TEST_F(ConferenciaTela, SeletorTemNenhumEOsConcursosComCincoAlgarismos)
{
    GravarTresConcursos();
    m_programa.Janela().AtualizarInterface();
    EXPECT_TRUE(m_programa.Acao(Comando::kConferencia)->isEnabled());
    CConferenciaForm& tela = AbrirTela();
    ASSERT_NE(tela.Frame(), nullptr);
    // O tamanho do desenho, mais largo quando a fonte pede para o resumo caber.
    EXPECT_GE(tela.Frame()->width(), 550);
    EXPECT_EQ(tela.Frame()->height(), 480);
    EXPECT_EQ(m_programa.Janela().MenuAtual(), Recurso::kTelaDeConferencia);
    EXPECT_EQ(Itens(tela.m_concurso), (QStringList{"Nenhum", "00007", "00123", "123456"}));
    EXPECT_EQ(tela.m_concurso->currentIndex(), 0);
    EXPECT_EQ(tela.m_grade->Colunas(), kZeros);
}

TEST_F(ConferenciaTela, EscolherConcursoMarcaOResultadoENenhumVoltaAoZero)
{
    GravarTresConcursos();
    CConferenciaForm& tela = AbrirTela();
    tela.m_concurso->setFocus();
    QTest::keyClick(tela.m_concurso, Qt::Key_Down);
    QTest::keyClick(tela.m_concurso, Qt::Key_Down);
    ASSERT_EQ(tela.m_concurso->currentText(), "00123");
    EXPECT_EQ(tela.m_grade->Colunas(), kColunas123);
    EXPECT_TRUE(tela.m_grade->Botao(4, 4)->isChecked());  // jogo 3, time 1: "+"

    Clicar(tela.m_botao_conferir);
    EXPECT_EQ(tela.m_analise->count(), 6);
    QTest::keyClick(tela.m_concurso, Qt::Key_Home);
    EXPECT_EQ(tela.m_concurso->currentText(), "Nenhum");
    EXPECT_EQ(tela.m_grade->Colunas(), kZeros);
    EXPECT_EQ(tela.m_analise->count(), 0);
    EXPECT_EQ(tela.m_premiados->count(), 0);
}

TEST_F(ConferenciaTela, LimparTudoZeraOResultadoEMantemOConcursoEscolhido)
{
    GravarTresConcursos();
    AdicionarCartao(Doc().m_volantes, "0x0 0x0 2x2 1x1 0x0");  // 3 acertos no 123456
    CConferenciaForm& tela = AbrirTela();
    Escolher(tela.m_concurso, 3);
    Clicar(tela.m_botao_conferir);
    ASSERT_EQ(tela.m_premiados->count(), 1);
    Clicar(tela.m_botao_limpar);
    EXPECT_EQ(tela.m_concurso->currentText(), "123456");
    EXPECT_EQ(tela.m_grade->Colunas(), kZeros);
    EXPECT_EQ(tela.m_analise->count(), 0);
    EXPECT_EQ(tela.m_premiados->count(), 0);
}

TEST_F(ConferenciaTela, EscolherDeNovoOMesmoConcursoRecarregaAsColunas)
{
    GravarTresConcursos();
    CConferenciaForm& tela = AbrirTela();
    Escolher(tela.m_concurso, 2);
    ASSERT_EQ(tela.m_grade->Colunas(), kColunas123);
    // Depois de "LimparTudo" e depois de uma marcação à mão, a mesma escolha recarrega.
    const std::function<void()> desfazer[] = {
        [&] { Clicar(tela.m_botao_limpar); },
        [&] { Clicar(tela.m_grade->Botao(0, 3)); },
    };
    for (const auto& mexer : desfazer) {
        mexer();
        ASSERT_NE(tela.m_grade->Colunas(), kColunas123);
        Escolher(tela.m_concurso, 2);
        EXPECT_EQ(tela.m_grade->Colunas(), kColunas123);
    }
}

TEST_F(ConferenciaTela, LinhasDaAnaliseSeLeemInteiras)
{
    GravarTresConcursos();
    AdicionarCartao(Doc().m_volantes, "0x0 0x0 0x0 0x0 0x0");
    CConferenciaForm& tela = AbrirTela();
    Escolher(tela.m_concurso, 2);
    Clicar(tela.m_botao_conferir);
    ASSERT_EQ(tela.m_analise->count(), 6);
    QApplication::processEvents();
    // Cada linha, e a mais larga que um resumo pode ter, cabe inteira na lista aberta com
    // o seu tamanho: nada a rolar para o lado.
    const QFontMetrics medida(tela.m_analise->font());
    QStringList linhas = Linhas(tela.m_analise);
    linhas << QString::fromStdString(TextoDaAnalise(1, 0)) << QString::fromStdString(TextoDaAnalise(0, 9765625));
    for (const QString& linha : linhas)
        EXPECT_LE(medida.horizontalAdvance(linha), tela.m_analise->viewport()->width()) << linha.toStdString();
    EXPECT_EQ(tela.m_analise->horizontalScrollBar()->maximum(), 0);
    SalvarCaptura(tela.Frame(), QStringLiteral("conferencia_analise.png"));
}

TEST_F(ConferenciaTela, CadaBotaoDoResultadoTemAColunaEmCimaEOTimeAoLado)
{
    GravarTresConcursos();
    CConferenciaForm& tela = AbrirTela();
    QApplication::processEvents();
    CGradeDoResultado& grade = *tela.m_grade;
    const QList<QLabel*> rotulos = grade.findChildren<QLabel*>();
    // O rótulo com o texto dado cujo centro cai na faixa pedida (horizontal ou vertical).
    const auto rotulo_em = [&](const QString& texto, bool na_horizontal, int de, int ate) {
        for (const QLabel* rotulo : rotulos) {
            const QPoint centro = rotulo->geometry().center();
            const int posicao = na_horizontal ? centro.x() : centro.y();
            if (rotulo->text() == texto && posicao >= de && posicao <= ate)
                return rotulo;
        }
        return static_cast<const QLabel*>(nullptr);
    };
    const QStringList colunas = {"0", "1", "2", "3", "+"};
    for (int coluna = 0; coluna < 5; ++coluna) {
        const QRect botao = grade.Botao(0, coluna)->geometry();
        const QLabel* nome = rotulo_em(colunas[coluna], true, botao.left(), botao.right());
        ASSERT_NE(nome, nullptr) << coluna;
        EXPECT_LT(nome->geometry().bottom(), botao.top()) << coluna;
    }
    for (int linha = 0; linha < 10; ++linha) {
        const QRect botao = grade.Botao(linha, 0)->geometry();
        const QLabel* time = rotulo_em(QStringLiteral("Time %1").arg(linha % 2 + 1), false, botao.top(), botao.bottom());
        ASSERT_NE(time, nullptr) << linha;
        EXPECT_LT(time->geometry().right(), botao.left()) << linha;
        EXPECT_LE(time->fontMetrics().horizontalAdvance(time->text()), time->width()) << linha;
    }
    SalvarCaptura(&grade, QStringLiteral("conferencia_resultado.png"));
}

TEST_F(ConferenciaTela, ConferirMostraOResumoEOsPremiadosComSuasCores)
{
    GravarTresConcursos();
    // Posições: 1 e 3 com 5 acertos, 2 com 4, 4 com 3, 5 sem acerto.
    for (const char* placares : {"1x0 2x2 +x1 0x0 3x+", "1x0 2x2 +x1 0x0 3x3", "1x0 2x2 +x1 0x0 3x+",
                                 "1x0 2x2 +x1 1x1 3x3", "0x0 0x0 0x0 1x1 0x0"})
        AdicionarCartao(Doc().m_volantes, placares);
    CConferenciaForm& tela = AbrirTela();
    Marcar(*tela.m_grade, kColunas123);

    CRespostasModais respostas;
    respostas.AceitarMensagem();
    Clicar(tela.m_botao_conferir);
    QTest::qWait(50);
    // Dois cartões com os 5 acertos, uma só mensagem.
    ASSERT_EQ(respostas.Mensagens().size(), 1);
    EXPECT_EQ(respostas.Mensagens()[0].texto, "Parabéns. Você acertou os 5 resultados !!!!");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    EXPECT_EQ(Linhas(tela.m_analise), (QStringList{"Foi encontrado 1 cartão com nenhum acerto",
                                                   "Não foi encontrado nenhum cartão com apenas 1 acerto.",
                                                   "Não foi encontrado nenhum cartão com 2 acertos.",
                                                   "Foi encontrado 1 cartão com 3 acertos.",
                                                   "Foi encontrado 1 cartão com 4 acertos.",
                                                   "Foram encontrados 2 cartões com 5 acertos."}));
    EXPECT_EQ(Linhas(tela.m_premiados),
              (QStringList{"O volante 1 tem 5 pontos !!!", "O volante 2 tem 4 pontos !!!",
                           "O volante 3 tem 5 pontos !!!", "O volante 4 tem 3 pontos !!!"}));
    EXPECT_EQ(tela.m_premiados->CorDaLinha(0), Rgb(255, 0, 0));
    EXPECT_EQ(tela.m_premiados->CorDaLinha(1), Rgb(0, 0, 255));
    EXPECT_EQ(tela.m_premiados->CorDaLinha(3), Rgb(30, 150, 50));
    SalvarCaptura(&tela, QStringLiteral("conferencia_tela.png"));
}

TEST_F(ConferenciaTela, SemArquivoDeResultadosOSeletorFicaVazioEAConferenciaFunciona)
{
    AdicionarCartao(Doc().m_volantes, "0x0 0x0 0x0 0x0 0x0");
    CRespostasModais respostas;
    respostas.AceitarMensagem();
    respostas.AceitarMensagem();
    CConferenciaForm& tela = AbrirTela();
    ASSERT_EQ(respostas.Mensagens().size(), 1);
    EXPECT_EQ(respostas.Mensagens()[0].texto, "Erro ao Abrir Arquivo");
    EXPECT_EQ(respostas.Mensagens()[0].icone, QMessageBox::Warning);
    EXPECT_EQ(tela.m_concurso->count(), 0);

    Clicar(tela.m_botao_conferir);
    QTest::qWait(50);
    EXPECT_EQ(respostas.Textos().last(), "Parabéns. Você acertou os 5 resultados !!!!");
    EXPECT_EQ(Linhas(tela.m_premiados), QStringList{"O volante 1 tem 5 pontos !!!"});
}

TEST_F(ConferenciaTela, ArquivoDanificadoMostraOErroComIconeDeParada)
{
    GravarTresConcursos();
    const std::string bytes = LerBytes(ArquivoDeResultados());
    GravarBytes(ArquivoDeResultados(), bytes.substr(0, bytes.size() - 3));
    CRespostasModais respostas;
    respostas.AceitarMensagem();
    CConferenciaForm& tela = AbrirTela();
    ASSERT_EQ(respostas.Mensagens().size(), 1);
    EXPECT_EQ(respostas.Mensagens()[0].icone, QMessageBox::Critical);
    EXPECT_EQ(respostas.Mensagens()[0].texto,
              QString::fromStdString("Attempted to access " + ArquivoDeResultados().string() + " past its end."));
    EXPECT_EQ(tela.m_concurso->count(), 0);
}

TEST_F(ConferenciaTela, ResultadosLidosUmaVezSo)
{
    GravarTresConcursos();
    CConferenciaForm& tela = AbrirTela();
    GravarResultados(ArquivoDeResultados(), {{1, kResultado123}});
    Escolher(tela.m_concurso, 2);
    EXPECT_EQ(tela.m_grade->Colunas(), kColunas123);
    EXPECT_EQ(tela.m_concurso->count(), 4);
}

} // namespace
