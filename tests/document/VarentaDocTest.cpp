#include "document/VarentaDoc.h"

#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "checking/Conferencia.h"
#include "tests/document/DocumentosDeTeste.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

namespace {

TEST(VarentaDoc, DocumentoNovoComecaZerado)
{
    CVarentaDoc documento;
    documento.m_min_completas = documento.m_max_completas = documento.m_qtde_apostas = 3;
    ASSERT_TRUE(documento.OnNewDocument());
    EXPECT_EQ(documento.m_min_completas, 0);
    EXPECT_EQ(documento.m_max_completas, 0);
    EXPECT_EQ(documento.m_qtde_apostas, 0);
    EXPECT_EQ(documento.m_indice_atual, -1);
    EXPECT_EQ(documento.m_tem_volantes, 0);
    EXPECT_TRUE(documento.m_tabela_lida.empty());
    for (const auto& jogo : documento.m_celulas)
        for (uint16_t estado : jogo)
            EXPECT_EQ(estado, kAlternativa);
}

TEST(VarentaDoc, RemoverVolantesLimpaCartoesApostasEResumo)
{
    auto documento = DocumentoGerado();
    ASSERT_EQ(documento->m_tem_volantes, 1);
    documento->RemoverVolantes();
    EXPECT_EQ(documento->m_indice_atual, -1);
    EXPECT_EQ(documento->m_volantes.Quantidade(), 0);
    EXPECT_EQ(documento->m_qtde_apostas, 0);
    EXPECT_EQ(documento->m_resumo, "");
    EXPECT_EQ(documento->m_tem_volantes, 1); // fica como estava
    EXPECT_EQ(documento->m_chaves.size(), 1u);
}

TEST(VarentaDoc, AposAbrirSemCartoesNaoMarcaCartaoAtual)
{
    CVarentaDoc documento;
    documento.AposAbrir();
    EXPECT_EQ(documento.m_indice_atual, -1);
    EXPECT_EQ(documento.m_tem_volantes, 0);
}

TEST(VarentaDoc, ConferirVolantesUsaOsCartoesDoDocumento)
{
    // Resultado 0x0 em todos os jogos: o primeiro cartão faz 5, o segundo 4.
    auto documento = DocumentoGerado();
    CCartaoResultado resultado({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    std::vector<std::string> resumo;
    std::vector<SLinhaColorida> premios;
    EXPECT_TRUE(documento->ConferirVolantes(resultado.Volante(), resumo, premios));
    ASSERT_EQ(premios.size(), 2u);
    EXPECT_EQ(premios[0].texto, "O volante 1 tem 5 pontos !!!");
    EXPECT_EQ(premios[1].texto, "O volante 2 tem 4 pontos !!!");
}

} // namespace
