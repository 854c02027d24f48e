#include "core/Aposta.h"
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/Filtro.h"
#include "document/GeracaoDeApostas.h"
#include "core/Progresso.h"
#include "core/ScoreGrupo.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

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
    ASSERT_EQ(documento.m_volantes.Quantidade(), 1);
    EXPECT_EQ(documento.m_qtde_apostas, 1);
    EXPECT_EQ(documento.m_indice_atual, 0);
    EXPECT_EQ(documento.m_tem_volantes, 1);
    EXPECT_EQ(documento.m_resumo, "");
    EXPECT_FALSE(filtrado);
    for (int m = 0; m < 5; ++m)
        EXPECT_EQ(documento.m_volantes.Cartao(0).m_scores[m], CCartaoCheio::Instancia().Celula(m, k1x0));
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
    EXPECT_EQ(documento.m_volantes.Quantidade(), 3);
    EXPECT_EQ(chave->m_padroes, 4);
    EXPECT_EQ(chave->m_visitados, 4);
    EXPECT_TRUE(chave->m_grupos.empty());
    EXPECT_TRUE(chave->m_selecao.empty());
    EXPECT_EQ(documento.m_volantes.Cartao(1).m_scores[1], CCartaoCheio::Instancia().Celula(1, k0x0));
}

TEST_F(GeracaoDeApostas, ComFiltroRefazOResumo)
{
    configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_quantidade_de_gols", 1);
    configuracoes.GravarInteiro(kSecaoFiltros, "m_max_quantidade_de_gols", 0);
    Gerar(true);
    EXPECT_EQ(documento.m_volantes.Quantidade(), 0);
    EXPECT_EQ(documento.m_indice_atual, -1);
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
    EXPECT_EQ(documento.m_volantes.Quantidade(), 16);
    EXPECT_EQ(documento.m_qtde_apostas, 16);
    EXPECT_EQ(documento.m_indice_atual, 0);
    EXPECT_EQ(documento.m_resumo, "mantido");
    EXPECT_TRUE(filtrado);

    FiltrarApostasDoDocumento(documento, filtro, progresso, true, filtrado, configuracoes);
    EXPECT_NE(documento.m_resumo.find("Quantidade de Gols Min:0 Max:2."), std::string::npos);
}

// Os cartões de uma geração, na ordem, como as células de cada jogo.
std::vector<std::vector<const CScore*>> Cartoes(const CListaDeVolantes& volantes)
{
    std::vector<std::vector<const CScore*>> cartoes;
    for (const CVolante cartao : volantes)
        cartoes.emplace_back(cartao.m_scores, cartao.m_scores + cartao.m_qtde);
    return cartoes;
}

// O gerador com todas as chaves do documento, na ordem dada, sem nada descartado.
std::vector<std::vector<const CScore*>> GeracaoDeReferencia(CVarentaDoc& documento, CAposta& aposta)
{
    const CCartaoCheio& tabela = CCartaoCheio::Instancia();
    std::vector<std::unique_ptr<CScoreGrupo>> grupos;
    aposta.Limpar();
    aposta.m_filtrar = false;
    for (int m = 0; m < 5; ++m) {
        auto favoritos = std::make_unique<CScoreGrupo>();
        auto alternativas = std::make_unique<CScoreGrupo>();
        for (int k = 0; k < 25; ++k) {
            const uint16_t estado = documento.m_celulas[size_t(m)][size_t(k)];
            if (estado == kFavorito)
                favoritos->m_scores.push_back(tabela.Celula(m, k));
            else if (estado == kAlternativa)
                alternativas->m_scores.push_back(tabela.Celula(m, k));
        }
        favoritos->m_alternativas = alternativas.get();
        CChave* dona = nullptr;
        for (const auto& chave : documento.m_chaves)
            if (dona == nullptr && !documento.m_chave_do_jogo[size_t(m)].empty() &&
                chave->m_nome == documento.m_chave_do_jogo[size_t(m)])
                dona = chave.get();
        if (dona != nullptr)
            dona->m_grupos.push_back(favoritos.get());
        else
            aposta.m_grupos_sem_chave.push_back(favoritos.get());
        grupos.push_back(std::move(favoritos));
        grupos.push_back(std::move(alternativas));
    }
    for (const auto& chave : documento.m_chaves)
        aposta.m_chaves.push_back(chave.get());
    aposta.m_min_completas = documento.m_min_completas;
    aposta.m_max_completas = documento.m_max_completas;
    aposta.GerarCartoes();
    for (const auto& chave : documento.m_chaves) {
        chave->m_grupos.clear();
        chave->m_selecao.clear();
    }
    CListaDeVolantes gerados;
    gerados.Transferir(aposta.m_aprovados);
    return Cartoes(gerados);
}

// Chaves sem jogo (de um arquivo) ficam fora do gerador: os cartões são os mesmos, na
// mesma ordem, que o gerador daria com elas.
TEST_F(GeracaoDeApostas, ChavesSemJogoNaoMudamOsCartoes)
{
    struct SCaso {
        const char* caso;
        std::vector<std::string> chaves;  // nome:min:max, em ordem de nome
        int32_t min_completas;
        int32_t max_completas;
    };
    const SCaso casos[] = {
        {"vazia depois", {"A:1:2", "B:0:0"}, 0, 2},
        {"vazia antes", {"0:0:0", "A:1:2", "C:0:1"}, 1, 3},
        {"duas vazias entre as outras", {"A:0:1", "B:0:3", "C:1:2", "D:0:0"}, 2, 4},
        {"vazia que nunca fica completa", {"A:1:2", "B:0:-1"}, 0, 2},
        {"repetida", {"A:1:2", "A:0:2", "C:0:1"}, 0, 3},
        {"faixa de completas além das chaves", {"A:0:2", "B:0:0", "C:0:1"}, -3, 9},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.caso);
        documento.m_chaves.clear();
        for (const std::string& dados : caso.chaves) {
            const size_t a = dados.find(':');
            const size_t b = dados.find(':', a + 1);
            Chave(dados.substr(0, a), std::stoi(dados.substr(a + 1, b - a - 1)), std::stoi(dados.substr(b + 1)), 0);
        }
        documento.m_chave_do_jogo = {"A", "A", "C", "C", ""};
        documento.m_min_completas = caso.min_completas;
        documento.m_max_completas = caso.max_completas;
        const auto esperados = GeracaoDeReferencia(documento, aposta);
        Gerar();
        EXPECT_EQ(Cartoes(documento.m_volantes), esperados);
    }
}

TEST_F(GeracaoDeApostas, MilharesDeChavesVaziasTerminam)
{
    documento.m_chave_do_jogo = {"A", "A", "", "", ""};
    Chave("A", 1, 2, 2);
    documento.m_max_completas = 1;
    Gerar();
    const auto sem_vazias = Cartoes(documento.m_volantes);
    ASSERT_EQ(sem_vazias.size(), 3u);

    for (int i = 0; i < 5000; ++i)
        Chave("V" + std::to_string(i), 0, i, i);
    documento.m_min_completas = 0;
    documento.m_max_completas = std::numeric_limits<int32_t>::max();
    Gerar();
    EXPECT_EQ(Cartoes(documento.m_volantes), sem_vazias);
}

// A ordem é a dos bytes Windows-1252 do arquivo: em UTF-8 o "€" viria depois do "é".
TEST_F(GeracaoDeApostas, ChavesEmOrdemDosBytesDoArquivo)
{
    for (const char* nome : {"é", "€", "b", "B", "AB", "A"})
        Chave(nome, 0, 0, 0);
    Gerar();
    std::vector<std::string> nomes;
    for (const auto& chave : documento.m_chaves)
        nomes.push_back(chave->m_nome);
    EXPECT_EQ(nomes, (std::vector<std::string>{"A", "AB", "B", "b", "€", "é"}));
}

TEST_F(GeracaoDeApostas, ValidarFavoritos)
{
    EXPECT_EQ(ValidarFavoritos(documento), 0);
    documento.m_celulas[2][k1x0] = kAlternativa;
    documento.m_celulas[4][k1x0] = kRemovido;
    EXPECT_EQ(ValidarFavoritos(documento), 3);
    EXPECT_EQ(MensagemDeJogoSemFavorito(3), "Marque ao menos um favorito no jogo 3");
}

} // namespace
