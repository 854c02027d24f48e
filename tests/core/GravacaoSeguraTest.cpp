#include "core/GravacaoSegura.h"

#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>
#include <string>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

class GravacaoSegura : public testing::Test {
protected:
    void SetUp() override { GravarBytes(arquivo, "antigo"); }

    // Só o arquivo (ou pasta) do teste: nenhum temporário sobrou.
    long ItensNaPasta() const { return std::distance(fs::directory_iterator(pasta.Caminho()), {}); }

    CPastaTemporaria pasta;
    const fs::path arquivo = pasta / "dados.bin";
};

TEST_F(GravacaoSegura, SubstituiInteiroEMantemAsPermissoes)
{
    fs::permissions(arquivo, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(GravarComSeguranca(arquivo, [](std::ostream& saida) { saida << "novo"; }));
    EXPECT_EQ(LerBytes(arquivo), "novo");
    EXPECT_EQ(fs::status(arquivo).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(GravarComSeguranca(pasta / "outro.bin", [](std::ostream& saida) { saida << "x"; }));
    EXPECT_EQ(LerBytes(pasta / "outro.bin"), "x");
    EXPECT_EQ(ItensNaPasta(), 2);
}

TEST_F(GravacaoSegura, FalhaNoMeioDaGravacaoDeixaOAntigo)
{
    EXPECT_FALSE(GravarComSeguranca(arquivo, [](std::ostream& saida) {
        saida << "metade";
        throw std::runtime_error("falhou");
    }));
    EXPECT_EQ(LerBytes(arquivo), "antigo");
    EXPECT_EQ(ItensNaPasta(), 1);
}

TEST_F(GravacaoSegura, DestinoOcupadoPorPastaOuPastaInexistente)
{
    fs::remove(arquivo);
    fs::create_directory(arquivo);
    EXPECT_FALSE(GravarComSeguranca(arquivo, [](std::ostream& saida) { saida << "novo"; }));
    EXPECT_TRUE(fs::is_directory(arquivo));
    EXPECT_EQ(ItensNaPasta(), 1);
    EXPECT_FALSE(GravarComSeguranca(pasta / "nao" / "existe.bin", [](std::ostream& saida) { saida << "x"; }));
}

// O conteúdo chega inteiro e na ordem, escrito aos poucos ou de uma vez, maior ou menor
// que o espaço intermediário da escrita.
TEST_F(GravacaoSegura, ConteudoCompletoEmQualquerTamanho)
{
    struct SCaso {
        const char* quando;
        size_t tamanho;
        bool aos_poucos;
    };
    for (const SCaso& caso : {SCaso{"vazio", 0, false}, SCaso{"um byte", 1, true},
                              SCaso{"64 KiB exatos", 64 * 1024, true},
                              SCaso{"3 MiB e 7 bytes de uma vez", (3 << 20) + 7, false},
                              SCaso{"200 KiB e 3 bytes aos poucos", 200 * 1024 + 3, true}}) {
        std::string esperado(caso.tamanho, '\0');
        for (size_t i = 0; i < esperado.size(); ++i)
            esperado[i] = static_cast<char>(i * 131 % 251);
        ASSERT_TRUE(GravarComSeguranca(arquivo, [&](std::ostream& saida) {
            if (!caso.aos_poucos) {
                saida.write(esperado.data(), static_cast<std::streamsize>(esperado.size()));
                return;
            }
            for (size_t i = 0; i < esperado.size(); i += 1000)
                saida << esperado.substr(i, 1000);
        })) << caso.quando;
        EXPECT_EQ(LerBytes(arquivo), esperado) << caso.quando;
        EXPECT_EQ(ItensNaPasta(), 1) << caso.quando;
    }
}

// Destino sem pasta no nome: a pasta levada ao disco é a atual.
TEST_F(GravacaoSegura, DestinoRelativoNaPastaAtual)
{
    const fs::path antes = fs::current_path();
    fs::current_path(pasta.Caminho());
    const bool gravou = GravarComSeguranca("dados.bin", [](std::ostream& saida) { saida << "novo"; });
    fs::current_path(antes);
    EXPECT_TRUE(gravou);
    EXPECT_EQ(LerBytes(arquivo), "novo");
    EXPECT_EQ(ItensNaPasta(), 1);
}

TEST_F(GravacaoSegura, LevarAoDiscoArquivoOuPasta)
{
    EXPECT_TRUE(LevarAoDisco(arquivo));
    EXPECT_TRUE(LevarAoDisco(pasta.Caminho()));
    EXPECT_FALSE(LevarAoDisco(pasta / "nao-existe"));
    EXPECT_EQ(LerBytes(arquivo), "antigo");
}

// Disco cheio simulado pelo limite de tamanho de arquivo do processo (vale também como root).
TEST_F(GravacaoSegura, DiscoCheioDeixaOAntigo)
{
    rlimit antes{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
    const auto sinal_antes = std::signal(SIGXFSZ, SIG_IGN);
    rlimit pequeno = antes;
    pequeno.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    const bool gravou = GravarComSeguranca(arquivo, [](std::ostream& saida) { saida << std::string(1 << 20, 'x'); });
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, sinal_antes);
    EXPECT_FALSE(gravou);
    EXPECT_EQ(LerBytes(arquivo), "antigo");
    EXPECT_EQ(ItensNaPasta(), 1);
}

} // namespace
