// Importar e exportar resultados em CSV pelo menu "&Estatisticas" e exportar os cartões
// pela tela de apostas: os diálogos de arquivo, a mensagem das linhas recusadas e o que
// fica nos arquivos.
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/ResultadosDeTeste.h"
#include "tests/support/CartoesDeTeste.h"

#include "app/shell/Comandos.h"
#include "app/shell/MainFrame.h"
#include "document/ArquivoDeApostas.h"
#include "document/CartoesEmCsv.h"
#include "results/CaminhoDeDados.h"
#include "results/EscritorDeResultadosCsv.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string kCabecalho =
    "concurso;data;placares;ganhadores 3;ganhadores 4;ganhadores 5;rateio 3;rateio 4;rateio 5;acumulado\n";

class CsvNasTelas : public testing::Test {
protected:
    void SetUp() override { m_respostas.FalharComDialogosInesperados(); }

    void Iniciar(const QStringList& argumentos = {})
    {
        ASSERT_TRUE(m_programa.Iniciar(argumentos));
        m_arquivo = CaminhoDeDados(m_programa.m_pastas, kArquivoDeResultados);
    }

    // O comando pelo menu, com o diálogo de arquivo respondido com `arquivo` e depois as
    // respostas que `depois` enfileirar; guarda a pasta em que o diálogo começou.
    void ComArquivo(int comando, const fs::path& arquivo, const std::function<void()>& depois = {})
    {
        m_respostas.Responder([this, arquivo](QWidget* modal) {
            auto* dialogo = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialogo, nullptr) << modal->windowTitle().toStdString();
            m_titulo_do_dialogo = dialogo->windowTitle();
            m_pasta_inicial = dialogo->directory().absolutePath().toStdString();
            EscolherArquivo(modal, arquivo);
        });
        if (depois)
            depois();
        m_programa.Janela().AtualizarInterface();
        ASSERT_TRUE(m_programa.Acao(comando)->isEnabled());
        m_programa.Comando(comando);
    }

    // Responde à caixa de mensagem seguinte com o botão dado, guardando o texto.
    void ResponderMensagem(const QString& botao)
    {
        m_respostas.Responder([this, botao](QWidget* modal) {
            auto* caixa = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(caixa, nullptr) << modal->windowTitle().toStdString();
            m_mensagem = caixa->text();
            for (QAbstractButton* b : caixa->buttons())
                if (b->text() == botao)
                    Clicar(b);
        });
    }

    fs::path Csv(const std::string& conteudo) const
    {
        const fs::path csv = m_programa.m_pasta / "entrada" / "resultados.csv";
        fs::create_directories(csv.parent_path());
        GravarBytes(csv, conteudo);
        return csv;
    }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    fs::path m_arquivo;
    QString m_titulo_do_dialogo;
    fs::path m_pasta_inicial;
    QString m_mensagem;
};

TEST_F(CsvNasTelas, ComandosNoMenuEstatisticasENoArquivoDaTelaDeApostas)
{
    Iniciar();
    QStringList estatisticas;
    QStringList arquivo;
    for (QAction* menu : m_programa.Janela().menuBar()->actions()) {
        QStringList& textos = menu->text() == "&Estatisticas" ? estatisticas : arquivo;
        if (menu->text() == "&Estatisticas" || menu->text() == "&Arquivo")
            for (QAction* item : menu->menu()->actions())
                textos.append(item->text());
    }
    EXPECT_TRUE(estatisticas.contains("Importar Resultados CSV...")) << estatisticas.join('|').toStdString();
    EXPECT_TRUE(estatisticas.contains("Exportar Resultados CSV..."));
    EXPECT_TRUE(arquivo.contains("Exportar Cartões CSV...")) << arquivo.join('|').toStdString();
}

TEST_F(CsvNasTelas, ExportarGravaOCsvEImportarDevolveOMesmoArquivo)
{
    Iniciar();
    GravarResultados(m_arquivo, {{5, "0x0 0x0 0x0 0x0 0x0"}, {120, "1x0 2x2 +x1 0x0 3x+"}});
    const std::string original = LerBytes(m_arquivo);
    const fs::path csv = m_programa.m_pasta / "saida" / "exportados.csv";
    fs::create_directories(csv.parent_path());

    ComArquivo(Comando::kExportarResultadosCsv, csv);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_titulo_do_dialogo, "Exportar Resultados CSV");
    // Da primeira vez, a pasta de dados; o diálogo seguinte começa na pasta escolhida.
    EXPECT_EQ(m_pasta_inicial, m_programa.Documentos() / "Quinaro Professional");
    EXPECT_EQ(LerBytes(csv), kCabecalho + "5;15/03/2004;0x0 0x0 0x0 0x0 0x0;0;0;0;0.00;0.00;0.00;0.00\n"
                                          "120;15/03/2004;1x0 2x2 +x1 0x0 3x+;0;0;0;0.00;0.00;0.00;0.00\n");

    fs::remove(m_arquivo);
    ComArquivo(Comando::kImportarResultadosCsv, csv);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_titulo_do_dialogo, "Importar Resultados CSV");
    EXPECT_EQ(m_pasta_inicial, csv.parent_path());
    EXPECT_EQ(LerBytes(m_arquivo), original);
}

TEST_F(CsvNasTelas, LinhasRecusadasAparecemENadaEGravadoSemOSim)
{
    Iniciar();
    GravarResultados(m_arquivo, {{5, "0x0 0x0 0x0 0x0 0x0"}});
    const std::string antes = LerBytes(m_arquivo);
    const fs::path csv = Csv(kCabecalho + "5;01/02/2010;1x1 1x1 1x1 1x1 1x1;0;0;0;0;0;0;0\n"
                                          "6;01/02/2010;1x1 1x1 1x1 1x1 9x9;0;0;0;0;0;0;0\n"
                                          "7;01/02/2010;2x2 2x2 2x2 2x2 2x2;0;0;0;0;0;0;0\n"
                                          "8;01/02/2010;2x2 2x2 2x2 2x2 2x2;0;0;0;0;0;-1;0\n");
    ComArquivo(Comando::kImportarResultadosCsv, csv, [this] { ResponderMensagem(QStringLiteral("Não")); });
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_TRUE(m_mensagem.contains("2 linha(s) recusada(s)")) << m_mensagem.toStdString();
    EXPECT_TRUE(m_mensagem.contains("Linha 3: placares inválidos")) << m_mensagem.toStdString();
    EXPECT_TRUE(m_mensagem.contains("Linha 5: rateio 5 inválido")) << m_mensagem.toStdString();
    EXPECT_TRUE(m_mensagem.contains("Gravar os 2 concursos")) << m_mensagem.toStdString();
    EXPECT_EQ(LerBytes(m_arquivo), antes);

    ComArquivo(Comando::kImportarResultadosCsv, csv, [this] { ResponderMensagem(QStringLiteral("Sim")); });
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(ConcursosGravados(m_arquivo), (std::vector<int>{5, 7}));
    EXPECT_EQ(ResultadosGravados(m_arquivo)[0]->m_scores[0]->ColunaDoTime1(), 1);  // o do CSV substituiu

    // Nenhuma linha boa, ou um arquivo sem cabeçalho: só o aviso.
    const std::string depois = LerBytes(m_arquivo);
    for (const std::string& conteudo : {kCabecalho + "x\n", std::string("5;01/02/2010\n")}) {
        ComArquivo(Comando::kImportarResultadosCsv, Csv(conteudo), [this] { m_respostas.AceitarMensagem(); });
        EXPECT_FALSE(m_respostas.Pendente());
    }
    ASSERT_EQ(m_respostas.Mensagens().size(), 2);
    EXPECT_TRUE(m_respostas.Textos()[0].contains("Nada foi gravado.")) << m_respostas.Textos()[0].toStdString();
    EXPECT_TRUE(m_respostas.Textos()[1].contains("cabeçalho")) << m_respostas.Textos()[1].toStdString();
    EXPECT_EQ(m_respostas.Mensagens()[1].icone, QMessageBox::Warning);
    EXPECT_EQ(LerBytes(m_arquivo), depois);
}

TEST_F(CsvNasTelas, ExportarSemArquivoDeResultadosAvisaSemPerguntarONome)
{
    Iniciar();
    fs::remove(m_arquivo);
    m_respostas.AceitarMensagem();
    m_programa.Janela().AtualizarInterface();
    m_programa.Comando(Comando::kExportarResultadosCsv);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_respostas.Textos(), QStringList{"Erro ao Abrir Arquivo"});
}

TEST_F(CsvNasTelas, ExportarCartoesGravaUmCartaoPorLinha)
{
    const fs::path vrt = m_programa.m_pasta / "aposta.vrt";
    const auto documento = DocumentoComCartoes(3);
    GravarArquivoDeApostas(*documento, vrt);
    Iniciar({QString::fromStdString(vrt.string())});
    const fs::path csv = m_programa.m_pasta / "cartoes.csv";

    ComArquivo(Comando::kExportarCartoesCsv, csv);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(m_titulo_do_dialogo, "Exportar Cartões CSV");
    std::ostringstream esperado;
    EscreverCartoesEmCsv(*documento, esperado);
    const std::string gravado = LerBytes(csv);
    EXPECT_EQ(gravado, esperado.str());
    EXPECT_EQ(gravado.substr(0, gravado.find('\n', gravado.find('\n') + 1) + 1),
              "Jogo 1;Jogo 2;Jogo 3;Jogo 4;Jogo 5\n0x0;0x0;0x0;0x0;+x3\n");
}

} // namespace
