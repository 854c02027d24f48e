#include "tests/document/DocumentosDeTeste.h"

#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "core/Score.h"
#include "core/ScoreGrupo.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

void AdicionarCartao(CVarentaDoc& documento, const int (&celulas)[5])
{
    CVolante cartao;
    cartao.m_qtde = 5;
    for (int m = 0; m < 5; ++m)
        cartao.m_scores[m] = CCartaoCheio::Instancia().Celula(m, celulas[m]);
    documento.m_volantes.Adicionar(cartao);
}

std::unique_ptr<CVarentaDoc> DocumentoGerado()
{
    auto documento = std::make_unique<CVarentaDoc>();
    documento->OnNewDocument();
    documento->m_celulas[0][0] = kRemovido;
    documento->m_celulas[0][13] = kFavorito;
    for (auto& jogo : documento->m_celulas)
        jogo[14] = kFavorito;
    documento->m_chave_do_jogo[0] = documento->m_chave_do_jogo[1] = "A";
    documento->m_max_completas = 1;
    documento->m_qtde_apostas = 2;
    documento->m_resumo = "Ação";
    documento->m_valor_da_aposta = 1;
    auto chave = std::make_shared<CChave>("A");
    chave->m_visitados = 4;
    chave->m_padroes = 4;
    chave->m_max = 2;
    chave->m_min = 1;
    chave->m_qtde_jogos = 2;
    documento->m_chaves.push_back(chave);
    AdicionarCartao(*documento, {14, 14, 14, 14, 14});
    AdicionarCartao(*documento, {13, 14, 14, 14, 14});
    documento->AposAbrir();
    return documento;
}

namespace {

void ExpectMesmoPlacar(const CScore& a, const CScore& b)
{
    EXPECT_EQ(a.m_jogo, b.m_jogo);
    EXPECT_EQ(a.m_reservado, b.m_reservado);
    EXPECT_TRUE(a.MesmoPlacar(b));
}

void ExpectMesmaChave(const CChave& a, const CChave& b)
{
    EXPECT_EQ(a.m_nome, b.m_nome);
    EXPECT_EQ(a.m_min, b.m_min);
    EXPECT_EQ(a.m_max, b.m_max);
    EXPECT_EQ(a.m_qtde_jogos, b.m_qtde_jogos);
    EXPECT_EQ(a.m_reservado, b.m_reservado);
    EXPECT_EQ(a.m_padroes, b.m_padroes);
    EXPECT_EQ(a.m_visitados, b.m_visitados);
    ASSERT_EQ(a.m_grupos.size(), b.m_grupos.size());
    for (size_t g = 0; g < a.m_grupos.size(); ++g) {
        const CScoreGrupo& ga = *a.m_grupos[g];
        const CScoreGrupo& gb = *b.m_grupos[g];
        EXPECT_EQ(ga.m_jogo, gb.m_jogo);
        ASSERT_EQ(ga.m_scores.size(), gb.m_scores.size());
        for (size_t s = 0; s < ga.m_scores.size(); ++s)
            ExpectMesmoPlacar(*ga.m_scores[s], *gb.m_scores[s]);
        ASSERT_EQ(ga.m_alternativas == nullptr, gb.m_alternativas == nullptr);
        if (ga.m_alternativas != nullptr) {
            EXPECT_EQ(ga.m_alternativas->m_scores.size(), gb.m_alternativas->m_scores.size());
        }
    }
}

} // namespace

void ExpectMesmoDocumento(const CVarentaDoc& a, const CVarentaDoc& b)
{
    EXPECT_EQ(a.m_celulas, b.m_celulas);
    EXPECT_EQ(a.m_chave_do_jogo, b.m_chave_do_jogo);
    EXPECT_EQ(a.m_textos_reservados, b.m_textos_reservados);
    EXPECT_EQ(a.m_min_completas, b.m_min_completas);
    EXPECT_EQ(a.m_max_completas, b.m_max_completas);
    EXPECT_EQ(a.m_qtde_apostas, b.m_qtde_apostas);
    EXPECT_EQ(a.m_resumo, b.m_resumo);
    EXPECT_EQ(a.m_valor_da_aposta, b.m_valor_da_aposta);
    ASSERT_EQ(a.m_chaves.size(), b.m_chaves.size());
    for (size_t i = 0; i < a.m_chaves.size(); ++i)
        ExpectMesmaChave(*a.m_chaves[i], *b.m_chaves[i]);
    ASSERT_EQ(a.m_volantes.Quantidade(), b.m_volantes.Quantidade());
    for (int32_t c = 0; c < a.m_volantes.Quantidade(); ++c) {
        const CVolante va = a.m_volantes.Cartao(c);
        const CVolante vb = b.m_volantes.Cartao(c);
        ASSERT_EQ(va.m_qtde, vb.m_qtde);
        for (int i = 0; i < va.m_qtde; ++i)
            ExpectMesmoPlacar(*va.m_scores[i], *vb.m_scores[i]);
    }
}
