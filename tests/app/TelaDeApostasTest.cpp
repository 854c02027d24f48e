// A tela de apostas dirigida pelos seus controles: cliques nas células, nomes de chave
// digitados, a grade, "Executar" com e sem filtragem, o mostrador de cartões e a
// proteção durante uma execução.

#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"

#include "document/ArquivoDeApostas.h"
#include "core/Chave.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"
#include "app/apostas/ScoreForm.h"
#include "app/controles/BuscaDlg.h"
#include "app/controles/CampoInteiro.h"
#include "app/controles/ComboGridCtrl.h"
#include "app/controles/ScoreButton.h"
#include "app/controles/StaticCartaoVarenta.h"
#include "app/dialogos/CombinandoApostasDlg.h"
#include "app/dialogos/FiltrandoDlg.h"
#include "app/dialogos/FiltrosDlg.h"
#include "app/dialogos/GerarApostasDlg.h"
#include "app/shell/ChildFrame.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class TelaDeApostasTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.Iniciar());
        m_tela = m_programa.TelaDeApostas();
        ASSERT_NE(m_tela, nullptr);
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
    void ClicarCelula(int jogo, int k) const { QTest::mouseClick(Celula(jogo, k), Qt::LeftButton); }
    // As primeiras `quantos` células de cada jogo viram favoritas.
    void MarcarFavoritos(int quantos) const
    {
        for (int m = 0; m < 5; ++m)
            for (int k = 0; k < quantos; ++k)
                ClicarCelula(m, k);
    }

    QLineEdit* CampoDaChave(int jogo) const { return Controle<QLineEdit>(QStringLiteral("chave%1").arg(jogo + 1)); }
    void DigitarChave(int jogo, const QString& texto) const { QTest::keyClicks(CampoDaChave(jogo), texto); }
    void ApagarChave(int jogo) const
    {
        QTest::keyClick(CampoDaChave(jogo), Qt::Key_End);
        QTest::keyClick(CampoDaChave(jogo), Qt::Key_Backspace);
    }

    QStringList LinhaDaGrade(int linha) const
    {
        const auto* grade = Controle<CComboGridCtrl>(QStringLiteral("grade"));
        return {grade->Texto(linha, 0), grade->Texto(linha, 1), grade->Texto(linha, 2)};
    }
    int LinhasDaGrade() const { return Controle<CComboGridCtrl>(QStringLiteral("grade"))->rowCount(); }

    QString Texto(const char* nome) const { return Controle<QLineEdit>(QString::fromLatin1(nome))->text(); }
    QAbstractButton* Botao(const char* nome) const { return Controle<QAbstractButton>(QString::fromLatin1(nome)); }
    void Clique(const char* nome) const { Clicar(Botao(nome)); }

    // Responde à pergunta "Gerar Apostas" (que abre com a filtragem marcada).
    void ResponderGerar(bool filtrar)
    {
        m_respostas.Responder([filtrar](QWidget* modal) {
            auto* pergunta = qobject_cast<CGerarApostasDlg*>(modal);
            ASSERT_NE(pergunta, nullptr);
            EXPECT_EQ(pergunta->windowTitle(), "Gerar Apostas");
            const QString escolha = filtrar ? "Gerar e filtrar as apostas." : "Somente gerar as apostas.";
            const QList<QRadioButton*> opcoes = pergunta->findChildren<QRadioButton*>();
            for (QRadioButton* opcao : opcoes)
                EXPECT_EQ(opcao->isChecked(), opcao->text() == "Gerar e filtrar as apostas.");
            for (QRadioButton* opcao : opcoes)
                if (opcao->text() == escolha)
                    Clicar(opcao);
            for (QPushButton* botao : pergunta->findChildren<QPushButton*>())
                if (botao->text() == "OK")
                    Clicar(botao);
        });
    }

    void Executar(bool filtrar)
    {
        ResponderGerar(filtrar);
        Clique("executar");
        EXPECT_FALSE(m_respostas.Pendente());
    }

    // Resposta à "Busca" com o texto dado (e à mensagem que vier depois, se esperada).
    void Buscar(const QString& numero, bool com_mensagem = false)
    {
        m_respostas.Responder([numero](QWidget* modal) {
            auto* busca = qobject_cast<CBuscaDlg*>(modal);
            ASSERT_NE(busca, nullptr);
            busca->Campo()->setText(numero);
            busca->accept();
        });
        if (com_mensagem)
            m_respostas.AceitarMensagem();
        Clique("buscar");
        EXPECT_FALSE(m_respostas.Pendente());
    }

    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    CScoreForm* m_tela = nullptr;
};

TEST_F(TelaDeApostasTest, CadaCliqueAvancaACelulaEODocumentoAcompanha)
{
    for (int esperado : {1, 2, 0}) {
        ClicarCelula(2, 7);
        EXPECT_EQ(Celula(2, 7)->Estado(), esperado);
        EXPECT_EQ(Doc().m_celulas[2][7], esperado);
    }
    // A legenda só ilustra: volta ao seu estado depois de um clique.
    auto* favorito = Controle<CScoreButton>(QStringLiteral("legenda_favorito"));
    auto* removido = Controle<CScoreButton>(QStringLiteral("legenda_removido"));
    QTest::mouseClick(favorito, Qt::LeftButton);
    QTest::mouseClick(removido, Qt::LeftButton);
    EXPECT_EQ(favorito->Estado(), 1);
    EXPECT_EQ(removido->Estado(), 2);
}

TEST_F(TelaDeApostasTest, NomesDeChaveCriamApagamEContamAsChaves)
{
    DigitarChave(0, "a");
    EXPECT_EQ(CampoDaChave(0)->text(), "A");
    ASSERT_EQ(m_tela->Chaves().size(), 1u);
    EXPECT_EQ(m_tela->Chaves()[0]->m_nome, "A");
    EXPECT_EQ(m_tela->Chaves()[0]->m_qtde_jogos, 1);
    EXPECT_EQ(LinhaDaGrade(0), QStringList({"", "Mín", "Máx"}));
    EXPECT_EQ(LinhaDaGrade(1), QStringList({"Ch A", "0", "1"}));
    EXPECT_EQ(Controle<CCampoInteiro>("max_completas")->text(), "1");
    EXPECT_EQ(Doc().m_max_completas, 1);
    EXPECT_EQ(Doc().m_chave_do_jogo[0], "A");
    EXPECT_EQ(Doc().m_chaves, m_tela->Chaves());

    DigitarChave(1, "A");
    ASSERT_EQ(m_tela->Chaves().size(), 1u);
    EXPECT_EQ(m_tela->Chaves()[0]->m_qtde_jogos, 2);
    EXPECT_EQ(LinhaDaGrade(1), QStringList({"Ch A", "0", "2"}));
    EXPECT_EQ(m_tela->Chaves()[0]->m_min, 0);

    // Uma segunda chave entra ordenada pelo nome e aumenta o máximo de completas.
    DigitarChave(3, "0");
    EXPECT_EQ(LinhaDaGrade(1), QStringList({"Ch 0", "0", "1"}));
    EXPECT_EQ(LinhaDaGrade(2), QStringList({"Ch A", "0", "2"}));
    EXPECT_EQ(Controle<CCampoInteiro>("max_completas")->text(), "2");
    Controle<CCampoInteiro>("min_completas")->stepBy(2);
    EXPECT_EQ(Doc().m_min_completas, 2);

    // Apagar o nome do único jogo da chave apaga a chave e corta Mín. e Máx.
    ApagarChave(3);
    ASSERT_EQ(m_tela->Chaves().size(), 1u);
    EXPECT_EQ(LinhasDaGrade(), 2);
    EXPECT_EQ(Doc().m_min_completas, 1);
    EXPECT_EQ(Doc().m_max_completas, 1);
    // As setas já não passam do novo número de chaves.
    Controle<CCampoInteiro>("min_completas")->stepBy(3);
    EXPECT_EQ(Doc().m_min_completas, 1);
    ApagarChave(0);
    ApagarChave(1);
    EXPECT_TRUE(m_tela->Chaves().empty());
    EXPECT_EQ(LinhasDaGrade(), 1);
    EXPECT_EQ(Doc().m_max_completas, 0);
    EXPECT_TRUE(Doc().m_chaves.empty());
}

TEST_F(TelaDeApostasTest, EscolhaNaGradeVaiParaAChave)
{
    DigitarChave(0, "B");
    DigitarChave(1, "B");
    DigitarChave(2, "B");
    auto* grade = Controle<CComboGridCtrl>(QStringLiteral("grade"));
    EXPECT_EQ(grade->Escolhas(1, 1), QStringList({"0", "1", "2"}));
    EXPECT_EQ(grade->Escolhas(1, 2), QStringList({"1", "2", "3"}));
    grade->setCurrentCell(1, 1);
    grade->editItem(grade->item(1, 1));
    auto* lista = grade->findChild<QComboBox*>();
    ASSERT_NE(lista, nullptr);
    lista->setCurrentIndex(1);
    emit lista->activated(1);
    QApplication::processEvents();
    EXPECT_EQ(grade->Texto(1, 1), "1");
    EXPECT_EQ(Doc().m_chaves[0]->m_min, 1);
}

TEST_F(TelaDeApostasTest, ExecutarSemFavoritoNoJogo3NaoPergunta)
{
    for (int m : {0, 1, 3, 4})
        ClicarCelula(m, 0);
    m_respostas.AceitarMensagem();
    Clique("executar");
    EXPECT_FALSE(m_respostas.Pendente());
    ASSERT_EQ(m_respostas.Mensagens().size(), 1);
    EXPECT_EQ(m_respostas.Mensagens()[0].texto, "Marque ao menos um favorito no jogo 3");
    EXPECT_EQ(m_respostas.Mensagens()[0].icone, QMessageBox::Warning);
    EXPECT_EQ(Doc().m_volantes.Quantidade(), 0);
    EXPECT_FALSE(m_tela->DialogoDeGeracao()->isVisible());
}

TEST_F(TelaDeApostasTest, RemoverELimpar)
{
    ClicarCelula(0, 0);  // favorito
    ClicarCelula(0, 1);
    ClicarCelula(0, 1);  // removido
    Clique("remover");
    for (int k = 0; k < 25; ++k)
        EXPECT_EQ(Celula(0, k)->Estado(), k == 0 ? 1 : 2) << k;
    EXPECT_EQ(Celula(3, 9)->Estado(), 2);
    EXPECT_EQ(Doc().m_celulas[3][9], 2);
    EXPECT_EQ(Doc().m_celulas[0][0], 1);

    // Limpar põe tudo em alternativa, na tela e já no documento.
    Clique("limpar");
    for (int m = 0; m < 5; ++m)
        for (int k = 0; k < 25; ++k) {
            EXPECT_EQ(Celula(m, k)->Estado(), 0);
            EXPECT_EQ(Doc().m_celulas[m][k], 0);
        }
}

TEST_F(TelaDeApostasTest, SomenteGerarDaOsCartoesEApagaOResumo)
{
    MarcarFavoritos(2);
    Doc().m_resumo = "resumo anterior";
    Executar(false);
    EXPECT_EQ(Doc().m_volantes.Quantidade(), 32);
    EXPECT_EQ(Doc().m_qtde_apostas, 32);
    EXPECT_EQ(Doc().m_resumo, "");
    EXPECT_FALSE(m_tela->Filtrado());
    EXPECT_EQ(Texto("qtde_de_cartoes"), "32");
    EXPECT_EQ(Texto("cartao_atual"), "1");
    EXPECT_EQ(Texto("valor"), "32.00");
    EXPECT_EQ(Controle<CStaticCartaoVarenta>("cartao")->Posicao(), 1);
    EXPECT_EQ(Doc().m_indice_atual, 0);
    EXPECT_EQ(Doc().m_tem_volantes, 1);
    // O diálogo de progresso fica com "Fechar" até o usuário fechar.
    EXPECT_TRUE(m_tela->DialogoDeGeracao()->isVisible());
    EXPECT_EQ(m_tela->DialogoDeGeracao()->Botao()->text(), "Fechar");
    EXPECT_FALSE(Botao("primeiro")->isEnabled());
    EXPECT_TRUE(Botao("proximo")->isEnabled());

    SalvarCaptura(m_tela->DialogoDeGeracao(), "tela_de_apostas_processando.png");
    SalvarCaptura(&m_programa.Janela(), "tela_de_apostas_apos_gerar.png");
}

TEST_F(TelaDeApostasTest, GerarEFiltrarGuardaOResumoDasChaves)
{
    MarcarFavoritos(1);
    DigitarChave(0, "A");
    DigitarChave(1, "A");
    Executar(true);
    // A completa (1 cartão) e a incompleta com até dois acertos (24 + 24 + 24 x 24).
    EXPECT_EQ(Doc().m_volantes.Quantidade(), 625);
    EXPECT_TRUE(m_tela->Filtrado());
    EXPECT_EQ(Doc().m_resumo.rfind("Para acertar os 5 pontos", 0), 0u) << Doc().m_resumo;
    EXPECT_NE(Doc().m_resumo.find("Os 3 jogos sem chave."), std::string::npos) << Doc().m_resumo;
}

TEST_F(TelaDeApostasTest, PrecoSegueOValorDasApostas)
{
    // 2 x 5 favoritos nos dois primeiros jogos: dez apostas simples.
    for (int k = 0; k < 2; ++k)
        ClicarCelula(0, k);
    for (int k = 0; k < 5; ++k)
        ClicarCelula(1, k);
    for (int m = 2; m < 5; ++m)
        ClicarCelula(m, 0);
    Executar(false);
    ASSERT_EQ(Doc().m_qtde_apostas, 10);
    auto* valor = Controle<QComboBox>(QStringLiteral("valor_das_apostas"));
    EXPECT_EQ(valor->count(), 3);
    EXPECT_EQ(Texto("valor"), "10.00");
    // "R$ 4,00" custa quatro vezes "R$ 1,00".
    const std::pair<const char*, const char*> precos[] = {{"R$ 4,00", "40.00"}, {"R$ 2,00", "20.00"}, {"R$ 1,00", "10.00"}};
    for (const auto& [item, preco] : precos) {
        valor->setCurrentIndex(valor->findText(QString::fromUtf8(item)));
        EXPECT_EQ(Texto("valor"), preco) << item;
        EXPECT_EQ(Doc().m_valor_da_aposta, valor->currentIndex()) << item;
    }
    EXPECT_EQ(valor->itemText(2), "R$ 4,00");
}

TEST_F(TelaDeApostasTest, NavegarERemoverCartoes)
{
    for (int k = 0; k < 5; ++k)
        ClicarCelula(0, k);
    for (int m = 1; m < 5; ++m)
        ClicarCelula(m, 0);
    Executar(false);
    ASSERT_EQ(Doc().m_volantes.Quantidade(), 5);
    auto* cartao = Controle<CStaticCartaoVarenta>("cartao");

    Clique("ultimo");
    EXPECT_EQ(Texto("cartao_atual"), "5");
    EXPECT_FALSE(Botao("proximo")->isEnabled());
    EXPECT_FALSE(Botao("ultimo")->isEnabled());
    // O último removido: o anterior fica atual, uma posição antes.
    const CVolante penultimo = Doc().m_volantes.Cartao(3);
    Clique("remover_cartao");
    EXPECT_EQ(Texto("cartao_atual"), "4");
    EXPECT_EQ(Texto("qtde_de_cartoes"), "4");
    EXPECT_EQ(Doc().m_qtde_apostas, 4);
    EXPECT_EQ(cartao->Posicao(), 4);
    EXPECT_EQ(Doc().m_volantes.Cartao(cartao->Posicao() - 1), penultimo);

    // Um do meio removido: o seguinte fica atual na mesma posição.
    Clique("primeiro");
    Clique("proximo");
    EXPECT_EQ(Texto("cartao_atual"), "2");
    const CVolante seguinte = Doc().m_volantes.Cartao(2);
    Clique("remover_cartao");
    EXPECT_EQ(Texto("cartao_atual"), "2");
    EXPECT_EQ(Doc().m_indice_atual, 1);
    EXPECT_EQ(Doc().m_volantes.Cartao(Doc().m_indice_atual), seguinte);
    Clique("anterior");
    EXPECT_EQ(Texto("cartao_atual"), "1");
    EXPECT_FALSE(Botao("anterior")->isEnabled());

    Doc().m_resumo = "resumo";
    Clique("remover_cartoes");
    EXPECT_EQ(Doc().m_volantes.Quantidade(), 0);
    EXPECT_EQ(Doc().m_qtde_apostas, 0);
    EXPECT_EQ(Doc().m_resumo, "");
    EXPECT_EQ(Texto("cartao_atual"), "0");
    EXPECT_EQ(Texto("valor"), "0.00");
    for (const char* nome : {"primeiro", "anterior", "proximo", "ultimo", "remover_cartao", "buscar", "remover_cartoes"})
        EXPECT_FALSE(Botao(nome)->isEnabled()) << nome;
}

TEST_F(TelaDeApostasTest, BuscaForaDaFaixaNaoMudaOCartao)
{
    MarcarFavoritos(1);
    ClicarCelula(0, 1);
    ClicarCelula(1, 1);
    Executar(false);
    ASSERT_EQ(Doc().m_volantes.Quantidade(), 4);
    Buscar("3");
    EXPECT_EQ(Texto("cartao_atual"), "3");
    for (const char* numero : {"0", "-1", "5"}) {
        Buscar(numero, true);
        EXPECT_EQ(m_respostas.Textos().value(m_respostas.Textos().size() - 1), "Cartão não encontrado.") << numero;
        EXPECT_EQ(Texto("cartao_atual"), "3") << numero;
    }
}

TEST_F(TelaDeApostasTest, FiltrarPeloMenuMantemOResumoEOBotaoORefaz)
{
    MarcarFavoritos(2);
    Executar(false);
    Doc().m_resumo = "resumo anterior";
    // Só os cartões sem nenhum 0 x 0... : critério 2 (empates) com máximo 0.
    m_programa.m_configuracoes.GravarInteiro("filtros", "m_bool_quantidade_de_resultados_empatados", 1);
    m_programa.m_configuracoes.GravarInteiro("filtros", "m_min_quantidade_de_resultados_empatados", 0);
    m_programa.m_configuracoes.GravarInteiro("filtros", "m_max_quantidade_de_resultados_empatados", 5);
    m_programa.Comando(Comando::kFiltrar);
    EXPECT_EQ(Doc().m_resumo, "resumo anterior");
    EXPECT_TRUE(m_tela->Filtrado());
    EXPECT_EQ(Doc().m_volantes.Quantidade(), 32);
    EXPECT_TRUE(m_tela->DialogoDeFiltragem()->isVisible());
    SalvarCaptura(m_tela->DialogoDeFiltragem(), "tela_de_apostas_filtrando.png");

    m_respostas.Responder([](QWidget* modal) {
        auto* filtros = qobject_cast<CFiltrosDlg*>(modal);
        ASSERT_NE(filtros, nullptr);
        filtros->accept();
    });
    Clique("filtrar");
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_NE(Doc().m_resumo, "resumo anterior");
    EXPECT_NE(Doc().m_resumo.find("Quantidade de resultados empatados Min:0 Max:5."), std::string::npos)
        << Doc().m_resumo;

    // "Configurar Filtros" só abre o diálogo.
    m_respostas.Responder([](QWidget* modal) {
        ASSERT_NE(qobject_cast<CFiltrosDlg*>(modal), nullptr);
        modal->close();
    });
    Doc().m_resumo = "intacto";
    m_programa.Comando(Comando::kConfigurarFiltros);
    EXPECT_FALSE(m_respostas.Pendente());
    EXPECT_EQ(Doc().m_resumo, "intacto");
}

TEST_F(TelaDeApostasTest, SalvarEReabrirMostraOMesmoQuadro)
{
    MarcarFavoritos(2);
    ClicarCelula(4, 24);
    ClicarCelula(4, 24);
    DigitarChave(0, "C");
    DigitarChave(2, "C");
    Controle<QComboBox>(QStringLiteral("valor_das_apostas"))->setCurrentIndex(1);
    Executar(false);
    const auto arquivo = m_programa.m_pasta / "quadro.vrt";
    m_programa.Documento()->OnSaveDocument(QString::fromStdString(arquivo.string()));

    m_programa.Comando(Comando::kNovo);
    ASSERT_NE(m_programa.m_app.AbrirArquivo(QString::fromStdString(arquivo.string())), nullptr);
    m_tela = m_programa.TelaDeApostas();
    ASSERT_NE(m_tela, nullptr);
    EXPECT_EQ(Celula(0, 1)->Estado(), 1);
    EXPECT_EQ(Celula(4, 24)->Estado(), 2);
    EXPECT_EQ(CampoDaChave(2)->text(), "C");
    EXPECT_EQ(LinhaDaGrade(1), QStringList({"Ch C", "0", "2"}));
    EXPECT_EQ(Texto("qtde_de_cartoes"), QString::number(Doc().m_volantes.Quantidade()));
    EXPECT_EQ(Texto("cartao_atual"), "1");
    EXPECT_EQ(Controle<QComboBox>(QStringLiteral("valor_das_apostas"))->currentIndex(), 1);
    EXPECT_EQ(Controle<CCampoInteiro>("max_completas")->text(), QString::number(Doc().m_max_completas));
}

// Durante uma geração longa a janela continua atendendo, nada além do botão "Parar" é
// aceito, e o pedido de parada termina a execução logo.
TEST_F(TelaDeApostasTest, GeracaoLongaAtendeSoOPararENaoDeixaFechar)
{
    MarcarFavoritos(25);
    ResponderGerar(false);

    // Depois de tantos cartões a execução está no meio, qualquer que seja a máquina.
    constexpr double kCartoesAntesDoParar = 100000;
    bool conferido = false;
    bool pedido = false;
    QObject::connect(m_tela->DialogoDeGeracao(), &CCombinandoApostasDlg::Atualizado, [&](double geradas) {
        if (pedido || geradas < kCartoesAntesDoParar)
            return;
        pedido = true;
        // No meio da execução: cliques e comandos são descartados, o programa não fecha.
        ClicarCelula(0, 0);
        Clique("executar");
        Clique("remover_cartoes");
        m_programa.Janela().close();
        conferido = m_programa.Janela().isVisible() && !m_programa.Acao(Comando::kSalvar)->isEnabled() &&
                    !m_programa.Acao(Comando::kNovo)->isEnabled() && Celula(0, 0)->Estado() == 1 &&
                    Controle<QToolButton>("remover_cartoes")->isEnabled() == false;
        // O clique em "Parar" entra na fila e é atendido na próxima vez da interface.
        QPushButton* parar = m_tela->DialogoDeGeracao()->Botao();
        EXPECT_EQ(parar->text(), "Parar");
        const QPointF centro = QRectF(parar->rect()).center();
        const QPointF global = parar->mapToGlobal(centro);
        QApplication::postEvent(parar, new QMouseEvent(QEvent::MouseButtonPress, centro, global, Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
        QApplication::postEvent(parar, new QMouseEvent(QEvent::MouseButtonRelease, centro, global, Qt::LeftButton,
                                                       Qt::NoButton, Qt::NoModifier));
    });
    Clique("executar");
    EXPECT_FALSE(m_respostas.Pendente());

    ASSERT_TRUE(pedido);
    EXPECT_TRUE(conferido);
    EXPECT_GE(Doc().m_volantes.Quantidade(), kCartoesAntesDoParar);
    EXPECT_LT(Doc().m_volantes.Quantidade(), 9765625);
    EXPECT_EQ(Doc().m_volantes.Quantidade(), Doc().m_qtde_apostas);
    EXPECT_EQ(m_tela->DialogoDeGeracao()->Botao()->text(), "Fechar");
    EXPECT_EQ(m_tela->DialogoDeGeracao()->Geradas(), QString::number(Doc().m_volantes.Quantidade()));
    EXPECT_TRUE(m_programa.Acao(Comando::kSalvar)->isEnabled());
}

}  // namespace
