#include "results/ResultadosDoUsuario.h"

#include "core/ArquivoDanificado.h"
#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "core/ErroAoAbrirArquivo.h"
#include "tests/support/PastaTemporaria.h"
#include "core/Pastas.h"

#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;

namespace {

class ResultadosDoUsuario : public testing::Test {
protected:
    CPastaTemporaria raiz;
    const CPastasFixas pastas{raiz / "Documentos", raiz / "Instalacao"};
    const fs::path arquivo = raiz / "Documentos" / "Quinaro Professional" / "resultados" / "Varenta.dat";
};

// Quem só lê os resultados distingue pelo tipo do erro, não pelo texto: o arquivo que não
// abre (aviso do próprio programa) e o danificado (falha do comando, com o caminho).
TEST_F(ResultadosDoUsuario, ArquivoQueNaoAbreEDanificadoSaoErrosDeTiposDiferentes)
{
    enum class EEsperado { Lido, NaoAbre, Danificado };
    const struct {
        const char* nome;
        std::function<void()> preparar;
        EEsperado esperado;
        std::string mensagem;
    } casos[] = {
        {"sem arquivo", [] {}, EEsperado::NaoAbre, "Erro ao Abrir Arquivo"},
        {"pasta no lugar", [&] { fs::create_directories(arquivo); }, EEsperado::NaoAbre, "Erro ao Abrir Arquivo"},
        {"vazio", [&] { GravarBytes(arquivo, ""); }, EEsperado::Danificado,
         "Attempted to access " + arquivo.string() + " past its end."},
        {"sem registros", [&] { GravarBytes(arquivo, std::string(2, '\0')); }, EEsperado::Lido, ""},
    };
    for (const auto& caso : casos) {
        fs::remove_all(arquivo);
        fs::create_directories(arquivo.parent_path());
        caso.preparar();
        try {
            // As duas entradas, pelas pastas e pelo caminho, são a mesma leitura.
            EXPECT_TRUE(LerResultadosDoUsuario(pastas).empty()) << caso.nome;
            EXPECT_TRUE(LerResultadosDoUsuario(arquivo).empty()) << caso.nome;
            EXPECT_EQ(caso.esperado, EEsperado::Lido) << caso.nome;
        } catch (const CErroAoAbrirArquivo& erro) {
            EXPECT_EQ(caso.esperado, EEsperado::NaoAbre) << caso.nome;
            EXPECT_EQ(erro.what(), caso.mensagem) << caso.nome;
            EXPECT_EQ(erro.Caminho(), arquivo) << caso.nome;
        } catch (const CArquivoDanificado& erro) {
            EXPECT_EQ(caso.esperado, EEsperado::Danificado) << caso.nome;
            EXPECT_EQ(erro.what(), caso.mensagem) << caso.nome;
        }
    }
}

TEST_F(ResultadosDoUsuario, LeOsRegistrosNaOrdemDoArquivo)
{
    CListaDeResultados lista;
    for (int concurso : {30, 10, 20}) {
        lista.push_back(std::make_unique<CResultadoVarenta>());
        lista.back()->m_concurso = concurso;
        for (int jogo = 0; jogo < 5; ++jogo) {
            auto placar = std::make_unique<CScore>();
            placar->m_jogo = static_cast<int16_t>(jogo);
            placar->m_time1[0] = placar->m_time2[0] = 1;
            lista.back()->m_scores.push_back(std::move(placar));
        }
    }
    ASSERT_TRUE(GravarArquivoDeResultados(CaminhoDeDados(pastas, kArquivoDeResultados), lista));
    std::vector<int> lidos;
    for (const auto& resultado : LerResultadosDoUsuario(pastas))
        lidos.push_back(resultado->m_concurso);
    EXPECT_EQ(lidos, (std::vector<int>{30, 10, 20}));
}

} // namespace
