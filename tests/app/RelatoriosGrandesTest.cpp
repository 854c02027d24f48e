// Listagem das apostas de um documento grande: aviso do tamanho, progresso com "Parar"
// e a barra de status com o caminho do relatório gravado.
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/support/Montagem.h"
#include "tests/app/ResultadosDeTeste.h"

#include "results/CaminhoDeDados.h"
#include "reports/ListagemDeApostas.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"
#include "app/dialogos/GravandoRelatorioDlg.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

// Liga `ao_mostrar` ao diálogo de progresso do relatório assim que ele aparece.
class CObservadorDoProgresso : public QObject {
public:
    explicit CObservadorDoProgresso(std::function<void(CGravandoRelatorioDlg&)> ao_mostrar)
        : m_ao_mostrar(std::move(ao_mostrar))
    {
        qApp->installEventFilter(this);
    }
    ~CObservadorDoProgresso() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* alvo, QEvent* evento) override
    {
        if (evento->type() == QEvent::Show)
            if (auto* dialogo = qobject_cast<CGravandoRelatorioDlg*>(alvo))
                m_ao_mostrar(*dialogo);
        return false;
    }

private:
    std::function<void(CGravandoRelatorioDlg&)> m_ao_mostrar;
};

// Clica no botão da caixa de pergunta com o texto dado, guardando a pergunta.
std::function<void(QWidget*)> ResponderPergunta(const QString& botao, QString& pergunta, QString& titulo)
{
    return [&pergunta, &titulo, botao](QWidget* modal) {
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(caixa, nullptr) << modal->metaObject()->className();
        pergunta = caixa->text();
        titulo = caixa->windowTitle();
        for (QAbstractButton* opcao : caixa->buttons())
            if (opcao->text() == botao)
                Clicar(opcao);
    };
}

class RelatoriosGrandes : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_programa.Iniciar()); }

    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }
    fs::path Relatorio() const { return CaminhoDeDados(m_programa.m_pastas, "relatorios\\Varenta.htm"); }

    void AdicionarCartoes(int quantidade) const
    {
        CListaDeVolantes um;
        AdicionarCartao(um, "1x0 2x2 +x1 0x0 3x+");
        for (int i = 0; i < quantidade; ++i)
            Doc().m_volantes.Adicionar(um.Cartao(0));
    }

    // Um relatório anterior que nada pode estragar.
    void GravarRelatorioAnterior() const
    {
        fs::create_directories(Relatorio().parent_path());
        std::ofstream(Relatorio(), std::ios::binary) << "anterior";
    }

    std::vector<fs::path> ArquivosDosRelatorios() const
    {
        std::vector<fs::path> nomes;
        for (const auto& entrada : fs::directory_iterator(Relatorio().parent_path()))
            nomes.push_back(entrada.path().filename());
        return nomes;
    }

    QString Status() const { return m_programa.Janela().statusBar()->currentMessage(); }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
};

TEST_F(RelatoriosGrandes, PequenaNaoPerguntaEABarraDeStatusDizOndeFicou)
{
    AdicionarCartoes(int(kCartoesSemAvisoDeTamanho));
    m_programa.Comando(Comando::kRelatorioDeApostas);

    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    EXPECT_EQ(m_programa.m_navegador.m_abertos[0], Relatorio());
    EXPECT_EQ(Status(), QStringLiteral("Relatório gravado em ") +
                            QDir::toNativeSeparators(QString::fromStdString(Relatorio().string())));
    EXPECT_TRUE(Relatorio().is_absolute());
}

TEST_F(RelatoriosGrandes, AcimaDeCemMilPerguntaOTamanhoENaoDesisteSemGravar)
{
    AdicionarCartoes(int(kCartoesSemAvisoDeTamanho) + 1);
    GravarRelatorioAnterior();
    QString pergunta;
    QString titulo;
    m_respostas.Responder(ResponderPergunta(QStringLiteral("Não"), pergunta, titulo));
    m_programa.Comando(Comando::kRelatorioDeApostas);

    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(pergunta, QStringLiteral("A listagem dos 100001 cartões terá cerca de 12 MB. Deseja gravá-la?"));
    EXPECT_EQ(titulo, QStringLiteral("Quinaro 1.0"));
    EXPECT_TRUE(m_programa.m_navegador.m_abertos.empty());
    EXPECT_EQ(LerBytes(Relatorio()), "anterior");
    EXPECT_TRUE(Status().isEmpty());
}

TEST_F(RelatoriosGrandes, PararNoMeioNaoDeixaArquivoEMantemOAnterior)
{
    AdicionarCartoes(300000);
    GravarRelatorioAnterior();
    QString pergunta;
    QString titulo;
    m_respostas.Responder(ResponderPergunta(QStringLiteral("Sim"), pergunta, titulo));
    bool mostrado = false;
    bool parado = false;
    QString escritos_ao_parar;
    CObservadorDoProgresso observador([&](CGravandoRelatorioDlg& dialogo) {
        if (mostrado)
            return;
        mostrado = true;
        EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Gravando Relatório..."));
        QObject::connect(&dialogo, &CGravandoRelatorioDlg::Atualizado, &dialogo, [&](qint64 escritos) {
            if (parado || escritos < 100000)
                return;
            parado = true;
            EXPECT_EQ(dialogo.Botao()->text(), QStringLiteral("Parar"));
            SalvarCaptura(&dialogo, QStringLiteral("gravando_relatorio.png"));
            Clicar(dialogo.Botao());
        });
    });
    m_programa.Comando(Comando::kRelatorioDeApostas);

    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_NE(pergunta.indexOf(QStringLiteral("cerca de 35 MB")), -1) << pergunta.toStdString();
    EXPECT_TRUE(mostrado);
    EXPECT_TRUE(parado);
    EXPECT_TRUE(m_programa.m_navegador.m_abertos.empty());
    EXPECT_EQ(LerBytes(Relatorio()), "anterior");
    EXPECT_EQ(ArquivosDosRelatorios(), std::vector<fs::path>{"Varenta.htm"});
    EXPECT_TRUE(Status().isEmpty());
    // O programa segue usável: a mesma listagem, agora até o fim.
    m_respostas.Responder(ResponderPergunta(QStringLiteral("Sim"), pergunta, titulo));
    m_programa.Comando(Comando::kRelatorioDeApostas);
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    EXPECT_GT(fs::file_size(Relatorio()), 30'000'000u);
}

TEST_F(RelatoriosGrandes, ComprovantesTambemDizemNaBarraDeStatusOndeFicaram)
{
    m_respostas.Responder([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });  // o concurso 0
    m_programa.Comando(Comando::kComprovantes);

    EXPECT_FALSE(m_respostas.Pendente());
    ASSERT_EQ(m_programa.m_navegador.m_abertos.size(), 1u);
    EXPECT_EQ(Status(), QStringLiteral("Relatório gravado em ") +
                            QDir::toNativeSeparators(QString::fromStdString(Relatorio().string())));
}

} // namespace
