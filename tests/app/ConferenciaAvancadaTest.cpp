// Análise de vários concursos: a grade, os totais, as cores e a parada no meio.
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/RelogiosDoRitmo.h"
#include "tests/support/Montagem.h"
#include "tests/app/ResultadosDeTeste.h"

#include "results/CaminhoDeDados.h"
#include "tests/support/PastaTemporaria.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"
#include "app/conferencia/ConferenciaAvancadaVarentaDlg.h"
#include "app/conferencia/GradeDaAnalise.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/shell/Documento.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>


namespace {

// Dez concursos 101..110; no 10x de número par, a primeira partida é 1x0, nos ímpares 0x1.
std::vector<std::pair<int, std::string>> DezConcursos()
{
    std::vector<std::pair<int, std::string>> concursos;
    for (int i = 0; i < 10; ++i)
        concursos.emplace_back(101 + i, (i % 2 == 0 ? "0x1" : "1x0") + std::string(" 2x2 +x1 0x0 3x+"));
    return concursos;
}

// O que a grade mostrava ao fim de uma análise, como o usuário a vê: a linha 0 é o
// cabeçalho das colunas (com o título do canto) e a coluna 0 o cabeçalho das linhas.
struct SGrade {
    int linhas = 0;
    std::vector<QStringList> textos;
    std::vector<std::vector<QColor>> cores;

    QString Texto(int linha, int coluna) const { return textos[size_t(linha)][coluna]; }
    QColor Cor(int linha, int coluna) const { return cores[size_t(linha)][size_t(coluna)]; }
};

SGrade LerGrade(const CGradeDaAnalise& grade)
{
    SGrade lida;
    lida.linhas = grade.rowCount() + 1;
    QStringList titulos{grade.TextoDoCanto()};
    for (int coluna = 0; coluna < grade.columnCount(); ++coluna) {
        const QTableWidgetItem* item = grade.horizontalHeaderItem(coluna);
        titulos.append(item ? item->text() : QString());
    }
    lida.textos.push_back(titulos);
    lida.cores.emplace_back(titulos.size());
    for (int linha = 0; linha < grade.rowCount(); ++linha) {
        QStringList textos{grade.TextoDaLinha(linha)};
        std::vector<QColor> cores{QColor()};
        for (int coluna = 0; coluna < grade.columnCount(); ++coluna) {
            const QTableWidgetItem* item = grade.item(linha, coluna);
            textos.append(item ? item->text() : QString());
            cores.push_back(item && item->background().style() != Qt::NoBrush ? item->background().color() : QColor());
        }
        lida.textos.push_back(textos);
        lida.cores.push_back(cores);
    }
    return lida;
}

const QColor kAzul(15, 150, 240);
const QColor kVerde(150, 240, 150);
const QColor kRosa(240, 150, 150);
const QColor kAmarelo(240, 240, 150);

class ConferenciaAvancada : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_programa.Iniciar()); }

    std::filesystem::path ArquivoDeResultados() const
    {
        return CaminhoDeDados(m_programa.m_pastas, kArquivoDeResultados);
    }
    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }

    // A tela de conferência pelo menu.
    CConferenciaForm& AbrirTela()
    {
        m_programa.Comando(Comando::kConferencia);
        for (CVista* vista : m_programa.Documento()->Vistas())
            if (auto* tela = qobject_cast<CConferenciaForm*>(vista))
                m_tela = tela;
        EXPECT_NE(m_tela, nullptr);
        return *m_tela;
    }

    // Abre a análise pela tela ("Avançado") e entrega o diálogo a `usar` antes de fechá-lo com OK.
    void UsarAnalise(const std::function<void(CConferenciaAvancadaVarentaDlg&)>& usar)
    {
        AbrirTela();
        bool usado = false;
        m_respostas.Responder([&](QWidget* modal) {
            if (auto* dialogo = qobject_cast<CConferenciaAvancadaVarentaDlg*>(modal)) {
                usar(*dialogo);
                usado = true;
                Clicar(dialogo->m_botao_ok);
            } else {
                modal->close();
            }
        });
        Clicar(m_tela->m_botao_avancado);
        EXPECT_TRUE(usado);
    }

    CProgramaEmTeste m_programa;
    CConferenciaForm* m_tela = nullptr;
    CRespostasModais m_respostas;
};

TEST_F(ConferenciaAvancada, UmaLinhaPorConcursoETotalColorido)
{
    GravarResultados(ArquivoDeResultados(), DezConcursos());
    // Contra os pares (101, 103, ...): 5, 4, 3 e 3 acertos; contra os ímpares: 4, 5, 2 e 2.
    for (const char* placares : {"0x1 2x2 +x1 0x0 3x+", "1x0 2x2 +x1 0x0 3x+", "0x1 2x2 +x1 1x1 1x1",
                                 "0x1 2x2 +x1 2x2 2x2"})
        AdicionarCartao(Doc().m_volantes, placares);
    SGrade grade;
    UsarAnalise([&](CConferenciaAvancadaVarentaDlg& dialogo) {
        EXPECT_EQ(dialogo.windowTitle(), "Conferência");
        EXPECT_EQ(dialogo.m_inicial->currentText(), "00101");
        EXPECT_EQ(dialogo.m_final->currentText(), "00110");
        Clicar(dialogo.m_botao_analisar);
        grade = LerGrade(*dialogo.m_grade);
        SalvarCaptura(&dialogo, QStringLiteral("conferencia_avancada.png"));
    });
    ASSERT_EQ(grade.linhas, 12);
    EXPECT_EQ(grade.textos[0], (QStringList{"Concursos", "Sem Acerto", "1 Acerto", "2 acertos", "3 acertos",
                                            "4 acertos", "5 acertos", "Prêmio", "Custo", "Saldo"}));
    EXPECT_EQ(grade.textos[1], (QStringList{"101", "0", "0", "0", "2", "1", "1", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(grade.textos[2], (QStringList{"102", "0", "0", "2", "0", "1", "1", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(grade.textos[11], (QStringList{"Total:", "0", "0", "10", "10", "10", "10", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(grade.Cor(1, 4), kAzul);
    EXPECT_EQ(grade.Cor(1, 5), kVerde);
    EXPECT_EQ(grade.Cor(1, 6), kRosa);
    EXPECT_FALSE(grade.Cor(2, 4).isValid());  // 0 com 3 acertos: sem cor
    EXPECT_FALSE(grade.Cor(1, 3).isValid());
    for (int coluna = 1; coluna <= 6; ++coluna)
        EXPECT_EQ(grade.Cor(11, coluna), kAmarelo) << coluna;
}

// Rateios conhecidos e o preço do documento ("R$ 2,00" x 4 apostas = 8.00 por concurso):
//   101: 2 cartões com 3 e 1 com 5 -> 2 x 10,50 + 5000,00 = 5021,00
//   102: 2 cartões com 4           -> 2 x 150,25          =  300,50
//   103: 1 cartão com 3            -> 5,00, saldo negativo
TEST_F(ConferenciaAvancada, PremioCustoESaldoNaGradeENoRelatorio)
{
    CListaDeResultados resultados;
    const auto concurso = [&](int numero, const char* placares, const std::array<double, 3>& rateios) {
        resultados.push_back(ResultadoDeTeste(numero, placares));
        for (size_t faixa = 0; faixa < 3; ++faixa)
            resultados.back()->m_rateio[faixa + 3] = rateios[faixa];
    };
    concurso(101, "1x0 2x2 +x1 0x0 3x+", {10.50, 200.00, 5000.00});
    concurso(102, "0x1 2x2 +x1 0x0 3x+", {8.00, 150.25, 0.0});
    concurso(103, "3x3 3x3 3x3 3x3 3x3", {5.00, 90.00, 7000.00});
    ASSERT_TRUE(GravarArquivoDeResultados(ArquivoDeResultados(), resultados));
    for (const char* placares : {"1x0 2x2 +x1 0x0 3x+", "1x0 2x2 +x1 1x1 1x1", "0x1 2x2 +x1 0x0 1x1",
                                 "3x3 3x3 3x3 0x0 3x+"})
        AdicionarCartao(Doc().m_volantes, placares);
    Doc().m_valor_da_aposta = 1;
    Doc().m_qtde_apostas = 4;

    SGrade grade;
    bool relatorio_antes = true;
    QColor saldo_negativo;
    QColor saldo_positivo;
    UsarAnalise([&](CConferenciaAvancadaVarentaDlg& dialogo) {
        relatorio_antes = dialogo.m_botao_relatorio->isEnabled();
        Clicar(dialogo.m_botao_analisar);
        grade = LerGrade(*dialogo.m_grade);
        saldo_positivo = dialogo.m_grade->item(0, 8)->foreground().color();
        saldo_negativo = dialogo.m_grade->item(2, 8)->foreground().color();
        SalvarCaptura(&dialogo, QStringLiteral("conferencia_avancada_retorno.png"));
        ASSERT_TRUE(dialogo.m_botao_relatorio->isEnabled());
        Clicar(dialogo.m_botao_relatorio);
    });
    EXPECT_FALSE(relatorio_antes);
    ASSERT_EQ(grade.linhas, 5);
    EXPECT_EQ(grade.textos[1], (QStringList{"101", "0", "0", "1", "2", "0", "1", "5021.00", "8.00", "5013.00"}));
    EXPECT_EQ(grade.textos[2], (QStringList{"102", "0", "0", "2", "0", "2", "0", "300.50", "8.00", "292.50"}));
    EXPECT_EQ(grade.textos[3], (QStringList{"103", "3", "0", "0", "1", "0", "0", "5.00", "8.00", "-3.00"}));
    EXPECT_EQ(grade.textos[4], (QStringList{"Total:", "3", "0", "3", "3", "2", "1", "5326.50", "24.00", "5302.50"}));
    EXPECT_EQ(saldo_negativo, QColor(200, 0, 0));
    EXPECT_NE(saldo_positivo, QColor(200, 0, 0));
    for (int coluna = 7; coluna <= 9; ++coluna) {
        EXPECT_FALSE(grade.Cor(1, coluna).isValid()) << coluna;
        EXPECT_EQ(grade.Cor(4, coluna), kAmarelo) << coluna;
    }

    // O relatório da mesma análise, aberto no navegador.
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    const std::filesystem::path relatorio = m_programa.m_navegador.m_abertos[0];
    EXPECT_EQ(relatorio.filename(), "VarentaRetorno.htm");
    const std::string pagina = LerBytes(relatorio);
    EXPECT_NE(pagina.find("<td>103</td><td>1</td><td>0</td><td>0</td><td>5,00</td><td>8,00</td><td>-3,00</td>"),
              std::string::npos);
    EXPECT_NE(pagina.find("<td>Total:</td><td>3</td><td>2</td><td>1</td><td>5.326,50</td><td>24,00</td>"),
              std::string::npos);
}

TEST_F(ConferenciaAvancada, RelatorioQueNaoGravaAvisaENaoAbreONavegador)
{
    GravarResultados(ArquivoDeResultados(), DezConcursos());
    AdicionarCartao(Doc().m_volantes, "0x1 2x2 +x1 0x0 3x+");
    // Uma pasta com conteúdo no lugar do relatório: a troca de nome não tem como passar.
    const std::filesystem::path ocupado =
        m_programa.Documentos() / "Quinaro Professional" / "relatorios" / "VarentaRetorno.htm";
    std::filesystem::create_directories(ocupado / "dentro");
    UsarAnalise([&](CConferenciaAvancadaVarentaDlg& dialogo) {
        Clicar(dialogo.m_botao_analisar);
        m_respostas.AceitarMensagem();
        Clicar(dialogo.m_botao_relatorio);
        EXPECT_FALSE(m_respostas.Pendente());
    });
    EXPECT_EQ(m_respostas.Textos(),
              QStringList{QString::fromStdString("Erro ao Salvar Arquivo: " + ocupado.string() + ": não foi possível gravar")});
    EXPECT_TRUE(m_programa.m_navegador.m_abertos.empty());
}

TEST_F(ConferenciaAvancada, FaixaDeUmConcursoEFaixaInvertida)
{
    GravarResultados(ArquivoDeResultados(), DezConcursos());
    AdicionarCartao(Doc().m_volantes, "0x1 2x2 +x1 0x0 3x+");
    SGrade um;
    SGrade invertida;
    UsarAnalise([&](CConferenciaAvancadaVarentaDlg& dialogo) {
        dialogo.m_inicial->setCurrentIndex(4);
        dialogo.m_final->setCurrentIndex(4);
        Clicar(dialogo.m_botao_analisar);
        um = LerGrade(*dialogo.m_grade);
        dialogo.m_inicial->setCurrentIndex(6);
        dialogo.m_final->setCurrentIndex(2);
        Clicar(dialogo.m_botao_analisar);
        invertida = LerGrade(*dialogo.m_grade);
    });
    ASSERT_EQ(um.linhas, 3);
    EXPECT_EQ(um.textos[1], (QStringList{"105", "0", "0", "0", "0", "0", "1", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(um.textos[2], (QStringList{"Total:", "0", "0", "0", "0", "0", "1", "0.00", "0.00", "0.00"}));
    // A análise nova limpa a anterior; sem concurso, o total de zeros na linha 1.
    ASSERT_EQ(invertida.linhas, 2);
    EXPECT_EQ(invertida.textos[1], (QStringList{"Total:", "0", "0", "0", "0", "0", "0", "0.00", "0.00", "0.00"}));
}

TEST_F(ConferenciaAvancada, SemCartoesTudoZeroESoOTotalColorido)
{
    GravarResultados(ArquivoDeResultados(), {{1, "0x0 0x0 0x0 0x0 0x0"}, {25, "1x1 1x1 1x1 1x1 1x1"}});
    SGrade grade;
    UsarAnalise([&](CConferenciaAvancadaVarentaDlg& dialogo) {
        Clicar(dialogo.m_botao_analisar);
        grade = LerGrade(*dialogo.m_grade);
    });
    ASSERT_EQ(grade.linhas, 4);
    EXPECT_EQ(grade.textos[2], (QStringList{"25", "0", "0", "0", "0", "0", "0", "0.00", "0.00", "0.00"}));
    for (int coluna = 1; coluna <= 6; ++coluna) {
        EXPECT_FALSE(grade.Cor(1, coluna).isValid());
        EXPECT_EQ(grade.Cor(3, coluna), kAmarelo);
    }
}

TEST_F(ConferenciaAvancada, PararNoTerceiroConcursoTerminaEleETotalizaTres)
{
    GravarResultados(ArquivoDeResultados(), DezConcursos());
    // Mais de mil cartões: a interface tem a vez mais de uma vez por concurso.
    for (int i = 0; i < 1500; ++i)
        AdicionarCartao(Doc().m_volantes, i % 2 ? "0x1 2x2 +x1 0x0 3x+" : "1x0 2x2 +x1 0x0 3x+");
    SGrade grade;
    bool ok_durante = true;
    bool analisar_durante = true;
    UsarAnalise([&](CConferenciaAvancadaVarentaDlg& dialogo) {
        dialogo.TrocarRelogioDoRitmo(RelogioSempreNaVez());
        // Quando a linha do 2º concurso aparece, "Parar" é clicado na próxima vez da interface,
        // já dentro do 3º concurso.
        auto conexao = std::make_shared<QMetaObject::Connection>();
        *conexao = QObject::connect(dialogo.m_grade->model(), &QAbstractItemModel::dataChanged, [&, conexao] {
            if (dialogo.m_grade->item(1, 0) == nullptr)
                return;
            QObject::disconnect(*conexao);
            QMetaObject::invokeMethod(
                &dialogo,
                [&] {
                    ok_durante = dialogo.m_botao_ok->isEnabled();
                    analisar_durante = dialogo.m_botao_analisar->isEnabled();
                    Clicar(dialogo.m_botao_parar);
                },
                Qt::QueuedConnection);
        });
        Clicar(dialogo.m_botao_analisar);
        grade = LerGrade(*dialogo.m_grade);
        EXPECT_TRUE(dialogo.m_botao_ok->isEnabled());
        EXPECT_TRUE(dialogo.m_botao_analisar->isEnabled());
    });
    EXPECT_FALSE(ok_durante);
    EXPECT_FALSE(analisar_durante);
    ASSERT_EQ(grade.linhas, 12);
    EXPECT_EQ(grade.textos[3], (QStringList{"103", "0", "0", "0", "0", "750", "750", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(grade.textos[4], (QStringList{"Total:", "0", "0", "0", "0", "2250", "2250", "0.00", "0.00", "0.00"}));
    for (int linha = 5; linha < 12; ++linha)
        EXPECT_EQ(grade.textos[size_t(linha)].join(QString()), QString()) << linha;
}

TEST_F(ConferenciaAvancada, SemArquivoSeletoresVaziosETotalDeZeros)
{
    AdicionarCartao(Doc().m_volantes, "0x1 2x2 +x1 0x0 3x+");
    SGrade grade;
    QStringList mensagens;
    m_respostas.AceitarMensagem();
    AbrirTela();
    m_respostas.AceitarMensagem();  // o aviso do diálogo, antes de ele aparecer
    m_respostas.Responder([&](QWidget* modal) {
        auto* dialogo = qobject_cast<CConferenciaAvancadaVarentaDlg*>(modal);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->m_inicial->count(), 0);
        EXPECT_EQ(dialogo->m_final->count(), 0);
        Clicar(dialogo->m_botao_analisar);
        grade = LerGrade(*dialogo->m_grade);
        Clicar(dialogo->m_botao_ok);
    });
    Clicar(m_tela->m_botao_avancado);
    EXPECT_EQ(m_respostas.Textos(), (QStringList{"Erro ao Abrir Arquivo", "Erro ao Abrir Arquivo"}));
    ASSERT_EQ(grade.linhas, 3);
    EXPECT_EQ(grade.textos[1], (QStringList{"Total:", "0", "0", "0", "0", "0", "0", "0.00", "0.00", "0.00"}));
}

TEST_F(ConferenciaAvancada, CabecalhosFicamAVistaQuandoAGradeRolaNasDuasDirecoes)
{
    std::vector<std::pair<int, std::string>> concursos;
    for (int i = 0; i < 200; ++i)
        concursos.emplace_back(99300 + i, "0x1 2x2 +x1 0x0 3x+");
    GravarResultados(ArquivoDeResultados(), concursos);
    AdicionarCartao(Doc().m_volantes, "0x1 2x2 +x1 0x0 3x+");
    UsarAnalise([&](CConferenciaAvancadaVarentaDlg& dialogo) {
        Clicar(dialogo.m_botao_analisar);
        dialogo.resize(300, 260);
        QApplication::processEvents();
        CGradeDaAnalise& grade = *dialogo.m_grade;
        const QHeaderView& colunas = *grade.horizontalHeader();
        const QHeaderView& linhas = *grade.verticalHeader();
        // Até o fim, nas duas direções.
        grade.verticalScrollBar()->setValue(grade.verticalScrollBar()->maximum());
        grade.horizontalScrollBar()->setValue(grade.horizontalScrollBar()->maximum());
        QApplication::processEvents();
        ASSERT_GT(grade.verticalScrollBar()->maximum(), 0);
        ASSERT_GT(grade.horizontalScrollBar()->maximum(), 0);
        SalvarCaptura(&dialogo, QStringLiteral("conferencia_avancada_rolada.png"));

        EXPECT_TRUE(colunas.isVisible());
        EXPECT_TRUE(linhas.isVisible());
        // Os títulos ficam acima das células e os concursos à esquerda delas.
        EXPECT_LE(colunas.geometry().bottom(), grade.viewport()->geometry().top());
        EXPECT_LE(linhas.geometry().right(), grade.viewport()->geometry().left());
        // O que os cabeçalhos mostram acompanha as células à vista: a última coluna e o total.
        const int ultima_coluna = colunas.logicalIndexAt(colunas.width() - 2);
        EXPECT_EQ(grade.horizontalHeaderItem(ultima_coluna)->text(), "Saldo");
        const int ultima_linha = linhas.logicalIndexAt(linhas.height() - 2);
        EXPECT_EQ(grade.TextoDaLinha(ultima_linha), "Total:");
        EXPECT_EQ(grade.TextoDaLinha(ultima_linha - 1), "99499");
        EXPECT_EQ(grade.TextoDoCanto(), "Concursos");
    });
}

TEST_F(ConferenciaAvancada, ColunasMedidasDepoisDePreenchidasMostramOsNumerosInteiros)
{
    GravarResultados(ArquivoDeResultados(), DezConcursos());
    // Um milhão de cópias de um cartão com 1 acerto em todo concurso: 1000000 por linha e
    // 10000000 no total, na coluna estreita "1 Acerto".
    CVolante modelo;
    {
        CListaDeVolantes um;
        AdicionarCartao(um, "3x3 2x2 3x3 3x3 3x3");
        modelo = um.Cartao(0);
    }
    for (int i = 0; i < 1000000; ++i)
        Doc().m_volantes.Adicionar(modelo);
    SGrade grade;
    UsarAnalise([&](CConferenciaAvancadaVarentaDlg& dialogo) {
        Clicar(dialogo.m_botao_analisar);
        grade = LerGrade(*dialogo.m_grade);
        QApplication::processEvents();
        SalvarCaptura(&dialogo, QStringLiteral("conferencia_avancada_larguras.png"));
        const CGradeDaAnalise& tabela = *dialogo.m_grade;
        const QFontMetrics medidas(tabela.font());
        // Sem elisão: o texto mais as margens de um item cabem na coluna.
        const int margens = 2 * (tabela.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &tabela) + 1);
        for (int linha = 0; linha < tabela.rowCount(); ++linha) {
            for (int coluna = 0; coluna < tabela.columnCount(); ++coluna) {
                if (const QTableWidgetItem* item = tabela.item(linha, coluna)) {
                    EXPECT_GE(tabela.columnWidth(coluna), medidas.horizontalAdvance(item->text()) + margens)
                        << item->text().toStdString() << " coluna " << coluna;
                }
            }
        }
        const QFontMetrics medidas_do_cabecalho(tabela.verticalHeader()->font());
        for (const QString& texto : {QStringLiteral("Concursos"), QStringLiteral("Total:"), QStringLiteral("110")})
            EXPECT_GT(tabela.verticalHeader()->width(), medidas_do_cabecalho.horizontalAdvance(texto))
                << texto.toStdString();
    });
    ASSERT_EQ(grade.linhas, 12);
    EXPECT_EQ(grade.textos[1], (QStringList{"101", "0", "1000000", "0", "0", "0", "0", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(grade.textos[11], (QStringList{"Total:", "0", "10000000", "0", "0", "0", "0", "0.00", "0.00", "0.00"}));
}

} // namespace
