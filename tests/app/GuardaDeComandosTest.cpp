// A guarda de todos os comandos: um erro que escapa de um tratador ligado fora de
// qualquer proteção aparece como a falha do comando e o programa continua usável.
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/ResultadosDeTeste.h"

#include "results/CaminhoDeDados.h"
#include "document/VarentaDoc.h"
#include "app/conferencia/ConferenciaAvancadaVarentaDlg.h"
#include "app/conferencia/GradeDaAnalise.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/shell/Documento.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace {

struct SLancamento {
    const char* nome;
    std::function<void()> lancar;
    QString mensagem;
};

const SLancamento kLancamentos[] = {
    {"erro com texto", [] { throw std::runtime_error("Falha do teste no botão."); }, "Falha do teste no botão."},
    {"erro sem texto", [] { throw std::runtime_error(""); }, "Command failed."},
    {"falta de memória", [] { throw std::bad_alloc(); }, "Memória insuficiente."},
    {"algo que não é exceção", [] { throw 42; }, "Command failed."},
};

QStringList Linhas(const QListWidget* lista)
{
    QStringList linhas;
    for (int i = 0; i < lista->count(); ++i)
        linhas.append(lista->item(i)->text());
    return linhas;
}

bool TemTexto(const QTableWidget& grade)
{
    for (int linha = 0; linha < grade.rowCount(); ++linha)
        for (int coluna = 0; coluna < grade.columnCount(); ++coluna)
            if (grade.item(linha, coluna) != nullptr && !grade.item(linha, coluna)->text().isEmpty())
                return true;
    return false;
}

class GuardaDeComandos : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.Iniciar());
        GravarResultados(CaminhoDeDados(m_programa.m_pastas, kArquivoDeResultados), {{7, "1x0 2x2 +x1 0x0 3x+"}});
        AdicionarCartao(m_programa.Documento()->Doc().m_volantes, "1x0 2x2 0x0 0x0 0x0");
        m_programa.Comando(Comando::kConferencia);
        for (CVista* vista : m_programa.Documento()->Vistas())
            if (auto* tela = qobject_cast<CConferenciaForm*>(vista))
                m_tela = tela;
        ASSERT_NE(m_tela, nullptr);
    }

    CProgramaEmTeste m_programa;
    CConferenciaForm* m_tela = nullptr;
};

TEST_F(GuardaDeComandos, ErroNumBotaoDaTelaViraFalhaDoComandoEATelaSegue)
{
    Clicar(m_tela->m_botao_conferir);
    const QStringList conferido = Linhas(m_tela->m_analise);
    ASSERT_FALSE(conferido.isEmpty());

    for (const SLancamento& caso : kLancamentos) {
        CRespostasModais respostas;
        respostas.AceitarMensagem();
        const auto ligacao = QObject::connect(m_tela->m_botao_conferir, &QPushButton::clicked, caso.lancar);
        Clicar(m_tela->m_botao_conferir);
        QObject::disconnect(ligacao);
        EXPECT_FALSE(respostas.Pendente()) << caso.nome;
        ASSERT_EQ(respostas.Mensagens().size(), 1) << caso.nome;
        EXPECT_EQ(respostas.Mensagens()[0].texto, caso.mensagem) << caso.nome;
        EXPECT_EQ(respostas.Mensagens()[0].icone, QMessageBox::Critical) << caso.nome;

        // O botão não ficou preso e os comandos da tela continuam atendendo.
        EXPECT_FALSE(m_tela->m_botao_conferir->isDown()) << caso.nome;
        Clicar(m_tela->m_botao_limpar);
        EXPECT_EQ(m_tela->m_analise->count(), 0) << caso.nome;
        Clicar(m_tela->m_botao_conferir);
        EXPECT_EQ(Linhas(m_tela->m_analise), conferido) << caso.nome;
    }
}

TEST_F(GuardaDeComandos, ErroNoAnalisarDeDentroDoDialogoModalNaoDerrubaODialogo)
{
    for (const SLancamento& caso : kLancamentos) {
        CRespostasModais respostas;
        bool analisou_depois = false;
        respostas.Responder([&](QWidget* modal) {
            auto* dialogo = qobject_cast<CConferenciaAvancadaVarentaDlg*>(modal);
            ASSERT_NE(dialogo, nullptr) << modal->windowTitle().toStdString();
            respostas.AceitarMensagem();
            const auto ligacao = QObject::connect(dialogo->m_botao_analisar, &QPushButton::clicked, caso.lancar);
            Clicar(dialogo->m_botao_analisar);
            QObject::disconnect(ligacao);
            EXPECT_TRUE(dialogo->isVisible()) << caso.nome;
            dialogo->m_grade->clearContents();
            Clicar(dialogo->m_botao_analisar);
            analisou_depois = TemTexto(*dialogo->m_grade);
            Clicar(dialogo->m_botao_ok);
        });
        Clicar(m_tela->m_botao_avancado);
        EXPECT_FALSE(respostas.Pendente()) << caso.nome;
        ASSERT_EQ(respostas.Mensagens().size(), 1) << caso.nome;
        EXPECT_EQ(respostas.Mensagens()[0].texto, caso.mensagem) << caso.nome;
        EXPECT_EQ(respostas.Mensagens()[0].icone, QMessageBox::Critical) << caso.nome;
        EXPECT_TRUE(analisou_depois) << caso.nome;
    }
}

} // namespace
