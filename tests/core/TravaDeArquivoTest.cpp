#include "core/TravaDeArquivo.h"

#include "tests/support/PastaTemporaria.h"
#include "tests/support/TravaEmOutroProcesso.h"

#include <gtest/gtest.h>

#include <optional>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr const char* kEmUso = "O arquivo de teste está em uso por outro programa.";

TEST(TravaDeArquivo, EsperaPadraoDeDezSegundos)
{
    EXPECT_EQ(kEsperaPelaTrava, 10s);
}

TEST(TravaDeArquivo, ArquivoDaTravaAoLadoEFicaDepois)
{
    CPastaTemporaria pasta;
    {
        const CTravaDeArquivo trava(pasta / "Varenta.dat", kEmUso);
        EXPECT_TRUE(fs::is_regular_file(pasta / "Varenta.dat.lock"));
        EXPECT_FALSE(fs::exists(pasta / "Varenta.dat"));
    }
    // Solta ao sair: a próxima trava não espera.
    const CTravaDeArquivo outra(pasta / "Varenta.dat", kEmUso, 0ms);
    EXPECT_TRUE(fs::exists(pasta / "Varenta.dat.lock"));
}

TEST(TravaDeArquivo, OutroProcessoComATravaFazEsperarEFalhar)
{
    CPastaTemporaria pasta;
    std::optional<CTravaEmOutroProcesso> outro;
    outro.emplace(pasta / "Varenta.dat.lock");
    try {
        const CTravaDeArquivo trava(pasta / "Varenta.dat", kEmUso, 200ms);
        FAIL() << "travou um arquivo já travado";
    } catch (const CArquivoEmUso& erro) {
        EXPECT_STREQ(erro.what(), kEmUso);
    }
    // Solto pelo outro, a trava vem.
    outro.reset();
    const CTravaDeArquivo trava(pasta / "Varenta.dat", kEmUso, 200ms);
}

// Duas travas do mesmo processo também se excluem (cada uma abre o arquivo): a segunda
// espera e falha, sem travar para sempre.
TEST(TravaDeArquivo, SegundaTravaNoMesmoProcessoTambemEspera)
{
    CPastaTemporaria pasta;
    const CTravaDeArquivo primeira(pasta / "a.vrt", kEmUso);
    EXPECT_THROW(CTravaDeArquivo(pasta / "a.vrt", kEmUso, 50ms), CArquivoEmUso);
    // Outro arquivo na mesma pasta não espera.
    const CTravaDeArquivo outro(pasta / "b.vrt", kEmUso, 0ms);
}

// Sem como criar o arquivo da trava, segue sem ela: a gravação dirá o que falhou.
TEST(TravaDeArquivo, PastaQueNaoExisteNaoTrava)
{
    CPastaTemporaria pasta;
    const CTravaDeArquivo trava(pasta / "nao" / "existe.dat", kEmUso, 0ms);
    EXPECT_FALSE(fs::exists(pasta / "nao"));
}

} // namespace
