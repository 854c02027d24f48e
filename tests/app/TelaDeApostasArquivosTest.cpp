// A tela de apostas sobre arquivos gravados: o que o arquivo guarda aparece como está, o
// "Executar" da tela grava o mesmo arquivo que o quinaro-cli, e arquivos legíveis com
// valores extremos não travam nem derrubam a tela, a grade, o cartão, a conferência e o
// relatório.

#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"
#include "tests/app/ResultadosDeTeste.h"

#include "document/ArquivoDeApostas.h"
#include "results/CaminhoDeDados.h"
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"
#include "app/apostas/ScoreForm.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/controles/CampoInteiro.h"
#include "app/controles/ComboGridCtrl.h"
#include "app/controles/StaticCartaoVarenta.h"
#include "app/dialogos/GerarApostasDlg.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t kMenor = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaior = std::numeric_limits<int32_t>::max();
constexpr int k1x0 = 9;

struct SChaveDoArquivo {
    std::string nome;
    int32_t min = 0;
    int32_t max = 0;
    int32_t jogos = 0;
};

// Um quadro como a tela o grava: as primeiras células de cada jogo favoritas, as
// seguintes alternativas, o resto removido.
struct SQuadro {
    const char* caso;
    int favoritos = 1;
    int alternativas = 0;
    std::array<std::string, 5> chave_do_jogo;
    std::vector<SChaveDoArquivo> chaves;
    int32_t min_completas = 0;
    int32_t max_completas = 0;
    int32_t valor_da_aposta = 0;
};

std::unique_ptr<CVarentaDoc> DocumentoDoQuadro(const SQuadro& quadro)
{
    auto documento = std::make_unique<CVarentaDoc>();
    documento->OnNewDocument();
    for (auto& jogo : documento->m_celulas)
        for (int k = 0; k < 25; ++k)
            jogo[static_cast<size_t>(k)] = k < quadro.favoritos                         ? kFavorito
                                           : k < quadro.favoritos + quadro.alternativas ? kAlternativa
                                                                                        : kRemovido;
    documento->m_chave_do_jogo = quadro.chave_do_jogo;
    for (const SChaveDoArquivo& dados : quadro.chaves) {
        auto chave = std::make_shared<CChave>(dados.nome);
        chave->m_min = dados.min;
        chave->m_max = dados.max;
        chave->m_qtde_jogos = dados.jogos;
        documento->m_chaves.push_back(chave);
    }
    documento->m_min_completas = quadro.min_completas;
    documento->m_max_completas = quadro.max_completas;
    documento->m_valor_da_aposta = quadro.valor_da_aposta;
    return documento;
}

// Cartões com o 1x0 em todos os jogos, apontando para a tabela cheia.
void AdicionarCartoes(CVarentaDoc& documento, int quantos)
{
    for (int i = 0; i < quantos; ++i) {
        CVolante cartao;
        cartao.m_qtde = 5;
        for (int m = 0; m < 5; ++m)
            cartao.m_scores[m] = CCartaoCheio::Instancia().Celula(m, k1x0);
        documento.m_volantes.Adicionar(cartao);
    }
    documento.m_qtde_apostas = quantos;
}

std::string LerBytesDoArquivo(const std::filesystem::path& arquivo)
{
    std::ifstream entrada(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

// Onde dois conteúdos começam a diferir, para a mensagem da falha.
std::string Diferenca(const std::string& a, const std::string& b)
{
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return "tamanhos " + std::to_string(a.size()) + " e " + std::to_string(b.size()) + ", primeira diferença em " +
           std::to_string(i);
}

class TelaDeApostasArquivos : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_programa.Iniciar()); }

    std::filesystem::path Gravar(const CVarentaDoc& documento, const std::string& nome) const
    {
        const auto arquivo = m_programa.m_pasta / nome;
        GravarArquivoDeApostas(documento, arquivo);
        return arquivo;
    }

    // O que o teste mexeu no documento anterior é descartado sem a pergunta de salvar.
    CScoreForm* Abrir(const std::filesystem::path& arquivo)
    {
        if (m_programa.Documento() != nullptr)
            m_programa.Documento()->MarcarSemAlteracoes();
        EXPECT_NE(m_programa.m_app.AbrirArquivo(QString::fromStdString(arquivo.string())), nullptr);
        m_tela = m_programa.TelaDeApostas();
        return m_tela;
    }

    template <class T>
    T* Controle(const QString& nome) const
    {
        T* controle = m_tela->findChild<T*>(nome);
        EXPECT_NE(controle, nullptr) << nome.toStdString();
        return controle;
    }
    QAbstractButton* Botao(const char* nome) const { return Controle<QAbstractButton>(QString::fromLatin1(nome)); }
    CComboGridCtrl* Grade() const { return Controle<CComboGridCtrl>(QStringLiteral("grade")); }
    QString TextoDe(const char* nome) const { return Controle<CCampoInteiro>(QString::fromLatin1(nome))->text(); }

    // "Executar" respondendo "Somente gerar as apostas." à pergunta "Gerar Apostas".
    void ExecutarSomenteGerar()
    {
        m_respostas.Responder([](QWidget* modal) {
            auto* pergunta = qobject_cast<CGerarApostasDlg*>(modal);
            ASSERT_NE(pergunta, nullptr) << modal->windowTitle().toStdString();
            for (QRadioButton* opcao : pergunta->findChildren<QRadioButton*>())
                if (opcao->text() == "Somente gerar as apostas.")
                    Clicar(opcao);
            for (QPushButton* botao : pergunta->findChildren<QPushButton*>())
                if (botao->text() == "OK")
                    Clicar(botao);
        });
        Clicar(Botao("executar"));
        EXPECT_FALSE(m_respostas.Pendente());
    }

    CVarentaDoc& Doc() const { return m_programa.Documento()->Doc(); }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    CScoreForm* m_tela = nullptr;
};

TEST_F(TelaDeApostasArquivos, MinEMaxDoArquivoAparecemComoEstaoESoAsSetasFicamNaFaixa)
{
    SQuadro quadro{"duas chaves, completas de 3 a 7"};
    quadro.chave_do_jogo = {"A", "A", "B", "", ""};
    quadro.chaves = {{"A", 1, 2, 2}, {"B", 0, 1, 1}};
    quadro.min_completas = 3;
    quadro.max_completas = 7;
    ASSERT_NE(Abrir(Gravar(*DocumentoDoQuadro(quadro), "faixa.vrt")), nullptr);
    auto* minimo = Controle<CCampoInteiro>(QStringLiteral("min_completas"));
    auto* maximo = Controle<CCampoInteiro>(QStringLiteral("max_completas"));
    EXPECT_EQ(minimo->text(), "3");
    EXPECT_EQ(maximo->text(), "7");
    // Um clique numa célula grava o quadro sem mexer na faixa guardada.
    Clicar(m_tela->findChild<QAbstractButton*>(QStringLiteral("celula_0_5")));
    EXPECT_EQ(Doc().m_min_completas, 3);
    EXPECT_EQ(Doc().m_max_completas, 7);

    // As setas andam dentro de 0 .. número de chaves, partindo do que está escrito.
    struct SPasso {
        CCampoInteiro* campo;
        int passos;
        const char* esperado;
    };
    const SPasso passos[] = {{maximo, 1, "2"}, {maximo, -1, "1"}, {maximo, -5, "0"}, {maximo, 1, "1"},
                             {minimo, -1, "2"}, {minimo, 4, "2"}};
    for (const SPasso& passo : passos) {
        passo.campo->stepBy(passo.passos);
        EXPECT_EQ(passo.campo->text(), passo.esperado) << passo.campo->objectName().toStdString() << " " << passo.passos;
    }
    EXPECT_EQ(Doc().m_min_completas, 2);
    EXPECT_EQ(Doc().m_max_completas, 1);

    // O que se digita vale como está, mesmo fora da faixa das setas.
    struct SDigitado {
        CCampoInteiro* campo;
        const char* texto;
        int32_t esperado_min;
        int32_t esperado_max;
    };
    const SDigitado digitados[] = {{maximo, "9", 2, 9}, {minimo, "-4", -4, 9}, {maximo, "2147483647", -4, kMaior}};
    for (const SDigitado& digitado : digitados) {
        digitado.campo->CampoDeTexto()->selectAll();
        QTest::keyClicks(digitado.campo->CampoDeTexto(), QString::fromLatin1(digitado.texto));
        EXPECT_EQ(Doc().m_min_completas, digitado.esperado_min) << digitado.texto;
        EXPECT_EQ(Doc().m_max_completas, digitado.esperado_max) << digitado.texto;
    }
    SalvarCaptura(&m_programa.Janela(), QStringLiteral("tela_de_apostas_faixa_digitada.png"));
}

TEST_F(TelaDeApostasArquivos, NomesDeChaveLidosFicamInteirosEEmOrdemDeBytesDoArquivo)
{
    const std::string longo(300, 'Q');
    SQuadro quadro{"nomes fora do ASCII e longo"};
    quadro.chave_do_jogo = {"É", "€", longo, "a", ""};
    quadro.chaves = {{"É", 0, 1, 1}, {"€", 0, 1, 1}, {longo, 0, 1, 1}, {"a", 0, 1, 1}};
    ASSERT_NE(Abrir(Gravar(*DocumentoDoQuadro(quadro), "nomes.vrt")), nullptr);
    auto* campo = Controle<QLineEdit>(QStringLiteral("chave3"));
    EXPECT_EQ(campo->text().toStdString(), longo);
    // Em Windows-1252: Q (51) < a (61) < € (80) < É (C9); em UTF-8 o € viria por último.
    const QStringList esperadas = {QString::fromStdString("Ch " + longo), "Ch a", "Ch €", "Ch É"};
    for (int linha = 1; linha <= 4; ++linha)
        EXPECT_EQ(Grade()->Texto(linha, 0), esperadas[linha - 1]) << linha;

    // Guardado de volta como estava; digitar num nome longo não o faz crescer.
    Clicar(m_tela->findChild<QAbstractButton*>(QStringLiteral("celula_1_3")));
    EXPECT_EQ(Doc().m_chave_do_jogo[2], longo);
    auto* vazio = Controle<QLineEdit>(QStringLiteral("chave5"));
    QTest::keyClicks(vazio, "xy");
    EXPECT_EQ(vazio->text(), "X");
    QTest::keyClick(campo, Qt::Key_End);
    QTest::keyClicks(campo, "Z");
    EXPECT_EQ(campo->text().toStdString(), longo);
}

TEST_F(TelaDeApostasArquivos, LimparEGravarGravaOQuadroLimpo)
{
    SQuadro quadro{"favoritos e removidos", 3, 2};
    ASSERT_NE(Abrir(Gravar(*DocumentoDoQuadro(quadro), "limpar.vrt")), nullptr);
    Clicar(Botao("limpar"));
    const auto salvo = m_programa.m_pasta / "limpo.vrt";
    m_programa.Documento()->OnSaveDocument(QString::fromStdString(salvo.string()));
    const auto relido = LerArquivoDeApostas(salvo);
    for (const auto& jogo : relido->m_celulas)
        for (uint16_t estado : jogo)
            ASSERT_EQ(estado, kAlternativa);
}

// Um arquivo que a tela gravou (chaves com as faixas que a grade mostra): "Executar"
// com "Somente gerar as apostas." e gravar dá os mesmos bytes que quinaro-cli gerar.
TEST_F(TelaDeApostasArquivos, ExecutarNaTelaGravaOMesmoArquivoQueOCli)
{
    const std::string longo(300, 'N');
    const std::vector<SQuadro> quadros = {
        {"sem chaves", 2, 0, {}, {}, 0, 0, 0},
        {"duas chaves", 1, 2, {"A", "A", "B", "B", ""}, {{"A", 1, 2, 2}, {"B", 0, 1, 2}}, 0, 2, 2},
        {"completas de 3 a 7 com duas chaves", 1, 1, {"A", "A", "B", "", ""}, {{"A", 0, 2, 2}, {"B", 0, 1, 1}}, 3, 7, 1},
        {"completas de -4 a 9", 1, 1, {"A", "A", "B", "", ""}, {{"A", 1, 2, 2}, {"B", 0, 1, 1}}, -4, 9, 0},
        {"completas nos extremos", 1, 1, {"A", "B", "C", "", ""}, {{"A", 0, 1, 1}, {"B", 0, 1, 1}, {"C", 0, 0, 1}},
         kMenor, kMaior, 0},
        {"completas de 2 a 5 com uma chave", 2, 1, {"A", "A", "A", "", ""}, {{"A", 1, 3, 3}}, 2, 5, 0},
        {"nomes fora do ASCII", 1, 1, {"€", "É", "É", "", ""}, {{"€", 0, 1, 1}, {"É", 1, 2, 2}}, 0, 2, 0},
        {"nome longo", 1, 1, {longo, "", "", "", longo}, {{longo, 1, 2, 2}}, 0, 1, 0},
        {"chaves fora de ordem", 1, 1, {"B", "A", "B", "", ""}, {{"B", 0, 2, 2}, {"A", 0, 1, 1}}, 1, 2, 0},
    };
    int n = 0;
    for (const SQuadro& quadro : quadros) {
        SCOPED_TRACE(quadro.caso);
        ++n;
        const auto entrada = Gravar(*DocumentoDoQuadro(quadro), "entrada" + std::to_string(n) + ".vrt");
        const auto da_tela = m_programa.m_pasta / ("tela" + std::to_string(n) + ".vrt");
        const auto do_cli = m_programa.m_pasta / ("cli" + std::to_string(n) + ".vrt");

        ASSERT_NE(Abrir(entrada), nullptr);
        ExecutarSomenteGerar();
        m_programa.Documento()->OnSaveDocument(QString::fromStdString(da_tela.string()));

        QProcess cli;
        cli.start(QStringLiteral(QUINARO_BIN "/quinaro-cli"),
                  {"gerar", QString::fromStdString(entrada.string()), QString::fromStdString(do_cli.string())});
        ASSERT_TRUE(cli.waitForFinished(-1));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

        const std::string bytes_da_tela = LerBytesDoArquivo(da_tela);
        const std::string bytes_do_cli = LerBytesDoArquivo(do_cli);
        ASSERT_FALSE(bytes_da_tela.empty());
        EXPECT_TRUE(bytes_da_tela == bytes_do_cli) << Diferenca(bytes_da_tela, bytes_do_cli);
    }
}

struct SArquivoHostil {
    const char* caso;
    std::function<void(CVarentaDoc&)> montar;
    bool relatorio = true;  // o relatório de um milhão de cartões seria uma página de 100 MB
};

TEST_F(TelaDeApostasArquivos, ArquivosComValoresExtremosNaoTravamATela)
{
    const auto chave = [](CVarentaDoc& documento, const std::string& nome, int32_t min, int32_t max, int32_t jogos) {
        auto nova = std::make_shared<CChave>(nome);
        nova->m_min = min;
        nova->m_max = max;
        nova->m_qtde_jogos = jogos;
        nova->m_padroes = kMaior;
        nova->m_visitados = kMenor;
        documento.m_chaves.push_back(nova);
    };
    const std::vector<SArquivoHostil> arquivos = {
        {"jogos da chave extremos",
         [&](CVarentaDoc& d) {
             d.m_chave_do_jogo = {"A", "A", "B", "C", ""};
             chave(d, "A", 0, 2, kMaior);
             chave(d, "B", kMenor, kMaior, -7);
             chave(d, "C", kMaior, kMenor, kMenor);
             d.m_max_completas = 3;
             AdicionarCartoes(d, 3);
         }},
        {"faixas fora de sentido",
         [&](CVarentaDoc& d) {
             d.m_chave_do_jogo = {"A", "B", "A", "", "B"};
             chave(d, "A", kMaior, kMaior, 2);
             chave(d, "B", kMenor, kMenor, 2);
             d.m_min_completas = kMenor;
             d.m_max_completas = kMaior;
             d.m_valor_da_aposta = kMaior;
             AdicionarCartoes(d, 2);
             d.m_qtde_apostas = kMenor;
         }},
        {"milhares de chaves",
         [&](CVarentaDoc& d) {
             d.m_chave_do_jogo = {"K0001", "K0001", "K0002", "K4999", ""};
             for (int i = 0; i < 5000; ++i)
                 chave(d, "K" + std::string(4 - std::to_string(i).size(), '0') + std::to_string(i), 0, i, i);
             chave(d, "K0001", 0, 5, 2);  // nome repetido
             d.m_min_completas = 0;
             d.m_max_completas = kMaior;
             AdicionarCartoes(d, 10);
         }},
        {"nomes longos",
         [&](CVarentaDoc& d) {
             const std::string longo(100000, 'L');
             d.m_chave_do_jogo = {longo, longo, "", "", std::string(70000, 'M')};
             chave(d, longo, 0, 2, 2);
             chave(d, std::string(70000, 'M'), 0, 1, 1);
             d.m_resumo = std::string(100000, 'r');
             for (auto& texto : d.m_textos_reservados)
                 texto = std::string(100000, 't');
             d.m_max_completas = 2;
             AdicionarCartoes(d, 4);
         }},
        {"sem cartões", [&](CVarentaDoc& d) { d.m_qtde_apostas = kMaior; }},
        {"um milhão de cartões", [&](CVarentaDoc& d) { AdicionarCartoes(d, 1000000); }, false},
    };
    GravarResultados(CaminhoDeDados(m_programa.m_pastas, kArquivoDeResultados), {{7, "0x0 0x0 0x0 0x0 0x0"}});

    int n = 0;
    for (const SArquivoHostil& hostil : arquivos) {
        SCOPED_TRACE(hostil.caso);
        auto documento = DocumentoDoQuadro(SQuadro{hostil.caso, 1, 2});
        hostil.montar(*documento);
        const int32_t min_gravado = documento->m_min_completas;
        const int32_t max_gravado = documento->m_max_completas;
        const int cartoes = documento->m_volantes.Quantidade();
        ASSERT_NE(Abrir(Gravar(*documento, "hostil" + std::to_string(++n) + ".vrt")), nullptr);
        documento.reset();
        EXPECT_EQ(TextoDe("min_completas"), QString::number(min_gravado));
        EXPECT_EQ(TextoDe("max_completas"), QString::number(max_gravado));

        // A grade oferece no máximo as escolhas de uma chave de 5 jogos; editar grava.
        CComboGridCtrl* grade = Grade();
        int editavel = 0;  // a primeira linha de uma chave que tem jogos
        for (int linha = 1; linha < grade->rowCount(); ++linha) {
            for (int coluna : {1, 2})
                ASSERT_LE(grade->Escolhas(linha, coluna).size(), 5) << linha;
            if (editavel == 0 && !grade->Escolhas(linha, 2).isEmpty())
                editavel = linha;
        }
        if (editavel > 0) {
            grade->setCurrentCell(editavel, 2);
            grade->editItem(grade->item(editavel, 2));
            auto* lista = grade->findChild<QComboBox*>();
            ASSERT_NE(lista, nullptr);
            emit lista->activated(0);
            QApplication::processEvents();
        }

        // O cartão: último e primeiro.
        EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("qtde_de_cartoes"))->text(), QString::number(cartoes));
        if (cartoes > 0) {
            Clicar(Botao("ultimo"));
            EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("cartao_atual"))->text(), QString::number(cartoes));
            Clicar(Botao("primeiro"));
        }

        // A conferência com o resultado marcado à mão (tudo 0x0: nenhum acerto).
        m_programa.Comando(Comando::kConferencia);
        CConferenciaForm* conferencia = nullptr;
        for (CVista* vista : m_programa.Documento()->Vistas())
            if (auto* tela = qobject_cast<CConferenciaForm*>(vista))
                conferencia = tela;
        ASSERT_NE(conferencia, nullptr);
        Clicar(conferencia->m_botao_conferir);

        if (hostil.relatorio) {
            const size_t abertos = m_programa.m_navegador.m_abertos.size();
            m_programa.Comando(Comando::kRelatorioDeApostas);
            EXPECT_EQ(m_programa.m_navegador.m_abertos.size(), abertos + 1);
        }

        m_programa.Comando(Comando::kTelaDeApostas);
        ExecutarSomenteGerar();
        EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("qtde_de_cartoes"))->text(),
                  QString::number(Doc().m_volantes.Quantidade()));
        Clicar(Botao("ultimo"));
        Clicar(Botao("anterior"));
    }
}

}  // namespace
