#include "results/CaminhoDeDados.h"

#include "core/ErroDoUsuario.h"
#include "tests/support/PastaTemporaria.h"
#include "core/Pastas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

namespace {

class CaminhoDeDadosTest : public testing::Test {
protected:
    CPastaTemporaria raiz;
    const fs::path documentos = raiz / "Documentos";
    const fs::path instalacao = raiz / "Instalacao";
    const fs::path dados = documentos / "Quinaro Professional";
};

TEST_F(CaminhoDeDadosTest, PrimeiroUsoCriaAsPastasECopiaOArquivoInstalado)
{
    fs::create_directories(documentos);
    fs::create_directories(instalacao / "resultados");
    GravarBytes(instalacao / "resultados" / "Varenta.dat", "semente");
    const CPastasFixas pastas(documentos, instalacao);

    const fs::path caminho = CaminhoDeDados(pastas, kArquivoDeResultados);
    EXPECT_EQ(caminho, dados / "resultados" / "Varenta.dat");
    EXPECT_EQ(LerBytes(caminho), "semente");

    // Já existe a cópia do usuário: nada é copiado, mesmo com a instalada mais nova.
    GravarBytes(caminho, "do usuário");
    GravarBytes(instalacao / "resultados" / "Varenta.dat", "semente nova");
    EXPECT_EQ(CaminhoDeDados(pastas, kArquivoDeResultados), caminho);
    EXPECT_EQ(LerBytes(caminho), "do usuário");
}

TEST_F(CaminhoDeDadosTest, SemSementeSoCriaAsPastas)
{
    const CPastasFixas pastas(documentos, instalacao);
    const fs::path caminho = CaminhoDeDados(pastas, "relatorios\\Varenta.htm");
    EXPECT_EQ(caminho, dados / "relatorios" / "Varenta.htm");
    EXPECT_TRUE(fs::is_directory(dados / "relatorios"));
    EXPECT_FALSE(fs::exists(caminho));
}

TEST_F(CaminhoDeDadosTest, InstalacaoDesconhecidaNaoSemeiaDaPastaAtual)
{
    // Com a pasta de instalação vazia, "resultados\Varenta.dat" relativo à pasta atual
    // não pode servir de semente.
    fs::create_directories(raiz / "atual" / "resultados");
    GravarBytes(raiz / "atual" / "resultados" / "Varenta.dat", "qualquer");
    const fs::path antes = fs::current_path();
    fs::current_path(raiz / "atual");
    const fs::path caminho = CaminhoDeDados(CPastasFixas(documentos, {}), kArquivoDeResultados);
    fs::current_path(antes);
    EXPECT_FALSE(fs::exists(caminho));
}

TEST_F(CaminhoDeDadosTest, SemPastaDeDocumentosUsaAPastaPessoal)
{
    const fs::path casa = std::getenv("HOME");
    const fs::path caminho = CaminhoDeDados(CPastasFixas({}, instalacao), kArquivoDeResultados);
    EXPECT_EQ(caminho, casa / "Quinaro Professional" / "resultados" / "Varenta.dat");
    EXPECT_TRUE(fs::is_directory(caminho.parent_path()));

    const std::string guardada = casa.string();
    unsetenv("HOME");
    EXPECT_THROW(CaminhoDeDados(CPastasFixas({}, instalacao), kArquivoDeResultados), CErroDoUsuario);
    setenv("HOME", guardada.c_str(), 1);
}

} // namespace
