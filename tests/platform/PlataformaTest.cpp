#include "platform/ConfiguracoesQt.h"
#include "platform/PastasDoSistema.h"
#include "platform/ValoresDeInternetQt.h"
#include "tests/support/PastaTemporaria.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

std::filesystem::path ArquivoDeConfiguracoes()
{
    return std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "Orvane Technologies" / "Quinaro 1.0.conf";
}

TEST(ConfiguracoesQt, PadroesSecoesEGravacaoImediata)
{
    std::filesystem::remove(ArquivoDeConfiguracoes());
    {
        const CConfiguracoesQt configuracoes;
        EXPECT_EQ(configuracoes.LerInteiro("filtros", "m_max_quantidade_de_gols", 40), 40);
        EXPECT_EQ(configuracoes.LerTexto("dados", "path", ""), "");
        // Ler não cria nada.
        EXPECT_FALSE(std::filesystem::exists(ArquivoDeConfiguracoes()));
    }
    CConfiguracoesQt escrita;
    escrita.GravarInteiro("filtros", "m_bool_quantidade_de_gols", 1);
    escrita.GravarTexto("dados", "path", "/opt/quinaro ção");
    // Gravado na hora, no arquivo INI do formato nativo, com a seção como grupo.
    const std::string conteudo = LerBytes(ArquivoDeConfiguracoes());
    EXPECT_NE(conteudo.find("[filtros]"), std::string::npos);
    EXPECT_NE(conteudo.find("m_bool_quantidade_de_gols=1"), std::string::npos);

    const CConfiguracoesQt outra;
    EXPECT_EQ(outra.LerInteiro("filtros", "m_bool_quantidade_de_gols", 0), 1);
    EXPECT_EQ(outra.LerInteiro("impressao", "m_bool_quantidade_de_gols", 7), 7);
    EXPECT_EQ(outra.LerTexto("dados", "path", ""), "/opt/quinaro ção");
    // Um valor que não é inteiro vale o padrão.
    EXPECT_EQ(outra.LerInteiro("dados", "path", 3), 3);
}

// Um inteiro do INI fora da faixa do int conta como ausente (vale o padrão), nunca como
// o resto módulo 2^32; dentro da faixa, vale como está.
TEST(ConfiguracoesQt, InteiroForaDaFaixaValeOPadrao)
{
    const struct {
        const char* texto;
        int lido;
    } casos[] = {
        {"4294967329", 40},  {"-4294967263", 40}, {"2147483648", 40},         {"-2147483649", 40},
        {"99999999999999999999", 40},             {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"33", 33},          {"-5", -5},          {"0", 0},
    };
    // O QSettings guarda o arquivo lido enquanto a data e o tamanho não mudam: cada caso
    // leva uma data própria, senão dois textos do mesmo tamanho no mesmo segundo se confundem.
    auto data = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& caso : casos) {
        std::filesystem::create_directories(ArquivoDeConfiguracoes().parent_path());
        GravarBytes(ArquivoDeConfiguracoes(), std::string("[filtros]\nm_max_quantidade_de_gols=") + caso.texto + "\n");
        data += std::chrono::seconds(2);
        std::filesystem::last_write_time(ArquivoDeConfiguracoes(), data);
        EXPECT_EQ(CConfiguracoesQt().LerInteiro("filtros", "m_max_quantidade_de_gols", 40), caso.lido) << caso.texto;
    }
    std::filesystem::remove(ArquivoDeConfiguracoes());
}

// Sincronizar só diz que gravou quando o arquivo está completo no disco; pasta das
// configurações impossível de criar (o nome é de um arquivo) é falha, e nada se perde
// quando ela volta a ser possível.
TEST(ConfiguracoesQt, SincronizarDizSeGravou)
{
    const std::filesystem::path arquivo = ArquivoDeConfiguracoes();
    const std::filesystem::path pasta = arquivo.parent_path();
    std::filesystem::remove_all(pasta);
    GravarBytes(pasta, "ocupado");
    {
        CConfiguracoesQt configuracoes;
        configuracoes.GravarInteiro("filtros", "m_min_gols", 3);
        EXPECT_FALSE(configuracoes.Sincronizar());
    }
    std::filesystem::remove(pasta);
    CConfiguracoesQt configuracoes;
    configuracoes.GravarTexto("dados", "path", std::string(100000, 'p'));
    EXPECT_TRUE(configuracoes.Sincronizar());
    const std::string conteudo = LerBytes(arquivo);
    EXPECT_NE(conteudo.find("path=" + std::string(100000, 'p')), std::string::npos);
    EXPECT_EQ(CConfiguracoesQt().LerTexto("dados", "path", "").size(), 100000u);
}

TEST(PastasDoSistema, DocumentosEInstalacao)
{
    const CPastasDoSistema pastas;
    // Sem arquivo user-dirs, os documentos ficam em $HOME/Documents.
    EXPECT_EQ(pastas.PastaDeDocumentos(), std::filesystem::path(std::getenv("HOME")) / "Documents");
    // A pasta de instalação é a do executável (aqui, a dos testes).
    EXPECT_TRUE(std::filesystem::exists(pastas.PastaDeInstalacao() / "testes_platform"));
}

// Nem as pastas de configuração e dados do sistema (XDG_*_DIRS) escapam da pasta temporária.
TEST(AmbienteDosTestes, PastasDoUsuarioEDoSistemaFicamNaPastaTemporaria)
{
    const std::string casa = std::getenv("HOME");
    for (const auto tipo : {QStandardPaths::GenericConfigLocation, QStandardPaths::GenericDataLocation,
                            QStandardPaths::GenericCacheLocation})
        for (const QString& pasta : QStandardPaths::standardLocations(tipo))
            EXPECT_TRUE(pasta.toStdString().starts_with(casa)) << pasta.toStdString();
}

} // namespace

namespace {

TEST(ValoresDeInternetQt, GrupoProxyComoTextoEArquivoSoDoDono)
{
    struct SCaso {
        mode_t umask;
        const char* quando;
    };
    for (const SCaso& caso : {SCaso{0, "umask 000"}, SCaso{022, "umask 022"}, SCaso{077, "umask 077"}}) {
        std::filesystem::remove(ArquivoDeConfiguracoes());
        const mode_t anterior = ::umask(caso.umask);
        {
            CValoresDeInternetQt valores;
            valores.GravarValorInternet(kProxyUser, "ana");
            valores.GravarValorInternet(kProxyPassword, "s3gredo ç");
            CConfiguracoesQt().GravarTexto("dados", "servidor", "h:1");
        }
        ::umask(anterior);
        const auto permissoes = std::filesystem::status(ArquivoDeConfiguracoes()).permissions();
        EXPECT_EQ(permissoes, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write) << caso.quando;
        const std::string conteudo = LerBytes(ArquivoDeConfiguracoes());
        EXPECT_NE(conteudo.find("[Proxy]"), std::string::npos) << conteudo;
        const CValoresDeInternetQt relidos;
        EXPECT_EQ(relidos.LerValorInternet(kProxyUser), "ana");
        EXPECT_EQ(relidos.LerValorInternet(kProxyPassword), "s3gredo ç");
        EXPECT_EQ(relidos.LerValorInternet(kProxyEnable), "");
    }
    // Mais de 1023 bytes lê como vazio; 1023 cabe.
    CValoresDeInternetQt valores;
    valores.GravarValorInternet(kProxyUser, std::string(1023, 'a'));
    EXPECT_EQ(valores.LerValorInternet(kProxyUser).size(), 1023u);
    valores.GravarValorInternet(kProxyUser, std::string(1024, 'a'));
    EXPECT_EQ(valores.LerValorInternet(kProxyUser), "");
}

// Pastas que existem, relativas à pasta temporária, e de onde o executável roda.
struct SCasoDeInstalacao {
    const char* nome;
    std::vector<std::string> pastas;
    std::string executavel;
    std::string esperada;
};

class ConteudoDaInstalacao : public testing::TestWithParam<SCasoDeInstalacao> {};

TEST_P(ConteudoDaInstalacao, AchaAAjudaAoLadoOuEmShare)
{
    const SCasoDeInstalacao& caso = GetParam();
    const CPastaTemporaria raiz;
    for (const std::string& pasta : caso.pastas)
        std::filesystem::create_directories(raiz / pasta);
    EXPECT_EQ(CPastasDoSistema::ConteudoDaInstalacao(raiz / caso.executavel), raiz / caso.esperada);
}

INSTANTIATE_TEST_SUITE_P(
    Pastas, ConteudoDaInstalacao,
    testing::Values(
        // Na compilação: a ajuda ao lado do executável, mesmo havendo uma instalação ao lado.
        SCasoDeInstalacao{"Compilacao", {"build/bin/help", "build/share/quinaro"}, "build/bin", "build/bin"},
        // Instalado em qualquer prefixo.
        SCasoDeInstalacao{"Prefixo", {"usr/bin", "usr/share/quinaro/help"}, "usr/bin", "usr/share/quinaro"},
        SCasoDeInstalacao{"Realocado", {"opt/x/y/bin", "opt/x/y/share/quinaro"}, "opt/x/y/bin", "opt/x/y/share/quinaro"},
        // Sem nenhum dos dois: a do executável, como sempre foi.
        SCasoDeInstalacao{"Solto", {"solto"}, "solto", "solto"}),
    [](const testing::TestParamInfo<SCasoDeInstalacao>& info) { return std::string(info.param.nome); });

TEST(ConteudoDaInstalacao, SemExecutavelConhecidoFicaVazio)
{
    EXPECT_EQ(CPastasDoSistema::ConteudoDaInstalacao({}), std::filesystem::path());
}

} // namespace
