#include "Aposta.h"
#include "CartaoCheio.h"
#include "Chave.h"
#include "ConfiguracoesEmMemoria.h"
#include "Filtro.h"
#include "GeracaoDeApostas.h"
#include "Progresso.h"
#include "ScoreGrupo.h"
#include "VarentaDoc.h"
#include "Volante.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int k1x0 = 9;
constexpr int k0x0 = 14;

class GeracaoDeApostas : public testing::Test {
protected:
    GeracaoDeApostas()
    {
        documento.OnNewDocument();
        // Um favorito (1x0) e uma alternativa (0x0) por jogo; o resto removido.
        for (auto& jogo : documento.m_celulas) {
            jogo.fill(kRemovido);
            jogo[k1x0] = kFavorito;
            jogo[k0x0] = kAlternativa;
        }
    }

    std::shared_ptr<CChave> Chave(const std::string& nome, int minimo, int maximo, int jogos)
    {
        auto chave = std::make_shared<CChave>(nome);
        chave->m_min = minimo;
        chave->m_max = maximo;
        chave->m_qtde_jogos = jogos;
        documento.m_chaves.push_back(chave);
        return chave;
    }

    bool Gerar(bool filtrar = false)
    {
        return GerarApostasDoDocumento(documento, aposta, filtrar, filtrado, configuracoes);
    }

    CVarentaDoc documento;
    CConfiguracoesEmMemoria configuracoes;
    CProgressoSilencioso progresso;
    CAposta aposta{configuracoes, progresso};
    bool filtrado = false;
};

TEST_F(GeracaoDeApostas, SemChavesSoOsFavoritos)
{
    documento.m_resumo = "antigo";
    EXPECT_TRUE(Gerar());
    ASSERT_EQ(documento.m_volantes.m_qtde, 1);
    EXPECT_EQ(documento.m_qtde_apostas, 1);
    EXPECT_EQ(documento.m_volante_atual, documento.m_volantes.m_primeiro);
    EXPECT_EQ(documento.m_tem_volantes, 1);
    EXPECT_EQ(documento.m_resumo, "");
    EXPECT_FALSE(filtrado);
    for (int m = 0; m < 5; ++m)
        EXPECT_EQ(documento.m_volantes.m_primeiro->m_scores[m], CCartaoCheio::Instancia().Celula(m, k1x0));
    // Já havia cartão atual: as vistas não precisam saber de novo.
    EXPECT_FALSE(Gerar());
}

TEST_F(GeracaoDeApostas, ChavePeloNomeDoJogoComContadores)
{
    // Jogos 1 e 2 na chave A (1 a 2 favoritos), faixa de completas 0 a 1: FF, FA, AF.
    const auto chave = Chave("A", 1, 2, 2);
    documento.m_chave_do_jogo[0] = "A";
    documento.m_chave_do_jogo[1] = "A";
    documento.m_max_completas = 1;
    // Um grupo trazido por um arquivo não pode sobrar na chave.
    CScoreGrupo velho;
    chave->m_grupos.push_back(&velho);

    Gerar();
    EXPECT_EQ(documento.m_volantes.m_qtde, 3);
    EXPECT_EQ(chave->m_padroes, 4);
    EXPECT_EQ(chave->m_visitados, 4);
    EXPECT_TRUE(chave->m_grupos.empty());
    EXPECT_TRUE(chave->m_selecao.empty());
    const CVolante* segundo = documento.m_volantes.m_primeiro->m_proximo;
    EXPECT_EQ(segundo->m_scores[1], CCartaoCheio::Instancia().Celula(1, k0x0));
}

TEST_F(GeracaoDeApostas, ComFiltroRefazOResumo)
{
    configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_quantidade_de_gols", 1);
    configuracoes.GravarInteiro(kSecaoFiltros, "m_max_quantidade_de_gols", 0);
    Gerar(true);
    EXPECT_EQ(documento.m_volantes.m_qtde, 0);
    EXPECT_EQ(documento.m_volante_atual, nullptr);
    EXPECT_EQ(documento.m_tem_volantes, 0);
    EXPECT_TRUE(filtrado);
    EXPECT_EQ(documento.m_resumo, "Para acertar os 5 pontos será necessario que você acerte: "
                                  "<br>Os 5 jogos sem chave.<br>Quantidade de Gols Min:0 Max:0.");
}

TEST_F(GeracaoDeApostas, FiltrarMantemOuRefazOResumo)
{
    for (auto& jogo : documento.m_celulas)
        jogo[k0x0] = kFavorito;
    Gerar();
    documento.m_resumo = "mantido";
    configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_quantidade_de_gols", 1);
    configuracoes.GravarInteiro(kSecaoFiltros, "m_max_quantidade_de_gols", 2);
    CFiltro filtro(configuracoes);

    FiltrarApostasDoDocumento(documento, filtro, progresso, false, filtrado, configuracoes);
    // No máximo dois jogos 1x0 (um gol cada): 1 + 5 + 10 cartões.
    EXPECT_EQ(documento.m_volantes.m_qtde, 16);
    EXPECT_EQ(documento.m_qtde_apostas, 16);
    EXPECT_EQ(documento.m_volante_atual, documento.m_volantes.m_primeiro);
    EXPECT_EQ(documento.m_resumo, "mantido");
    EXPECT_TRUE(filtrado);

    FiltrarApostasDoDocumento(documento, filtro, progresso, true, filtrado, configuracoes);
    EXPECT_NE(documento.m_resumo.find("Quantidade de Gols Min:0 Max:2."), std::string::npos);
}

TEST_F(GeracaoDeApostas, ValidarFavoritos)
{
    EXPECT_EQ(ValidarFavoritos(documento), 0);
    documento.m_celulas[2][k1x0] = kAlternativa;
    documento.m_celulas[4][k1x0] = kRemovido;
    EXPECT_EQ(ValidarFavoritos(documento), 3);
}

} // namespace
