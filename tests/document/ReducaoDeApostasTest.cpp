#include "checking/CartaoNaoSimples.h"
#include "checking/ProgressoDoFechamento.h"
#include "core/Aposta.h"
#include "core/CartaoCheio.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/Progresso.h"
#include "core/Score.h"
#include "core/Volante.h"
#include "document/GeracaoDeApostas.h"
#include "document/ReducaoDeApostas.h"
#include "document/VarentaDoc.h"
#include "tests/support/Montagem.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <ostream>
#include <vector>

namespace {

using namespace std::chrono_literals;

// Um cartão como as cinco entradas, na ordem do próprio cartão.
using Entradas = std::array<const CScore*, 5>;

std::vector<Entradas> Copiar(const CListaDeVolantes& volantes)
{
    std::vector<Entradas> cartoes;
    for (const CVolante cartao : volantes)
        cartoes.push_back({cartao.m_scores[0], cartao.m_scores[1], cartao.m_scores[2], cartao.m_scores[3],
                           cartao.m_scores[4]});
    return cartoes;
}

CVolante Cartao(const Entradas& entradas)
{
    CVolante cartao;
    cartao.m_qtde = 5;
    std::copy(entradas.begin(), entradas.end(), cartao.m_scores);
    return cartao;
}

// O cartão como resultado do concurso: cada placar no lugar do seu jogo.
CVolante ComoResultado(const Entradas& entradas)
{
    CVolante resultado;
    resultado.m_qtde = 5;
    for (const CScore* entrada : entradas)
        resultado.m_scores[entrada->m_jogo] = entrada;
    return resultado;
}

// A conferência de verdade: cada cartão de antes, tomado como resultado, dá a algum
// cartão que ficou ao menos `garantia` pontos.
::testing::AssertionResult GaranteComOsCartoesDeVerdade(const std::vector<Entradas>& antes,
                                                          const std::vector<Entradas>& depois, int garantia)
{
    std::vector<CVolante> ficaram;
    for (const Entradas& cartao : depois)
        ficaram.push_back(Cartao(cartao));
    for (size_t i = 0; i < antes.size(); ++i) {
        const CVolante resultado = ComoResultado(antes[i]);
        const bool garantido = std::any_of(ficaram.begin(), ficaram.end(), [&](const CVolante& cartao) {
            return resultado.ContarAcertos(cartao) >= garantia;
        });
        if (!garantido)
            return ::testing::AssertionFailure() << "o cartão " << i + 1 << " ficou sem " << garantia << " pontos";
    }
    return ::testing::AssertionSuccess();
}

struct SQuadro {
    std::array<std::vector<int>, 5> favoritos;  // células de cada jogo
    int garantia;
};

void PrintTo(const SQuadro& quadro, std::ostream* saida)
{
    *saida << "garantia " << quadro.garantia << ", favoritos";
    for (const auto& jogo : quadro.favoritos)
        *saida << ' ' << jogo.size();
}

class ReducaoDeQuadros : public testing::TestWithParam<SQuadro> {
protected:
    void Gerar(const SQuadro& quadro)
    {
        documento.OnNewDocument();
        for (size_t m = 0; m < 5; ++m) {
            documento.m_celulas[m].fill(kRemovido);
            for (int k : quadro.favoritos[m])
                documento.m_celulas[m][static_cast<size_t>(k)] = kFavorito;
        }
        bool filtrado = false;
        GerarApostasDoDocumento(documento, aposta, false, filtrado, configuracoes);
    }

    CVarentaDoc documento;
    CConfiguracoesEmMemoria configuracoes;
    CProgressoSilencioso progresso_da_geracao;
    CAposta aposta{configuracoes, progresso_da_geracao};
};

TEST_P(ReducaoDeQuadros, GaranteOsPontosComMenosCartoes)
{
    const SQuadro& quadro = GetParam();
    Gerar(quadro);
    const std::vector<Entradas> antes = Copiar(documento.m_volantes);
    ASSERT_EQ(documento.m_qtde_apostas, static_cast<int32_t>(antes.size()));

    CProgressoFechamentoSilencioso progresso;
    const SReducaoDeApostas reducao = ReduzirApostasDoDocumento(documento, quadro.garantia, 60s, progresso);

    const std::vector<Entradas> depois = Copiar(documento.m_volantes);
    EXPECT_EQ(reducao.cartoes_antes, static_cast<int32_t>(antes.size()));
    EXPECT_EQ(reducao.cartoes_depois, static_cast<int32_t>(depois.size()));
    EXPECT_FALSE(reducao.interrompida);
    EXPECT_LT(depois.size(), antes.size());
    EXPECT_EQ(documento.m_qtde_apostas, static_cast<int32_t>(depois.size()));
    EXPECT_EQ(documento.m_indice_atual, 0);
    EXPECT_EQ(documento.m_tem_volantes, 1);
    // Só cartões da aposta, na ordem dela.
    auto proximo = antes.begin();
    for (const Entradas& cartao : depois) {
        proximo = std::find(proximo, antes.end(), cartao);
        ASSERT_NE(proximo, antes.end());
        ++proximo;
    }
    EXPECT_TRUE(GaranteComOsCartoesDeVerdade(antes, depois, quadro.garantia));
}

INSTANTIATE_TEST_SUITE_P(
    Quadros, ReducaoDeQuadros,
    testing::Values(SQuadro{{{{9, 14}, {9, 14}, {9, 14}, {9, 14}, {9, 14}}}, 4},
                    SQuadro{{{{9, 14, 19}, {9, 14, 19}, {9, 14, 19}, {9, 14, 19}, {9, 14, 19}}}, 3},
                    SQuadro{{{{9, 14, 19}, {9, 14, 19}, {9, 14, 19}, {9, 14, 19}, {9, 14, 19}}}, 4},
                    SQuadro{{{{0, 5, 9, 14}, {9, 14}, {1, 12, 13, 14, 20}, {14}, {3, 9, 19}}}, 3},
                    SQuadro{{{{0, 5, 9, 14}, {9, 14}, {1, 12, 13, 14, 20}, {14}, {3, 9, 19}}}, 4},
                    SQuadro{{{{0, 1, 2, 3, 4, 5}, {7, 8, 9, 10}, {11, 12, 13, 14}, {15, 16, 17}, {20, 21, 22}}}, 3},
                    SQuadro{{{{0, 1, 2, 3, 4, 5}, {7, 8, 9, 10}, {11, 12, 13, 14}, {15, 16, 17}, {20, 21, 22}}}, 4}));

TEST_F(ReducaoDeQuadros, GarantiaDeCincoNaoTiraNada)
{
    Gerar({{{{9, 14, 19}, {9, 14}, {9, 14}, {9}, {9, 14}}}, 5});
    const std::vector<Entradas> antes = Copiar(documento.m_volantes);
    CProgressoFechamentoSilencioso progresso;
    const SReducaoDeApostas reducao = ReduzirApostasDoDocumento(documento, 5, 60s, progresso);
    EXPECT_EQ(Copiar(documento.m_volantes), antes);
    EXPECT_EQ(reducao.cartoes_depois, reducao.cartoes_antes);
    EXPECT_EQ(documento.m_qtde_apostas, static_cast<int32_t>(antes.size()));
}

// Cartão de várias apostas (lido de um arquivo): recusado, e a aposta fica inteira.
TEST_F(ReducaoDeQuadros, CartaoDeVariosPlacaresDeixaODocumentoComoEstava)
{
    Gerar({{{{9, 14}, {9, 14}, {9}, {9}, {9}}}, 4});
    CScore dois_placares = *CCartaoCheio::Instancia().Celula(2, 9);
    dois_placares.m_time1[3] = 1;
    TrocarEntrada(documento.m_volantes, 2, 2, &dois_placares);
    const std::vector<Entradas> antes = Copiar(documento.m_volantes);
    const int32_t apostas = documento.m_qtde_apostas;

    CProgressoFechamentoSilencioso progresso;
    try {
        ReduzirApostasDoDocumento(documento, 4, 60s, progresso);
        FAIL() << "reduziu";
    } catch (const CCartaoNaoSimples& erro) {
        EXPECT_EQ(erro.Posicao(), 3);
    }
    EXPECT_EQ(Copiar(documento.m_volantes), antes);
    EXPECT_EQ(documento.m_qtde_apostas, apostas);
}

// Prazo vencido logo no começo: fica a cobertura rápida, que também garante.
TEST_F(ReducaoDeQuadros, PrazoVencidoAindaGarante)
{
    Gerar({{{{0, 1, 2, 3, 4, 5}, {7, 8, 9, 10}, {11, 12, 13, 14}, {15, 16, 17}, {20, 21, 22}}}, 3});
    const std::vector<Entradas> antes = Copiar(documento.m_volantes);
    CProgressoFechamentoSilencioso progresso;
    const SReducaoDeApostas reducao = ReduzirApostasDoDocumento(documento, 3, 0s, progresso);
    EXPECT_TRUE(reducao.interrompida);
    EXPECT_LT(reducao.cartoes_depois, reducao.cartoes_antes);
    EXPECT_TRUE(GaranteComOsCartoesDeVerdade(antes, Copiar(documento.m_volantes), 3));
}

} // namespace
