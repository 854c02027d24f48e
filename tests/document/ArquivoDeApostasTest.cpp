#include "document/ArquivoDeApostas.h"

#include "tests/support/BytesHex.h"
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "tests/document/DocumentosDeTeste.h"
#include "core/ErroAoAbrirArquivo.h"
#include "core/ErroAoSalvarArquivo.h"
#include "core/PrecoDaAposta.h"
#include "core/TravaDeArquivo.h"
#include "tests/support/TravaEmOutroProcesso.h"
#include "tests/support/PastaTemporaria.h"
#include "core/ScoreGrupo.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr size_t kTabelaDoNovo = 5 * 53 + 17;  // quadro e números de um documento novo

class ArquivoDeApostas : public testing::Test {
protected:
    std::string Gravado(const CVarentaDoc& documento)
    {
        GravarArquivoDeApostas(documento, arquivo);
        return LerBytes(arquivo);
    }

    std::unique_ptr<CVarentaDoc> Lido(const std::string& bytes)
    {
        GravarBytes(arquivo, bytes);
        return LerArquivoDeApostas(arquivo);
    }

    CPastaTemporaria pasta;
    const fs::path arquivo = pasta / "apostas.vrt";
    const std::string gerado = FixtureHex("document/fixtures/documento_gerado.hex");
};

TEST_F(ArquivoDeApostas, GravaODocumentoGeradoComoDescritoAMao)
{
    ASSERT_EQ(gerado.size(), posicao::kTamanho);
    EXPECT_EQ(Gravado(*DocumentoGerado()), gerado);
}

TEST_F(ArquivoDeApostas, LeOArquivoFeitoAMao)
{
    const auto documento = Lido(gerado);
    ExpectMesmoDocumento(*documento, *DocumentoGerado());
    EXPECT_EQ(documento->m_resumo, "Ação");
    // As entradas dos cartões são as células lidas do próprio arquivo.
    ASSERT_EQ(documento->m_tabela_lida.size(), 125u);
    for (int i = 0; i < 125; ++i) {
        EXPECT_TRUE(documento->m_tabela_lida[i]->MesmoPlacar(CCartaoCheio::Instancia().Celulas()[i])) << i;
        EXPECT_EQ(documento->m_tabela_lida[i]->m_jogo, i / 25);
    }
    const CVolante segundo = documento->m_volantes.Cartao(documento->m_volantes.Quantidade() - 1);
    EXPECT_EQ(segundo.m_scores[0], documento->m_tabela_lida[13]);
    EXPECT_EQ(segundo.m_scores[4], documento->m_tabela_lida[4 * 25 + 14]);
    EXPECT_EQ(documento->m_indice_atual, 0);
    EXPECT_EQ(documento->m_tem_volantes, 1);
    EXPECT_EQ(documento->m_chaves[0].use_count(), 1);
}

TEST_F(ArquivoDeApostas, DocumentoNovoSemCartoes)
{
    CVarentaDoc novo;
    ASSERT_TRUE(novo.OnNewDocument());
    const std::string bytes = Gravado(novo);
    constexpr size_t kTamanhoDaTabela = posicao::kChaves - posicao::kTabela;
    ASSERT_EQ(bytes.size(), kTabelaDoNovo + kTamanhoDaTabela + 2 + 4);
    EXPECT_EQ(bytes.substr(0, kTabelaDoNovo), std::string(kTabelaDoNovo, '\0')); // tudo zero, textos vazios
    // A tabela é a mesma em todo arquivo gravado a partir da tabela cheia.
    EXPECT_EQ(bytes.substr(kTabelaDoNovo, kTamanhoDaTabela), gerado.substr(posicao::kTabela, kTamanhoDaTabela));
    EXPECT_EQ(bytes.substr(kTabelaDoNovo + kTamanhoDaTabela), std::string(6, '\0')); // nenhuma chave, nenhum cartão

    const auto lido = LerArquivoDeApostas(arquivo);
    EXPECT_EQ(lido->m_indice_atual, -1);
    EXPECT_EQ(lido->m_tem_volantes, 0);
    EXPECT_EQ(lido->m_volantes.Quantidade(), 0);
    ExpectMesmoDocumento(*lido, novo);
}

TEST_F(ArquivoDeApostas, SalvarLerESalvarDeNovo)
{
    const auto lido = Lido(gerado);
    // Os cartões agora apontam para as células lidas, não para a tabela cheia: cada
    // célula usada vai inteira no primeiro uso (6 células, 24 bytes a mais cada).
    const std::string segundo = Gravado(*lido);
    EXPECT_EQ(segundo.size(), gerado.size() + 6 * 24);
    EXPECT_EQ(segundo.substr(0, posicao::kChaves), gerado.substr(0, posicao::kChaves));

    const auto relido = LerArquivoDeApostas(arquivo);
    ExpectMesmoDocumento(*relido, *lido);
    ExpectMesmoDocumento(*relido, *DocumentoGerado());
    EXPECT_EQ(relido->m_indice_atual, 0);
    EXPECT_EQ(Gravado(*relido), segundo);
}

TEST_F(ArquivoDeApostas, TextosReservadosVoltamComoVieram)
{
    // Textos reservados do jogo 1 postos à mão: "x" e "Ç" (C7 em Windows-1252).
    std::string bytes = gerado;
    bytes.replace(52, 2, BytesDoHex("01 78 01 c7"));
    const auto lido = Lido(bytes);
    EXPECT_EQ(lido->m_textos_reservados[0], "x");
    EXPECT_EQ(lido->m_textos_reservados[1], "Ç");
    EXPECT_EQ(Gravado(*lido).substr(0, posicao::kTabela + 4), bytes.substr(0, posicao::kTabela + 4));
}

TEST_F(ArquivoDeApostas, TextosDe255OuMaisUsamOPrefixoLongo)
{
    auto documento = DocumentoGerado();
    for (size_t i = 0; i < documento->m_textos_reservados.size(); ++i)
        documento->m_textos_reservados[i] = "r" + std::to_string(i);
    documento->m_chaves[0]->m_nome = std::string(300, 'k');
    documento->m_chave_do_jogo[0] = documento->m_chave_do_jogo[1] = documento->m_chaves[0]->m_nome;
    documento->m_chave_do_jogo[2] = std::string(254, 'c');
    std::string resumo;
    for (int i = 0; i < 255; ++i)
        resumo += "é";
    documento->m_resumo = resumo;
    const std::string bytes = Gravado(*documento);
    EXPECT_NE(bytes.find(BytesDoHex("ff ff 00") + std::string(255, '\xE9')), std::string::npos);
    EXPECT_NE(bytes.find(BytesDoHex("ff 2c 01") + std::string(300, 'k')), std::string::npos);
    EXPECT_NE(bytes.find(BytesDoHex("fe") + std::string(254, 'c')), std::string::npos);
    ExpectMesmoDocumento(*LerArquivoDeApostas(arquivo), *documento);
}

TEST_F(ArquivoDeApostas, ChaveGravadaComGruposVoltaComEles)
{
    // Um documento salvo no meio de uma geração leva os grupos das chaves.
    const auto& tabela = CCartaoCheio::Instancia();
    auto documento = DocumentoGerado();
    CScoreGrupo favoritos;
    CScoreGrupo alternativas;
    favoritos.m_jogo = alternativas.m_jogo = 1;
    favoritos.m_scores = {tabela.Celula(1, 14)};
    alternativas.m_scores = {tabela.Celula(1, 0), tabela.Celula(1, 3)};
    favoritos.m_alternativas = &alternativas;
    documento->m_chaves[0]->m_grupos = {&favoritos};
    documento->m_chaves.push_back(std::make_shared<CChave>("B"));
    GravarArquivoDeApostas(*documento, arquivo);

    auto lido = LerArquivoDeApostas(arquivo);
    ExpectMesmoDocumento(*lido, *documento);
    const CScoreGrupo* grupo = lido->m_chaves[0]->m_grupos.at(0);
    EXPECT_EQ(grupo->m_scores.at(0), lido->m_tabela_lida[25 + 14]);
    EXPECT_EQ(grupo->m_alternativas->m_scores.at(1), lido->m_tabela_lida[25 + 3]);

    // A chave é compartilhada com a tela e pode durar mais que o documento; os grupos
    // que o arquivo trouxe, não.
    const std::shared_ptr<CChave> chave = lido->m_chaves[0];
    ExpectMesmoDocumento(*Lido(Gravado(*lido)), *documento);
    lido.reset();
    EXPECT_TRUE(chave->m_grupos.empty());
}

TEST_F(ArquivoDeApostas, ArquivoQueNaoAbre)
{
    for (const fs::path& caminho : {pasta / "nao_existe.vrt", pasta.Caminho()}) {
        try {
            LerArquivoDeApostas(caminho);
            ADD_FAILURE() << caminho;
        } catch (const CErroAoAbrirArquivo& erro) {
            EXPECT_STREQ(erro.what(), "Failed to open document.");
            EXPECT_EQ(erro.Caminho(), caminho);
        }
    }
}

// A falha diz o caminho e o motivo em português; nada do que existia se estraga.
TEST_F(ArquivoDeApostas, FalhaAoSalvarDizPorQueENaoEstragaNada)
{
    // Como root as permissões não impedem a gravação; um nome ocupado por uma pasta, sim.
    GravarBytes(arquivo, gerado);
    fs::create_directory(pasta / "ocupado.vrt");
    const std::pair<fs::path, std::string> casos[] = {
        {pasta / "ocupado.vrt", "não foi possível gravar"},
        {pasta / "sem_pasta" / "a.vrt", "pasta não existe"},
    };
    for (const auto& [caminho, motivo] : casos) {
        try {
            GravarArquivoDeApostas(*DocumentoGerado(), caminho);
            ADD_FAILURE() << caminho;
        } catch (const CErroAoSalvarArquivo& erro) {
            EXPECT_EQ(erro.what(), "Erro ao Salvar Arquivo: " + caminho.string() + ": " + motivo);
            EXPECT_EQ(erro.Caminho(), caminho);
        }
    }
    EXPECT_EQ(LerBytes(arquivo), gerado);
    // Ficam o arquivo, a pasta e a trava dela ("ocupado.vrt.lock"): nenhum temporário.
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta.Caminho()), {}), 3) << "sobrou temporário";
}

// Outra cópia do programa gravando o mesmo arquivo: esta espera e então desiste, sem
// mexer no que a outra grava.
TEST_F(ArquivoDeApostas, SegundaCopiaGravandoOMesmoArquivoEspera)
{
    GravarBytes(arquivo, gerado);
    {
        const CTravaEmOutroProcesso outra(pasta / "apostas.vrt.lock");
        try {
            GravarArquivoDeApostas(CVarentaDoc(), arquivo, std::chrono::milliseconds(100));
            ADD_FAILURE() << "gravou com o arquivo travado";
        } catch (const CArquivoEmUso& erro) {
            EXPECT_STREQ(erro.what(), "O arquivo de apostas está em uso por outro programa.");
        }
        EXPECT_EQ(LerBytes(arquivo), gerado);
    }
    GravarArquivoDeApostas(CVarentaDoc(), arquivo, std::chrono::milliseconds(100));
    EXPECT_NE(LerBytes(arquivo), gerado);
}

// Um índice de valor negativo no arquivo vale o primeiro valor: o preço nunca é negativo.
TEST_F(ArquivoDeApostas, IndiceDeValorNegativoValeOPrimeiro)
{
    for (const int32_t indice : {-1, -7, INT32_MIN, 0, 3}) {
        auto documento = DocumentoGerado();
        documento->m_valor_da_aposta = indice;
        const auto lido = Lido(Gravado(*documento));
        EXPECT_EQ(lido->m_valor_da_aposta, std::max(0, indice)) << indice;
        EXPECT_FALSE(PrecoDaAposta(lido->m_valor_da_aposta, lido->m_qtde_apostas) < 0.0) << indice;
    }
}

} // namespace
