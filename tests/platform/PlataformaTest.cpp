#include "ConfiguracoesQt.h"
#include "PastasDoSistema.h"
#include "PastaTemporaria.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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
