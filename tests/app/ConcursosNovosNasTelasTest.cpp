// Os comandos que regravam o arquivo de resultados (inserir, remover, importar CSV e
// atualizar pela internet) e as telas abertas que listam concursos: a de conferência e a
// análise mostram a lista nova logo depois, sem fechar e abrir de novo.
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/ResultadosDeTeste.h"
#include "tests/support/PastaTemporaria.h"
#include "tests/support/ServicosEmTeste.h"

#include "tests/app/SentinelaDeModais.h"

#include "app/conferencia/ConferenciaAvancadaVarentaDlg.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/resultados/AtualizandoDlg.h"
#include "app/resultados/EscolhaConcursoDlg.h"
#include "app/resultados/GradeDoResultado.h"
#include "app/resultados/ResultadoVarentaDlg.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"
#include "results/CaminhoDeDados.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace fs = std::filesystem;

namespace {

const std::string kZeros = "0x0 0x0 0x0 0x0 0x0";
const std::string kNove = "1x0 2x2 +x1 0x0 3x+";
const std::array<int, 10> kColunasDoNove = {1, 0, 2, 2, 4, 1, 0, 0, 3, 4};

QStringList Itens(const QComboBox* seletor)
{
    QStringList itens;
    for (int i = 0; i < seletor->count(); ++i)
        itens.append(seletor->itemText(i));
    return itens;
}

void Confirmar(QDialog& dialogo)
{
    for (QPushButton* botao : dialogo.findChildren<QPushButton*>())
        if (botao->text() == QStringLiteral("OK")) {
            Clicar(botao);
            return;
        }
    ADD_FAILURE() << "sem OK em " << dialogo.windowTitle().toStdString();
}

// A tela de conferência pelo menu, com o concurso 7 escolhido pelo teclado.
CConferenciaForm* TelaNoConcurso7(CProgramaEmTeste& programa)
{
    programa.Comando(Comando::kConferencia);
    CConferenciaForm* tela = nullptr;
    for (CVista* vista : programa.Documento()->Vistas())
        if (auto* conferencia = qobject_cast<CConferenciaForm*>(vista))
            tela = conferencia;
    if (tela == nullptr)
        return nullptr;
    tela->m_concurso->setFocus();
    QTest::keyClick(tela->m_concurso, Qt::Key_End);
    EXPECT_EQ(tela->m_concurso->currentText(), "00007");
    return tela;
}

struct SMudanca {
    const char* nome;
    // Regrava o arquivo pelo menu, respondendo aos diálogos do comando.
    std::function<void(CRespostasModais&, CProgramaEmTeste&)> fazer;
    QStringList concursos;
};

TEST(ConcursosNovosNasTelas, ConferenciaEAnaliseAbertasMostramOsConcursosNovosNaHora)
{
    CPastaTemporaria pasta;
    const SMudanca mudancas[] = {
        {"inserir",
         [](CRespostasModais& respostas, CProgramaEmTeste& programa) {
             respostas.Responder([](QWidget* modal) {
                 auto* dialogo = qobject_cast<CResultadoVarentaDlg*>(modal);
                 ASSERT_NE(dialogo, nullptr) << modal->windowTitle().toStdString();
                 dialogo->m_edit_concurso->setText(QStringLiteral("9"));
                 for (int linha = 0; linha < 10; ++linha)
                     Clicar(dialogo->m_grade->Botao(linha, kColunasDoNove[size_t(linha)]));
                 Confirmar(*dialogo);
             });
             programa.Comando(Comando::kInserirResultado);
         },
         {"00005", "00007", "00009"}},
        {"remover",
         [](CRespostasModais& respostas, CProgramaEmTeste& programa) {
             respostas.Responder([](QWidget* modal) {
                 auto* dialogo = qobject_cast<CEscolhaConcursoDlg*>(modal);
                 ASSERT_NE(dialogo, nullptr) << modal->windowTitle().toStdString();
                 dialogo->m_combo->setCurrentIndex(0);
                 Confirmar(*dialogo);
             });
             programa.Comando(Comando::kRemoverResultado);
         },
         {"00007"}},
        {"importar CSV",
         [&pasta](CRespostasModais& respostas, CProgramaEmTeste& programa) {
             const fs::path csv = pasta / "novos.csv";
             GravarBytes(csv, "concurso;data;placares;ganhadores 3;ganhadores 4;ganhadores 5;rateio 3;rateio 4;"
                              "rateio 5;acumulado\n9;15/03/2004;" + kNove + ";0;0;0;0;0;0;0\n");
             respostas.Responder([csv](QWidget* modal) { EscolherArquivo(modal, csv); });
             programa.Comando(Comando::kImportarResultadosCsv);
         },
         {"00005", "00007", "00009"}},
        {"atualizar pela internet",
         [&pasta](CRespostasModais& respostas, CProgramaEmTeste& programa) {
             const fs::path servido = pasta / "servido.dat";
             GravarResultados(servido, {{5, kZeros}, {7, kZeros}, {8, kZeros}, {9, kNove}});
             CServicoEmTeste servico(servido);
             ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
             programa.m_configuracoes.GravarTexto("dados", "servidor", servico.Servidor());
             // O progresso é esperado: dura o que a rede durar.
             QTimer espiao;
             QObject::connect(&espiao, &QTimer::timeout, [] {
                 if (auto* progresso = qobject_cast<CAtualizandoDlg*>(QApplication::activeModalWidget()))
                     ReivindicarModal(progresso);
             });
             espiao.start(5);
             // O progresso passa sozinho; no fim, o resumo do que veio se fecha com OK.
             std::function<void(QWidget*)> atender;
             atender = [&respostas, &atender](QWidget* modal) {
                 if (qobject_cast<CAtualizandoDlg*>(modal) != nullptr) {
                     respostas.Responder(atender);
                     return;
                 }
                 auto* caixa = qobject_cast<QMessageBox*>(modal);
                 ASSERT_NE(caixa, nullptr) << modal->windowTitle().toStdString();
                 caixa->accept();
             };
             respostas.Responder(atender);
             programa.Comando(Comando::kAtualizarPelaInternet);
         },
         {"00005", "00007", "00008", "00009"}},
    };
    for (const SMudanca& mudanca : mudancas) {
        SCOPED_TRACE(mudanca.nome);
        const auto programa = std::make_unique<CProgramaEmTeste>();
        ASSERT_TRUE(programa->Iniciar());
        GravarResultados(CaminhoDeDados(programa->m_pastas, kArquivoDeResultados), {{5, kZeros}, {7, kZeros}});
        CRespostasModais respostas;
        CConferenciaForm* tela = TelaNoConcurso7(*programa);
        ASSERT_NE(tela, nullptr);
        CConferenciaAvancadaVarentaDlg analise(programa->m_app.Servicos(), &programa->Janela());
        analise.PrepararGrade();
        analise.show();
        ASSERT_EQ(Itens(analise.m_final), (QStringList{"00005", "00007"}));

        programa->Janela().AtualizarInterface();
        mudanca.fazer(respostas, *programa);
        EXPECT_FALSE(respostas.Pendente());

        QStringList com_nenhum = mudanca.concursos;
        com_nenhum.prepend(QStringLiteral("Nenhum"));
        EXPECT_EQ(Itens(tela->m_concurso), com_nenhum);
        // O concurso escolhido continua escolhido; o último novo já se escolhe e confere.
        EXPECT_EQ(tela->m_concurso->currentText(), "00007");
        EXPECT_EQ(Itens(analise.m_inicial), mudanca.concursos);
        EXPECT_EQ(Itens(analise.m_final), mudanca.concursos);
        EXPECT_EQ(analise.m_final->currentText(), mudanca.concursos.constLast());
        if (mudanca.concursos.constLast() == "00009") {
            QTest::keyClick(tela->m_concurso, Qt::Key_End);
            EXPECT_EQ(tela->m_grade->Colunas(), kColunasDoNove);
        }
        analise.close();
    }
}

} // namespace
