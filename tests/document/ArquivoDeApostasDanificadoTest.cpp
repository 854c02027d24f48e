#include "document/ArquivoDeApostas.h"

#include "core/ArquivoDanificado.h"
#include "tests/support/BytesHex.h"
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "tests/document/DocumentosDeTeste.h"
#include "core/ErroDoUsuario.h"
#include "core/LeitorDeArquivo.h"
#include "tests/support/PastaTemporaria.h"
#include "core/ScoreGrupo.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

using namespace posicao;
constexpr size_t kEstados = 0;

class ArquivoDanificado : public testing::Test {
protected:
    // Lê os bytes como arquivo: verdadeiro se leu; falso com a mensagem de formato.
    // Qualquer outra saída é falha do teste.
    bool Leu(const std::string& bytes, const std::string& nome)
    {
        GravarBytes(arquivo, bytes);
        try {
            LerArquivoDeApostas(arquivo);
            return true;
        } catch (const CArquivoDanificado& erro) {
            EXPECT_STREQ(erro.what(), "Unexpected file format.") << nome;
        } catch (const std::exception& erro) {
            ADD_FAILURE() << nome << ": " << erro.what();
        }
        return false;
    }

    static std::string Trocar(std::string bytes, size_t posicao, size_t tamanho, const std::string& hex)
    {
        return bytes.replace(posicao, tamanho, BytesDoHex(hex));
    }

    CPastaTemporaria pasta;
    const fs::path arquivo = pasta / "danificado.vrt";
    const std::string gerado = FixtureHex("document/fixtures/documento_gerado.hex");
};

TEST_F(ArquivoDanificado, CadaDefeitoDaUnexpectedFileFormat)
{
    ASSERT_TRUE(Leu(gerado, "original"));
    const std::string& g = gerado;
    struct Caso {
        const char* nome;
        std::string bytes;
    };
    const Caso casos[] = {
        {"vazio", ""},
        {"cortado no quadro", g.substr(0, 100)},
        {"cortado no último cartão", g.substr(0, g.size() - 1)},
        {"estado de célula 3", Trocar(g, kEstados + 2, 2, "03 00")},
        {"estado de célula 0xFFFF", Trocar(g, kEstados + 48, 2, "ff ff")},
        {"texto maior que o arquivo", Trocar(g, 50, 1, "ff fe ff")},
        {"tabela anuncia mais células", Trocar(g, kTabela, 2, "ff ff ff ff ff 7f")},
        {"célula nula na tabela", Trocar(g, kCelula(1), 2, "00 00")},
        {"esquema da classe CScore", Trocar(g, kCelula(0) + 2, 2, "01 00")},
        {"outra classe na tabela", Trocar(g, kCelula(1), 2, "7f 80")},
        {"classe desconhecida", Trocar(g, kCelula(0) + 6, 6, "\"CScorf\"")},
        {"chave nula", Trocar(g, kChaves + 2, 40, "00 00")},
        {"a mesma chave duas vezes", Trocar(g, kChaves, 2, "02 00").insert(kCartoes, BytesDoHex("80 00"))},
        {"célula no lugar da chave", Trocar(g, kChaves + 2, 40, "10 00")},
        {"chave com grupos demais", Trocar(g, kCartoes - 2, 2, "ff ff ff ff ff 7f")},
        {"nome da chave enorme", Trocar(g, kChaves + 18, 2, "ff ff ff ff ff ff 7f")},
        {"quantidade de cartões negativa", Trocar(g, kCartoes, 4, "ff ff ff ff")},
        {"mais cartões que bytes", Trocar(g, kCartoes, 4, "ff ff ff 7f")},
        {"cartão com 4 entradas", Trocar(g, kPrimeiroCartao, 4, "04 00 00 00")},
        {"cartão com 6 entradas", Trocar(g, kPrimeiroCartao, 4, "06 00 00 00") + BytesDoHex("10 00")},
        {"cartão com -1 entradas", Trocar(g, kPrimeiroCartao, 4, "ff ff ff ff")},
        {"entrada nula", Trocar(g, kPrimeiroCartao + 6, 2, "00 00")},
        {"entrada que é a chave", Trocar(g, kPrimeiroCartao + 6, 2, "80 00")},
        {"entrada que é uma classe", Trocar(g, kPrimeiroCartao + 6, 2, "01 80")},
        {"entrada além dos objetos lidos", Trocar(g, kPrimeiroCartao + 6, 2, "00 10")},
        {"entrada com índice longo inexistente", Trocar(g, kPrimeiroCartao + 6, 2, "ff 7f ff ff ff 7f")},
        {"entrada do jogo 7", Trocar(g, kCelula(14) + 4, 2, "07 00")},
        {"entrada do jogo -1", Trocar(g, kCelula(14) + 4, 2, "ff ff")},
    };
    for (const Caso& caso : casos)
        EXPECT_FALSE(Leu(caso.bytes, caso.nome)) << caso.nome;
}

// Cortes e trocas de byte em toda posição de arquivos válidos: ou lê, ou dá erro de
// formato; nunca quebra nem trava. Um dos arquivos tem grupos nas chaves e células
// inteiras dentro dos cartões (gravado depois de lido). Lido da memória, pela mesma
// leitura do arquivo, para caber em tempo de teste comum.
bool LeuDaMemoria(const std::string& bytes)
{
    std::istringstream entrada(bytes);
    CLeitorDeArquivo ar(entrada, bytes.size());
    CVarentaDoc documento;
    try {
        documento.Serialize(ar);
        return true;
    } catch (const CErroDeFormato&) {
        return false;
    }
}

TEST_F(ArquivoDanificado, CortesETrocasEmTodaPosicao)
{
    auto documento = DocumentoGerado();
    const auto& tabela = CCartaoCheio::Instancia();
    CScoreGrupo favoritos;
    CScoreGrupo alternativas;
    favoritos.m_jogo = alternativas.m_jogo = 1;
    favoritos.m_scores = {tabela.Celula(1, 14)};
    alternativas.m_scores = {tabela.Celula(1, 0)};
    favoritos.m_alternativas = &alternativas;
    documento->m_chaves[0]->m_grupos = {&favoritos};
    GravarArquivoDeApostas(*documento, arquivo);
    GravarArquivoDeApostas(*LerArquivoDeApostas(arquivo), arquivo);
    const std::string comGrupos = LerBytes(arquivo);

    for (const std::string* original : {&gerado, &comGrupos}) {
        ASSERT_TRUE(LeuDaMemoria(*original));
        for (size_t p = 0; p < original->size(); ++p) {
            EXPECT_FALSE(LeuDaMemoria(original->substr(0, p))) << p;
            const unsigned char b = static_cast<unsigned char>((*original)[p]);
            for (int troca : {0x00, 0xFF, b ^ 0x01, b ^ 0x80}) {
                std::string bytes = *original;
                bytes[p] = static_cast<char>(troca);
                EXPECT_NO_THROW(LeuDaMemoria(bytes)) << p;
            }
        }
    }
}

} // namespace
