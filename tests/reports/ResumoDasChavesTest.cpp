#include "reports/ResumoDasChaves.h"

#include "core/Chave.h"
#include "core/ConfiguracoesEmMemoria.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kAbertura = "Para acertar os 5 pontos será necessario que você acerte: ";

struct SChave {
    const char* nome;
    int32_t minimo;
    int32_t maximo;
    int32_t jogos;
};

std::vector<std::shared_ptr<CChave>> Chaves(std::initializer_list<SChave> lista)
{
    std::vector<std::shared_ptr<CChave>> chaves;
    for (const SChave& dados : lista) {
        auto chave = std::make_shared<CChave>(dados.nome);
        chave->m_min = dados.minimo;
        chave->m_max = dados.maximo;
        chave->m_qtde_jogos = dados.jogos;
        chaves.push_back(chave);
    }
    return chaves;
}

struct SCaso {
    const char* nome;
    int32_t min_completas;
    int32_t max_completas;
    std::vector<std::shared_ptr<CChave>> chaves;
    std::string frases;
};

TEST(ResumoDasChaves, FrasesDasChaves)
{
    const SCaso casos[] = {
        {"sem chaves", 0, 0, {}, "<br>Os 5 jogos sem chave."},
        {"quatro jogos em chaves", 0, 2, Chaves({{"A", 0, 2, 2}, {"B", 0, 2, 2}}), "<br>O único jogo sem chave."},
        {"cinco jogos em chaves", 0, 2, Chaves({{"A", 0, 3, 3}, {"B", 0, 2, 2}}), ""},
        {"mínimo de um jogo e máximo zero", 0, 2, Chaves({{"A", 1, 3, 3}, {"B", 0, 0, 1}}),
         "<br>No mínimo 1 jogo na chave A.<br>No máximo 0 jogo na chave B.<br>O único jogo sem chave."},
        {"plurais por chave", 0, 1, Chaves({{"C", 2, 3, 4}}),
         "<br>No mínimo 2 jogos na chave C.<br>No máximo 3 jogos na chave C.<br>O único jogo sem chave."},
        {"máximo de um jogo", 0, 1, Chaves({{"D", 0, 1, 2}}),
         "<br>No máximo 1 jogo na chave D.<br>Os 3 jogos sem chave."},
        {"máximo zero de completas", 0, 0, Chaves({{"A", 0, 1, 1}}),
         "<br>No máximo 0 chave completa.<br>Os 4 jogos sem chave."},
        {"completas no singular", 1, 1, Chaves({{"A", 0, 1, 1}, {"B", 0, 1, 1}}),
         "<br>No mínimo 1 chave completa.<br>No máximo 1 chave completa.<br>Os 3 jogos sem chave."},
        {"completas no plural", 2, 2, Chaves({{"A", 0, 1, 1}, {"B", 0, 1, 1}, {"C", 0, 1, 1}}),
         "<br>No mínimo 2 chaves completas.<br>No máximo 2 chaves completas.<br>Os 2 jogos sem chave."},
        {"máximo igual ao número de chaves", 0, 2, Chaves({{"A", 0, 1, 1}, {"B", 0, 1, 1}}),
         "<br>Os 3 jogos sem chave."},
        {"máximo negativo é enorme sem sinal", 0, -1, Chaves({{"A", 0, 1, 1}}), "<br>Os 4 jogos sem chave."},
    };
    const CConfiguracoesEmMemoria configuracoes;
    for (const SCaso& caso : casos)
        EXPECT_EQ(ResumoDasChaves(caso.min_completas, caso.max_completas, caso.chaves, false, configuracoes),
                  kAbertura + caso.frases)
            << caso.nome;
}

TEST(ResumoDasChaves, FiltrosLigadosNaOrdemDaTabelaQuandoFiltrado)
{
    CConfiguracoesEmMemoria configuracoes;
    configuracoes.GravarInteiro("filtros", "m_bool_quantidade_de_4_para_o_time1", 1);
    configuracoes.GravarInteiro("filtros", "m_min_quantidade_de_4_para_o_time1", 0);
    configuracoes.GravarInteiro("filtros", "m_max_quantidade_de_4_para_o_time1", 2);
    configuracoes.GravarInteiro("filtros", "m_bool_quantidade_de_gols", 1);
    configuracoes.GravarInteiro("filtros", "m_min_quantidade_de_gols", 5);
    configuracoes.GravarInteiro("filtros", "m_max_quantidade_de_gols", 12);
    configuracoes.GravarInteiro("filtros", "m_bool_quantidade_de_4", 0);
    configuracoes.GravarInteiro("filtros", "m_min_quantidade_de_4", 3);
    const auto chaves = Chaves({{"A", 0, 5, 5}});

    EXPECT_EQ(ResumoDasChaves(0, 1, chaves, true, configuracoes),
              std::string(kAbertura) + "<br>Quantidade de Gols Min:5 Max:12." +
                  "<br>Quantidade de \"+\" para o time 1 Min:0 Max:2.");
    EXPECT_EQ(ResumoDasChaves(0, 1, chaves, false, configuracoes), kAbertura);
}

TEST(ResumoDasChaves, FiltroLigadoSemLimitesGravadosMostraOsQueAFiltragemUsou)
{
    CConfiguracoesEmMemoria configuracoes;
    configuracoes.GravarInteiro("filtros", "m_bool_quantidade_de_0", 1);

    EXPECT_EQ(ResumoDasChaves(0, 1, Chaves({{"A", 0, 5, 5}}), true, configuracoes),
              std::string(kAbertura) + "<br>Quantidade de 0 Min:0 Max:10.");
}

} // namespace
