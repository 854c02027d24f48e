// Onde os diálogos "Abrir" e "Salvar como" começam, e os textos do Qt em português.

#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"

#include "document/ArquivoDeApostas.h"
#include "platform/TraducoesDoQt.h"
#include "document/VarentaDoc.h"
#include "app/shell/Comandos.h"
#include "app/shell/Documento.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace fs = std::filesystem;

namespace {

// O que aconteceu antes de o diálogo abrir.
enum class EAntes { Nada, AbriuOutraPasta, SalvouOutraPasta, PastaLembradaApagada };

const char* NomeDe(EAntes antes)
{
    switch (antes) {
    case EAntes::Nada: return "PrimeiraVez";
    case EAntes::AbriuOutraPasta: return "DepoisDeAbrir";
    case EAntes::SalvouOutraPasta: return "DepoisDeSalvar";
    case EAntes::PastaLembradaApagada: return "PastaLembradaApagada";
    }
    return "";
}

QStringList TextosDosBotoes(QFileDialog* dialogo)
{
    QStringList textos;
    if (auto* botoes = dialogo->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
        for (QAbstractButton* botao : botoes->buttons())
            textos.append(botao->text().remove(QLatin1Char('&')));
    return textos;
}

class PastasDosDialogosBase : public testing::Test {
protected:
    PastasDosDialogosBase()
    {
        // A pasta de trabalho do processo nunca é a inicial: ela fica numa pasta só dela.
        fs::create_directories(Trabalho());
        m_trabalho_anterior = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(Trabalho().string()));
        m_respostas.FalharComDialogosInesperados();
    }
    ~PastasDosDialogosBase() override { QDir::setCurrent(m_trabalho_anterior); }

    fs::path Trabalho() const { return m_programa.m_pasta / "trabalho"; }
    fs::path PastaDeDados() const { return m_programa.Documentos() / "Quinaro Professional"; }
    fs::path PastaA() const { return m_programa.m_pasta / "apostas de junho"; }
    fs::path PastaB() const { return m_programa.m_pasta / "bolão"; }

    fs::path ArquivoEm(const fs::path& pasta)
    {
        fs::create_directories(pasta);
        CVarentaDoc documento;
        documento.OnNewDocument();
        const fs::path caminho = pasta / "aposta.vrt";
        GravarArquivoDeApostas(documento, caminho);
        return caminho;
    }

    void SalvarComoEm(const fs::path& arquivo)
    {
        fs::create_directories(arquivo.parent_path());
        m_respostas.Responder([arquivo](QWidget* modal) { EscolherArquivo(modal, arquivo); });
        m_programa.Comando(Comando::kSalvarComo);
        ASSERT_FALSE(m_respostas.Pendente());
        ASSERT_TRUE(fs::exists(arquivo));
    }

    // Abre o diálogo pelo menu, entrega-o a `olhar` e o cancela.
    void NoDialogoDe(int comando, std::function<void(QFileDialog*)> olhar)
    {
        bool visto = false;
        m_respostas.Responder([&](QWidget* modal) {
            auto* dialogo = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialogo, nullptr) << modal->windowTitle().toStdString();
            visto = true;
            olhar(dialogo);
            dialogo->reject();
        });
        m_programa.Comando(comando);
        EXPECT_TRUE(visto);
        EXPECT_FALSE(m_respostas.Pendente());
    }

    CProgramaEmTeste m_programa;
    CRespostasModais m_respostas;
    QString m_trabalho_anterior;
};

class PastaInicialDosDialogos : public PastasDosDialogosBase,
                                public testing::WithParamInterface<std::tuple<EAntes, int>> {};

TEST_P(PastaInicialDosDialogos, ComecaNaUltimaPastaOuNaDeDados)
{
    const auto [antes, comando] = GetParam();
    fs::path esperada = PastaDeDados();
    switch (antes) {
    case EAntes::Nada:
        ASSERT_TRUE(m_programa.Iniciar());
        break;
    case EAntes::AbriuOutraPasta:
        ASSERT_TRUE(m_programa.Iniciar({QString::fromStdString(ArquivoEm(PastaA()).string())}));
        esperada = PastaA();
        break;
    case EAntes::SalvouOutraPasta:
        ASSERT_TRUE(m_programa.Iniciar({QString::fromStdString(ArquivoEm(PastaA()).string())}));
        SalvarComoEm(PastaB() / "nova.vrt");
        esperada = PastaB();
        break;
    case EAntes::PastaLembradaApagada:
        ASSERT_TRUE(m_programa.Iniciar({QString::fromStdString(ArquivoEm(PastaA()).string())}));
        fs::remove_all(PastaA());
        break;
    }
    // O diálogo completa o nome com a extensão padrão.
    QString nome_do_documento = m_programa.Documento()->Titulo();
    if (!nome_do_documento.endsWith(QStringLiteral(".vrt")))
        nome_do_documento += QStringLiteral(".vrt");
    NoDialogoDe(comando, [&](QFileDialog* dialogo) {
        EXPECT_EQ(fs::path(dialogo->directory().absolutePath().toStdString()), esperada);
        // "Salvar como" propõe o nome do documento na pasta inicial.
        if (comando == Comando::kSalvarComo)
            EXPECT_EQ(dialogo->selectedFiles().value(0).toStdString(), (esperada / nome_do_documento.toStdString()).string());
    });
    // A pasta de dados nasce só quando o diálogo precisa dela.
    EXPECT_EQ(fs::is_directory(PastaDeDados()), esperada == PastaDeDados());
    EXPECT_TRUE(fs::is_empty(Trabalho()));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PastaInicialDosDialogos,
    testing::Combine(testing::Values(EAntes::Nada, EAntes::AbriuOutraPasta, EAntes::SalvouOutraPasta,
                                     EAntes::PastaLembradaApagada),
                     testing::Values(Comando::kAbrir, Comando::kSalvarComo)),
    [](const testing::TestParamInfo<std::tuple<EAntes, int>>& info) {
        return std::string(NomeDe(std::get<0>(info.param))) +
               (std::get<1>(info.param) == Comando::kAbrir ? "_Abrir" : "_SalvarComo");
    });

using PastaLembrada = PastasDosDialogosBase;

TEST_F(PastaLembrada, FicaNasConfiguracoesParaAProximaVez)
{
    const fs::path arquivo = ArquivoEm(PastaA());
    ASSERT_TRUE(m_programa.Iniciar({QString::fromStdString(arquivo.string())}));
    EXPECT_EQ(m_programa.m_configuracoes.LerTexto("dados", "ultima_pasta", ""), PastaA().string());
    // Outra execução com as mesmas configurações começa lá.
    CVarentaApp outra(m_programa.m_app.Servicos());
    ASSERT_TRUE(outra.InitInstance({}));
    QApplication::processEvents();
    bool visto = false;
    m_respostas.Responder([&](QWidget* modal) {
        auto* dialogo = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialogo, nullptr);
        visto = true;
        EXPECT_EQ(fs::path(dialogo->directory().absolutePath().toStdString()), PastaA());
        dialogo->reject();
    });
    outra.OnAbrir();
    EXPECT_TRUE(visto);
}

using DialogosEmPortugues = PastasDosDialogosBase;

// Com as traduções do Qt carregadas, os diálogos de arquivo falam português.
TEST_F(DialogosEmPortugues, AbrirESalvarComo)
{
    const CTraducoesDoQt traducoes(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ASSERT_TRUE(traducoes.Carregada()) << "falta a tradução qtbase_pt_BR do Qt";
    ASSERT_TRUE(m_programa.Iniciar({QString::fromStdString(ArquivoEm(PastaA()).string())}));
    NoDialogoDe(Comando::kAbrir, [](QFileDialog* dialogo) {
        EXPECT_EQ(dialogo->windowTitle(), "Abrir");
        EXPECT_EQ(TextosDosBotoes(dialogo), QStringList({"Abrir", "Cancelar"}));
        SalvarCaptura(dialogo, QStringLiteral("dialogo_abrir.png"));
    });
    NoDialogoDe(Comando::kSalvarComo, [](QFileDialog* dialogo) {
        EXPECT_EQ(dialogo->windowTitle(), "Salvar como");
        EXPECT_EQ(TextosDosBotoes(dialogo), QStringList({"Salvar", "Cancelar"}));
        SalvarCaptura(dialogo, QStringLiteral("dialogo_salvar_como.png"));
    });
}

// Como o programa as carrega ao começar, sem língua dada: português em qualquer língua do
// usuário (os testes rodam com LANG=C). Os botões padrão das caixas e dos diálogos.
TEST(TraducoesDoQt, OProgramaCarregaOPortuguesSemOlharALinguaDoUsuario)
{
    const CTraducoesDoQt traducoes;
    ASSERT_TRUE(traducoes.Carregada()) << "falta a tradução qtbase_pt_BR do Qt";
    QMessageBox caixa(QMessageBox::Warning, QStringLiteral("Quinaro"), QStringLiteral("?"),
                      QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No | QMessageBox::Close);
    const std::pair<QMessageBox::StandardButton, const char*> caixas[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Cancelar"}, {QMessageBox::Yes, "&Sim"},
        {QMessageBox::No, "&Não"}, {QMessageBox::Close, "Fechar"}};
    for (const auto& [botao, texto] : caixas)
        EXPECT_EQ(caixa.button(botao)->text(), QString::fromUtf8(texto)) << texto;
    QDialogButtonBox botoes(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply);
    EXPECT_EQ(botoes.button(QDialogButtonBox::Cancel)->text(), "Cancelar");
    EXPECT_EQ(botoes.button(QDialogButtonBox::Apply)->text(), "Aplicar");
}

// Sem tradução para a língua, o Qt fica no seu inglês e nada quebra.
TEST(TraducoesDoQt, LinguaSemTraducaoFicaEmIngles)
{
    {
        const CTraducoesDoQt traducoes(QLocale(QLocale::Zulu));
        EXPECT_FALSE(traducoes.Carregada());
    }
    {
        const CTraducoesDoQt portugues(QLocale(QLocale::Portuguese, QLocale::Brazil));
        ASSERT_TRUE(portugues.Carregada());
    }
    // Desfeita a tradução, o texto volta ao original.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "Save As");
}

} // namespace
