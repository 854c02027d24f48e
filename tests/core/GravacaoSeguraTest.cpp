#include "core/GravacaoSegura.h"

#include "core/ErroAoSalvarArquivo.h"
#include "tests/support/TravaEmOutroProcesso.h"

#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>
#include <string>

#include <cerrno>
#include <utility>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

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
    const CResultadoDaGravacao gravacao = GravarComSeguranca(arquivo, [](std::ostream& saida) {
        saida << "metade";
        throw std::runtime_error("falhou");
    });
    EXPECT_FALSE(gravacao);
    EXPECT_EQ(gravacao.Erro(), std::errc::io_error);
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
    const CResultadoDaGravacao sem_pasta =
        GravarComSeguranca(pasta / "nao" / "existe.bin", [](std::ostream& saida) { saida << "x"; });
    EXPECT_FALSE(sem_pasta);
    EXPECT_EQ(sem_pasta.Erro(), std::errc::no_such_file_or_directory);
}

mode_t MascaraDoProcesso()
{
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return mascara;
}

fs::perms PermissoesDeSempre()
{
    return static_cast<fs::perms>(0666 & ~MascaraDoProcesso());
}

// Um link plantado no lugar do destino não empresta as permissões do alvo (nem o
// set-uid): o destino vira um arquivo comum com as permissões de sempre, e o alvo fica
// como estava. De um arquivo comum só passam as permissões rwx.
TEST_F(GravacaoSegura, LinkNoDestinoNaoEmprestaPermissoesNemSetUid)
{
    const fs::path alvo = pasta / "alvo";
    GravarBytes(alvo, "alvo");
    ASSERT_EQ(::chmod(alvo.c_str(), 04755), 0);
    fs::remove(arquivo);
    fs::create_symlink(alvo, arquivo);

    ASSERT_TRUE(GravarComSeguranca(arquivo, [](std::ostream& saida) { saida << "novo"; }));
    EXPECT_FALSE(fs::is_symlink(arquivo));
    EXPECT_EQ(fs::status(arquivo).permissions(), PermissoesDeSempre());
    EXPECT_EQ(LerBytes(alvo), "alvo");
    EXPECT_EQ(fs::status(alvo).permissions() & fs::perms::mask, static_cast<fs::perms>(04755));

    ASSERT_EQ(::chmod(arquivo.c_str(), 06750), 0);
    ASSERT_TRUE(GravarComSeguranca(arquivo, [](std::ostream& saida) { saida << "de novo"; }));
    EXPECT_EQ(fs::status(arquivo).permissions() & fs::perms::mask, static_cast<fs::perms>(0750));
}

// Temporários de uma gravação morta no meio somem na próxima gravação do mesmo arquivo;
// o de uma gravação viva (travado por outro processo) e os de outros arquivos ficam.
TEST_F(GravacaoSegura, TemporarioAbandonadoSomeNaProximaGravacao)
{
    const std::vector<std::string> abandonados = {".dados.bin.123.tmp", ".dados.bin.18446744073709551615.tmp"};
    const std::vector<std::string> alheios = {".outro.bin.789.tmp", ".dados.bin.abc.tmp", ".dados.bin..tmp",
                                              "dados.bin.123.tmp", ".dados.bin.123.tmp.bak"};
    for (const auto& nome : abandonados)
        GravarBytes(pasta / nome, "metade");
    for (const auto& nome : alheios)
        GravarBytes(pasta / nome, "alheio");
    const CTravaEmOutroProcesso vivo(pasta / ".dados.bin.456.tmp");

    ASSERT_TRUE(GravarComSeguranca(arquivo, [](std::ostream& saida) { saida << "novo"; }));
    EXPECT_EQ(LerBytes(arquivo), "novo");
    for (const auto& nome : abandonados)
        EXPECT_FALSE(fs::exists(pasta / nome)) << nome;
    for (const auto& nome : alheios)
        EXPECT_EQ(LerBytes(pasta / nome), "alheio") << nome;
    EXPECT_TRUE(fs::exists(pasta / ".dados.bin.456.tmp"));
}

TEST(MotivoDaFalhaDeGravacao, CadaErroEmPortugues)
{
    const std::pair<int, const char*> casos[] = {
        {ENOSPC, "sem espaço no disco"},   {EACCES, "sem permissão"},
        {EPERM, "sem permissão"},          {EROFS, "disco somente leitura"},
        {ENOENT, "pasta não existe"},      {EIO, "não foi possível gravar"},
        {EISDIR, "não foi possível gravar"},
    };
    for (const auto& [numero, texto] : casos) {
        EXPECT_EQ(MotivoDaFalhaDeGravacao({numero, std::generic_category()}), texto) << numero;
        EXPECT_EQ(MotivoDaFalhaDeGravacao({numero, std::system_category()}), texto) << numero;
    }
    const CErroAoSalvarArquivo erro("/tmp/x/a.vrt", {ENOSPC, std::generic_category()});
    EXPECT_STREQ(erro.what(), "Erro ao Salvar Arquivo: /tmp/x/a.vrt: sem espaço no disco");
    EXPECT_EQ(erro.Caminho(), "/tmp/x/a.vrt");
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
    const bool gravou = static_cast<bool>(GravarComSeguranca("dados.bin", [](std::ostream& saida) { saida << "novo"; }));
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
    const CResultadoDaGravacao gravacao =
        GravarComSeguranca(arquivo, [](std::ostream& saida) { saida << std::string(1 << 20, 'x'); });
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, sinal_antes);
    EXPECT_FALSE(gravacao);
    // O erro da escrita que falhou chega a quem gravou.
    EXPECT_EQ(gravacao.Erro(), std::errc::file_too_large);
    EXPECT_EQ(LerBytes(arquivo), "antigo");
    EXPECT_EQ(ItensNaPasta(), 1);
}

} // namespace
