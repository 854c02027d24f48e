// Alterações a perder: "Novo", "Abrir", um arquivo recente, "Fechar", a última tela e o
// fim do programa perguntam "Salvar alterações em %s?" só quando o documento mudou desde
// que foi aberto ou salvo.

#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/ResultadosDeTeste.h"
#include "tests/support/Montagem.h"

#include "document/ArquivoDeApostas.h"
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "document/VarentaDoc.h"
#include "app/apostas/ScoreForm.h"
#include "app/controles/BuscaDlg.h"
#include "app/controles/ComboGridCtrl.h"
#include "app/controles/ScoreButton.h"
#include "app/dialogos/GerarApostasDlg.h"
#include "app/shell/ChildFrame.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"
#include "app/shell/SDIMVDocTemplate.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace fs = std::filesystem;

namespace {

enum class EGatilho { Novo, Abrir, Recente, Fechar, UltimaTela, Sair };

const char* NomeDoGatilho(EGatilho gatilho)
{
    switch (gatilho) {
    case EGatilho::Novo: return "Novo";
    case EGatilho::Abrir: return "Abrir";
    case EGatilho::Recente: return "arquivo recente";
    case EGatilho::Fechar: return "Fechar";
    case EGatilho::UltimaTela: return "fechar a última tela";
    case EGatilho::Sair: return "fechar o programa";
    }
    return "";
}

class AlteracoesDoDocumento : public testing::Test {
protected:
    void SetUp() override
    {
        m_a = GravarQuadro("a.vrt");
        m_b = GravarQuadro("b.vrt");
        // Recentes: b, depois a. O documento aberto é b.
        ASSERT_TRUE(m_programa.Iniciar({Caminho(m_a)}));
        ASSERT_NE(m_programa.m_app.AbrirArquivo(Caminho(m_b)), nullptr);
        ASSERT_EQ(m_programa.Documento()->Titulo(), "b.vrt");
    }

    static QString Caminho(const fs::path& arquivo) { return QString::fromStdString(arquivo.string()); }

    // Um quadro que dá 32 cartões. Fora da faixa, com valores guardados além do que a tela
    // mostra (mínimos acima das chaves): abrir e não mexer não pode contar como alteração.
    fs::path GravarQuadro(const std::string& nome, bool fora_da_faixa = true)
    {
        CVarentaDoc documento;
        documento.OnNewDocument();
        for (auto& jogo : documento.m_celulas)
            jogo[0] = jogo[1] = kFavorito;
        documento.m_chave_do_jogo[0] = documento.m_chave_do_jogo[1] = "A";
        auto chave = std::make_shared<CChave>("A");
        chave->m_min = fora_da_faixa ? 15 : 0;
        chave->m_max = fora_da_faixa ? 15 : 2;
        chave->m_qtde_jogos = 2;
        documento.m_chaves.push_back(chave);
        documento.m_min_completas = fora_da_faixa ? 3 : 0;
        documento.m_max_completas = fora_da_faixa ? 7 : 1;
        for (const char* placares : {"0x0 0x0 0x0 0x0 0x0", "1x0 0x0 0x0 0x0 0x0", "0x1 0x0 0x0 0x0 0x0"})
            AdicionarCartao(documento.m_volantes, placares);
        documento.m_qtde_apostas = 3;
        const fs::path caminho = m_programa.m_pasta / nome;
        GravarArquivoDeApostas(documento, caminho);
        return caminho;
    }

    CScoreForm* Tela() const { return m_programa.TelaDeApostas(); }
    template <class T>
    T* Controle(const QString& nome) const
    {
        T* controle = Tela()->findChild<T*>(nome);
        EXPECT_NE(controle, nullptr) << nome.toStdString();
        return controle;
    }
    void ClicarCelula(int jogo, int k) const
    {
        QTest::mouseClick(Controle<CScoreButton>(QStringLiteral("celula_%1_%2").arg(jogo).arg(k)), Qt::LeftButton);
    }
    void Clique(const char* nome) const { Clicar(Controle<QAbstractButton>(QString::fromLatin1(nome))); }

    // Responde à pergunta com o botão dado, guardando o que ela dizia.
    void ResponderPergunta(const QString& botao)
    {
        m_respostas.Responder([this, botao](QWidget* modal) {
            auto* caixa = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(caixa, nullptr) << modal->windowTitle().toStdString();
            m_titulo = caixa->windowTitle();
            m_pergunta = caixa->text();
            m_icone = caixa->icon();
            m_botoes.clear();
            for (QAbstractButton* b : caixa->buttons())
                m_botoes.append(b->text());
            for (QAbstractButton* b : caixa->buttons())
                if (b->text() == botao)
                    Clicar(b);
        });
    }

    // Nenhum diálogo pode aparecer: um que apareça falha o teste com o seu título.
    static void ProibirDialogos(CRespostasModais& respostas)
    {
        respostas.Responder([](QWidget* modal) {
            ADD_FAILURE() << "diálogo inesperado: " << modal->windowTitle().toStdString() << " "
                          << (qobject_cast<QMessageBox*>(modal) ? qobject_cast<QMessageBox*>(modal)->text().toStdString()
                                                                 : std::string());
            modal->close();
        });
    }

    // O diálogo de arquivo que "Abrir" mostra antes da pergunta.
    void EscolherParaAbrir(const fs::path& arquivo)
    {
        m_respostas.Responder([arquivo](QWidget* modal) { EscolherArquivo(modal, arquivo); });
    }

    void Disparar(EGatilho gatilho)
    {
        switch (gatilho) {
        case EGatilho::Novo:
            m_programa.Comando(Comando::kNovo);
            break;
        case EGatilho::Abrir:
            m_programa.Comando(Comando::kAbrir);
            break;
        case EGatilho::Recente:
            m_programa.Comando(Comando::kArquivoRecente1 + 1);
            break;
        case EGatilho::Fechar:
            m_programa.Comando(Comando::kFechar);
            break;
        case EGatilho::UltimaTela:
            Tela()->Frame()->close();
            break;
        case EGatilho::Sair:
            m_programa.Janela().close();
            break;
        }
        QApplication::processEvents();
    }

    // O que fica aberto quando a ação segue: a para Abrir e o recente, um novo para Novo,
    // nada para os fechamentos.
    QString TituloDepois(EGatilho gatilho) const
    {
        switch (gatilho) {
        case EGatilho::Abrir:
        case EGatilho::Recente: return QStringLiteral("a.vrt");
        case EGatilho::Novo: return QStringLiteral("Quinaro1");
        default: return QString();
        }
    }

    QString TituloAberto() const
    {
        return m_programa.Documento() != nullptr ? m_programa.Documento()->Titulo() : QString();
    }

    uint16_t CelulaGravada(const fs::path& arquivo) const { return LerArquivoDeApostas(arquivo.string())->m_celulas[4][24]; }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    fs::path m_a;
    fs::path m_b;
    QString m_titulo;
    QString m_pergunta;
    QMessageBox::Icon m_icone = QMessageBox::NoIcon;
    QStringList m_botoes;
};

const EGatilho kGatilhos[] = {EGatilho::Novo,   EGatilho::Abrir,      EGatilho::Recente,
                              EGatilho::Fechar, EGatilho::UltimaTela, EGatilho::Sair};

TEST_F(AlteracoesDoDocumento, AbertoEIntocadoNaoPergunta)
{
    for (EGatilho gatilho : kGatilhos) {
        SCOPED_TRACE(NomeDoGatilho(gatilho));
        if (m_programa.Documento() == nullptr || m_programa.Documento()->Titulo() != "b.vrt") {
            m_programa.m_app.Modelo()->CloseAllDocuments();
            m_programa.Janela().show();
            ASSERT_NE(m_programa.m_app.AbrirArquivo(Caminho(m_b)), nullptr);
        }
        // Navegar e buscar não mudam o documento.
        CRespostasModais respostas;
        Clique("ultimo");
        Clique("primeiro");
        respostas.Responder([](QWidget* modal) {
            auto* busca = qobject_cast<CBuscaDlg*>(modal);
            ASSERT_NE(busca, nullptr);
            busca->Campo()->setText(QStringLiteral("2"));
            busca->accept();
        });
        Clique("buscar");
        EXPECT_FALSE(respostas.Pendente());
        EXPECT_FALSE(m_programa.Documento()->IsModified());

        if (gatilho == EGatilho::Abrir)
            respostas.Responder([this](QWidget* modal) { EscolherArquivo(modal, m_a); });
        ProibirDialogos(respostas);
        Disparar(gatilho);
        EXPECT_TRUE(respostas.Pendente());  // nenhuma pergunta apareceu
        EXPECT_EQ(TituloAberto(), TituloDepois(gatilho));
        EXPECT_EQ(CelulaGravada(m_b), kAlternativa);
    }
}

TEST_F(AlteracoesDoDocumento, CadaGatilhoComSimNaoECancelar)
{
    struct SCaso {
        QString botao;
        bool segue;
        uint16_t gravado;  // a célula no arquivo b depois
    };
    const SCaso casos[] = {
        {QStringLiteral("Sim"), true, kFavorito},
        {QStringLiteral("Não"), false, kAlternativa},
        {QStringLiteral("Cancelar"), false, kAlternativa},
    };
    for (EGatilho gatilho : kGatilhos)
        for (const SCaso& caso : casos) {
            SCOPED_TRACE(std::string(NomeDoGatilho(gatilho)) + " / " + caso.botao.toStdString());
            m_programa.m_app.Modelo()->CloseAllDocuments();
            m_programa.Janela().show();
            GravarQuadro("b.vrt");
            ASSERT_NE(m_programa.m_app.AbrirArquivo(Caminho(m_b)), nullptr);
            ClicarCelula(4, 24);
            ASSERT_TRUE(m_programa.Documento()->IsModified());

            if (gatilho == EGatilho::Abrir)
                EscolherParaAbrir(m_a);
            ResponderPergunta(caso.botao);
            Disparar(gatilho);
            EXPECT_FALSE(m_respostas.Pendente());
            EXPECT_EQ(m_titulo, "Quinaro 1.0");
            EXPECT_EQ(m_pergunta, "Salvar alterações em b.vrt?");
            EXPECT_EQ(m_icone, QMessageBox::Warning);
            EXPECT_EQ(m_botoes.size(), 3);
            for (const char* botao : {"Sim", "Não", "Cancelar"})
                EXPECT_TRUE(m_botoes.contains(QString::fromUtf8(botao))) << botao;

            EXPECT_EQ(CelulaGravada(m_b), caso.gravado);
            if (caso.botao == "Cancelar") {
                EXPECT_EQ(TituloAberto(), "b.vrt");
                EXPECT_TRUE(m_programa.Documento()->IsModified());
                EXPECT_EQ(Controle<CScoreButton>("celula_4_24")->Estado(), kFavorito);
                EXPECT_TRUE(m_programa.Janela().isVisible());
            } else if (TituloDepois(gatilho).isEmpty()) {
                EXPECT_EQ(m_programa.Documento(), nullptr);
            } else {
                ASSERT_NE(m_programa.Documento(), nullptr);
                EXPECT_NE(TituloAberto(), "b.vrt");
                EXPECT_FALSE(m_programa.Documento()->IsModified());
            }
        }
    // Um recente desistido continua na lista.
    EXPECT_EQ(m_programa.m_app.Recentes().Lista().size(), 2);
}

TEST_F(AlteracoesDoDocumento, SimNumDocumentoSemNomePedeONomeEDesistirCancela)
{
    struct SCaso {
        const char* como;
        std::function<void(QWidget*)> dialogo;
        bool gravou;
        int mensagens;
    };
    const fs::path destino = m_programa.m_pasta / "novo.vrt";
    const fs::path pasta = m_programa.m_pasta / "pasta.vrt";
    fs::create_directories(pasta);
    const SCaso casos[] = {
        {"nome escolhido", [&](QWidget* modal) { EscolherArquivo(modal, destino); }, true, 0},
        {"diálogo cancelado", [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); }, false, 0},
        {"gravação falha", [&](QWidget* modal) { EscolherArquivo(modal, pasta, false); }, false, 1},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.como);
        fs::remove(destino);
        m_programa.m_app.Modelo()->CloseAllDocuments();
        ASSERT_NE(m_programa.m_app.Modelo()->OpenDocumentFile(QString()), nullptr);
        const QString sem_nome = TituloAberto();
        ClicarCelula(4, 24);
        ResponderPergunta(QStringLiteral("Sim"));
        m_respostas.Responder(caso.dialogo);
        for (int i = 0; i < caso.mensagens; ++i)
            m_respostas.AceitarMensagem();
        m_programa.Comando(Comando::kNovo);
        EXPECT_FALSE(m_respostas.Pendente());
        EXPECT_EQ(m_pergunta, "Salvar alterações em " + sem_nome + "?");
        EXPECT_EQ(fs::exists(destino), caso.gravou);
        if (caso.gravou) {
            EXPECT_EQ(CelulaGravada(destino), kFavorito);
            EXPECT_NE(TituloAberto(), sem_nome);
        } else {
            // A gravação não aconteceu: o documento fica, com a alteração.
            EXPECT_EQ(TituloAberto(), sem_nome);
            EXPECT_TRUE(m_programa.Documento()->IsModified());
        }
    }
}

TEST_F(AlteracoesDoDocumento, OQueOJogadorMudaContaComoAlteracao)
{
    struct SCaso {
        const char* acao;
        std::function<void()> fazer;
        bool altera;
    };
    auto responder_gerar = [this](bool ok) {
        m_respostas.Responder([ok](QWidget* modal) {
            auto* pergunta = qobject_cast<CGerarApostasDlg*>(modal);
            ASSERT_NE(pergunta, nullptr) << modal->windowTitle().toStdString();
            if (ok)
                pergunta->accept();
            else
                pergunta->reject();
        });
    };
    const SCaso casos[] = {
        {"clique numa célula", [&] { ClicarCelula(2, 7); }, true},
        {"nome de chave", [&] { QTest::keyClicks(Controle<QLineEdit>("chave3"), "b"); }, true},
        {"Mín. de chaves completas", [&] { QTest::keyClick(Controle<QAbstractSpinBox>("min_completas"), Qt::Key_Up); }, true},
        {"valor das apostas", [&] { QTest::keyClick(Controle<QComboBox>("valor_das_apostas"), Qt::Key_Down); }, true},
        {"escolha na grade",
         [&] {
             // A chave A (2 jogos) mostra 1 e 2; o máximo passa a 1.
             auto* grade = Controle<CComboGridCtrl>("grade");
             grade->setCurrentCell(1, 2);
             grade->editItem(grade->item(1, 2));
             auto* lista = grade->findChild<QComboBox*>();
             ASSERT_NE(lista, nullptr);
             lista->setCurrentIndex(0);
             emit lista->activated(0);
         },
         true},
        {"Executar",
         [&] {
             responder_gerar(true);
             Clique("executar");
         },
         true},
        {"Executar cancelado", [&] { responder_gerar(false); Clique("executar"); }, false},
        {"remover um cartão", [&] { Clique("remover_cartao"); }, true},
        {"remover todos os cartões", [&] { Clique("remover_cartoes"); }, true},
        {"Filtrar pelo menu", [&] {
             m_programa.m_configuracoes.GravarInteiro("filtros", "m_bool_quantidade_de_resultados_empatados", 1);
             m_programa.m_configuracoes.GravarInteiro("filtros", "m_min_quantidade_de_resultados_empatados", 5);
             m_programa.m_configuracoes.GravarInteiro("filtros", "m_max_quantidade_de_resultados_empatados", 5);
             m_programa.Comando(Comando::kFiltrar);
         }, true},
        {"Conferência aberta", [&] {
             m_respostas.AceitarMensagem();  // sem arquivo de resultados
             m_programa.Comando(Comando::kConferencia);
             m_programa.Comando(Comando::kTelaDeApostas);
         }, false},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.acao);
        m_programa.m_app.Modelo()->CloseAllDocuments();
        // Um quadro como a tela o grava: "Executar" guarda no documento o que já estava lá.
        GravarQuadro("b.vrt", false);
        ASSERT_NE(m_programa.m_app.AbrirArquivo(Caminho(m_b)), nullptr);
        ASSERT_FALSE(m_programa.Documento()->IsModified());
        caso.fazer();
        QApplication::processEvents();
        EXPECT_FALSE(m_respostas.Pendente());
        EXPECT_EQ(m_programa.Documento()->IsModified(), caso.altera);
        // Salvar deixa o documento sem alterações de novo.
        m_programa.Comando(Comando::kSalvar);
        EXPECT_FALSE(m_programa.Documento()->IsModified());
    }
}

}  // namespace
