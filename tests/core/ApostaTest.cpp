#include "core/Aposta.h"
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/ErroDoUsuario.h"
#include "core/Progresso.h"
#include "core/ScoreGrupo.h"
#include "core/Volante.h"
#include "tests/core/FiltroDeReferencia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Cartao = std::array<int, 5>;  // célula k de cada jogo

// Favorito e alternativa dos casos de uma chave: 1 x 0 e 0 x 0.
constexpr int kF = 9;
constexpr int kA = 14;

// "FAFFF" -> células de favorito/alternativa por jogo.
Cartao Padrao(const std::string& letras)
{
    Cartao cartao{};
    for (size_t m = 0; m < 5; ++m)
        cartao[m] = letras[m] == 'F' ? kF : kA;
    return cartao;
}

std::vector<Cartao> Padroes(const std::vector<std::string>& padroes)
{
    std::vector<Cartao> cartoes;
    for (const std::string& p : padroes)
        cartoes.push_back(Padrao(p));
    return cartoes;
}

// Progresso falso: anota as chamadas e aperta "Parar" no tratamento de mensagens de
// número dado (um a cada 1000 cartões produzidos).
class CProgressoDaGeracao : public IProgressoGeracao {
public:
    void Iniciar(const std::string& rotulo, bool habilitar_parar, double a_gerar) override
    {
        m_eventos.push_back("Iniciar " + rotulo + (habilitar_parar ? " com Parar" : "") + " de " +
                            std::to_string(static_cast<long>(a_gerar)));
        m_parar = false;
    }
    void Atualizar(double geradas, double aprovadas) override { m_eventos.push_back(Contagens("Atualizar", geradas, aprovadas)); }
    void BombearMensagens() override
    {
        m_eventos.push_back("Bombear");
        if (++m_bombeadas == m_parar_no_bombeamento)
            m_parar = true;
    }
    bool PararSolicitado() const override { return m_parar; }
    void Concluir(double geradas, double aprovadas) override { m_eventos.push_back(Contagens("Concluir", geradas, aprovadas)); }

    static std::string Contagens(const char* nome, double geradas, double aprovadas)
    {
        return std::string(nome) + " " + std::to_string(static_cast<long>(geradas)) + " " +
               std::to_string(static_cast<long>(aprovadas));
    }

    int m_parar_no_bombeamento = 0;
    int m_bombeadas = 0;
    bool m_parar = false;
    std::vector<std::string> m_eventos;
};

// Monta o quadro como a tela de apostas: um grupo de favoritos por jogo com o seu
// grupo de alternativas, pendurado na chave do jogo ou entre os jogos sem chave.
class Geracao : public testing::Test {
protected:
    Geracao()
    {
        for (auto& jogo : m_estados)
            jogo.fill(kRemovido);
    }

    void Marcar(int jogo, const std::vector<int>& ks, EstadoDaCelula estado)
    {
        for (int k : ks)
            m_estados[static_cast<size_t>(jogo)][static_cast<size_t>(k)] = estado;
    }
    // Um favorito (1 x 0) e uma alternativa (0 x 0) em cada jogo.
    void MarcarUmFavoritoEUmaAlternativa()
    {
        for (int m = 0; m < 5; ++m) {
            Marcar(m, {kF}, kFavorito);
            Marcar(m, {kA}, kAlternativa);
        }
    }
    void NovaChave(const std::string& nome, const std::vector<int>& jogos, int32_t min, int32_t max)
    {
        auto chave = std::make_unique<CChave>(nome);
        chave->m_min = min;
        chave->m_max = max;
        chave->m_qtde_jogos = static_cast<int32_t>(jogos.size());
        for (int jogo : jogos)
            m_chave_do_jogo[static_cast<size_t>(jogo)] = chave.get();
        m_chaves.push_back(std::move(chave));
    }

    void Preparar(int32_t min_completas, int32_t max_completas)
    {
        m_aposta.Limpar();
        for (auto& chave : m_chaves) {
            chave->m_grupos.clear();
            m_aposta.m_chaves.push_back(chave.get());
        }
        for (int m = 0; m < 5; ++m) {
            CScoreGrupo* favoritos = NovoGrupo(m, kFavorito);
            favoritos->m_alternativas = NovoGrupo(m, kAlternativa);
            if (CChave* chave = m_chave_do_jogo[static_cast<size_t>(m)])
                chave->m_grupos.push_back(favoritos);
            else
                m_aposta.m_grupos_sem_chave.push_back(favoritos);
        }
        m_aposta.m_min_completas = min_completas;
        m_aposta.m_max_completas = max_completas;
    }
    void Gerar(int32_t min_completas, int32_t max_completas)
    {
        Preparar(min_completas, max_completas);
        m_aposta.GerarCartoes();
    }

    void LigarFiltro(int criterio, int32_t maximo)
    {
        const std::string nome = kFiltros[static_cast<size_t>(criterio)].nome;
        m_configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_" + nome, 1);
        m_configuracoes.GravarInteiro(kSecaoFiltros, "m_max_" + nome, maximo);
    }

    std::vector<Cartao> Cartoes() const
    {
        std::vector<Cartao> cartoes;
        for (const CVolante v : m_aposta.m_aprovados) {
            EXPECT_EQ(v.m_qtde, 5);
            Cartao cartao{};
            for (int m = 0; m < 5; ++m) {
                EXPECT_EQ(v.m_scores[m]->m_jogo, m);
                cartao[static_cast<size_t>(m)] = static_cast<int>(v.m_scores[m] - CCartaoCheio::Instancia().Celula(m, 0));
            }
            cartoes.push_back(cartao);
        }
        return cartoes;
    }

    std::array<std::array<uint16_t, 25>, 5> m_estados{};
    std::array<CChave*, 5> m_chave_do_jogo{};
    std::vector<std::unique_ptr<CChave>> m_chaves;
    std::vector<std::unique_ptr<CScoreGrupo>> m_grupos;
    CConfiguracoesEmMemoria m_configuracoes;
    CProgressoDaGeracao m_progresso;
    CAposta m_aposta{m_configuracoes, m_progresso};

private:
    CScoreGrupo* NovoGrupo(int jogo, EstadoDaCelula estado)
    {
        auto grupo = std::make_unique<CScoreGrupo>();
        grupo->m_jogo = static_cast<int16_t>(jogo);
        for (int k = 0; k < 25; ++k)
            if (m_estados[static_cast<size_t>(jogo)][static_cast<size_t>(k)] == estado)
                grupo->m_scores.push_back(CCartaoCheio::Instancia().Celula(jogo, k));
        m_grupos.push_back(std::move(grupo));
        return m_grupos.back().get();
    }
};

// Sem chaves: o produto dos favoritos, o primeiro jogo variando mais devagar e cada
// jogo na ordem do quadro.
TEST_F(Geracao, SemChavesProdutoDosFavoritos)
{
    for (int m = 0; m < 5; ++m)
        Marcar(m, {9, 3}, kFavorito);
    Gerar(0, 0);
    const std::vector<Cartao> cartoes = Cartoes();
    ASSERT_EQ(cartoes.size(), 32u);
    for (size_t i = 0; i < cartoes.size(); ++i)
        for (size_t m = 0; m < 5; ++m)
            EXPECT_EQ(cartoes[i][m], (i >> (4 - m)) & 1 ? 9 : 3) << "cartão " << i << " jogo " << m;
    EXPECT_EQ(m_aposta.m_geradas, 32);
    EXPECT_EQ(m_aposta.m_aprovadas, 32);
    EXPECT_EQ(m_aposta.m_aprovados.Quantidade(), 32);
}

struct SCasoDeUmaChave {
    int32_t min, max, min_completas, max_completas;
    std::vector<std::string> esperados;
};

class UmaChave : public Geracao, public testing::WithParamInterface<SCasoDeUmaChave> {};

// Chave com os jogos 0 e 1: primeiro k = 1 (a chave completa), depois os padrões FA e
// AF; o padrão todo favorito nunca vale como incompleto.
TEST_P(UmaChave, CartoesNaOrdem)
{
    const SCasoDeUmaChave& caso = GetParam();
    MarcarUmFavoritoEUmaAlternativa();
    NovaChave("A", {0, 1}, caso.min, caso.max);
    Gerar(caso.min_completas, caso.max_completas);
    EXPECT_EQ(Cartoes(), Padroes(caso.esperados));
    EXPECT_EQ(m_aposta.m_aprovadas, static_cast<int32_t>(caso.esperados.size()));
}

constexpr int32_t kMaior = std::numeric_limits<int32_t>::max();
constexpr int32_t kMenor = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(Casos, UmaChave, testing::Values(
    SCasoDeUmaChave{1, 2, 0, 1, {"FFFFF", "FAFFF", "AFFFF"}},
    SCasoDeUmaChave{1, 2, 0, 0, {"FAFFF", "AFFFF"}},
    // Máximo 1: a chave não pode ficar completa, k = 1 não dá nada.
    SCasoDeUmaChave{1, 1, 0, 1, {"FAFFF", "AFFFF"}},
    // Só o padrão completo tem dois favoritos, e ele é excluído.
    SCasoDeUmaChave{2, 2, 0, 0, {}},
    SCasoDeUmaChave{0, 2, 0, 0, {"FAFFF", "AFFFF", "AAFFF"}},
    // Faixas de completas fora do possível: só contam os k de 0 ao número de chaves.
    SCasoDeUmaChave{0, 2, 0, kMaior, {"FFFFF", "FAFFF", "AFFFF", "AAFFF"}},
    SCasoDeUmaChave{0, 2, 1, kMaior, {"FFFFF"}},
    SCasoDeUmaChave{0, 2, 2, kMaior, {}},
    SCasoDeUmaChave{0, 2, kMenor, 0, {"FAFFF", "AFFFF", "AAFFF"}},
    SCasoDeUmaChave{0, 2, -3, -1, {}},
    SCasoDeUmaChave{0, 2, kMaior, kMaior, {}},
    // Mínimo de completas acima do máximo: nada.
    SCasoDeUmaChave{0, 2, 1, 0, {}}));

// Os padrões saem na ordem da contagem binária, o primeiro jogo mais significativo.
TEST_F(Geracao, OrdemDosPadroesDeUmaChave)
{
    MarcarUmFavoritoEUmaAlternativa();
    NovaChave("A", {0, 1, 2}, 0, 3);
    Gerar(0, 0);
    EXPECT_EQ(Cartoes(), Padroes({"FFAFF", "FAFFF", "FAAFF", "AFFFF", "AFAFF", "AAFFF", "AAAFF"}));
    EXPECT_EQ(m_chaves[0]->m_padroes, 8);
    EXPECT_EQ(m_chaves[0]->m_visitados, 8);
}

// Máximo de acertos abaixo de n - 1: padrões incompletos com favoritos demais também saem.
TEST_F(Geracao, MaximoDeAcertosDaChave)
{
    MarcarUmFavoritoEUmaAlternativa();
    NovaChave("A", {0, 1, 2}, 0, 1);
    Gerar(0, 0);
    EXPECT_EQ(Cartoes(), Padroes({"FAAFF", "AFAFF", "AAFFF", "AAAFF"}));
}

// k decrescente; combinações de completas em ordem; incompletas aninhadas, a
// primeira por fora.
TEST_F(Geracao, DuasChavesAninhadas)
{
    MarcarUmFavoritoEUmaAlternativa();
    NovaChave("A", {0, 1}, 0, 2);
    NovaChave("B", {2, 3}, 0, 2);
    Gerar(0, 2);
    EXPECT_EQ(Cartoes(), Padroes({
        "FFFFF",
        "FFFAF", "FFAFF", "FFAAF",
        "FAFFF", "AFFFF", "AAFFF",
        "FAFAF", "FAAFF", "FAAAF",
        "AFFAF", "AFAFF", "AFAAF",
        "AAFAF", "AAAFF", "AAAAF"}));
}

// No produto, as completas vêm antes dos jogos sem chave: o jogo 3 varia mais devagar.
TEST_F(Geracao, OrdemDosGruposNoProduto)
{
    for (int m = 0; m < 5; ++m)
        Marcar(m, {3, 9}, kFavorito);
    NovaChave("A", {3, 4}, 0, 2);
    Gerar(1, 1);
    const std::vector<Cartao> cartoes = Cartoes();
    ASSERT_EQ(cartoes.size(), 32u);
    const size_t ordem_dos_grupos[5] = {3, 4, 0, 1, 2};
    for (size_t i = 0; i < cartoes.size(); ++i)
        for (size_t g = 0; g < 5; ++g)
            EXPECT_EQ(cartoes[i][ordem_dos_grupos[g]], (i >> (4 - g)) & 1 ? 9 : 3) << "cartão " << i;
}

// Jogo sem alternativas: todo padrão que erra esse jogo não dá cartão.
TEST_F(Geracao, AlternativasVaziasNaoDaoCartao)
{
    MarcarUmFavoritoEUmaAlternativa();
    Marcar(0, {kA}, kRemovido);
    NovaChave("A", {0, 1}, 0, 2);
    Gerar(0, 0);
    EXPECT_EQ(Cartoes(), Padroes({"FAFFF"}));
    EXPECT_EQ(m_aposta.m_geradas, 1);
}

TEST_F(Geracao, FaixaVaziaAindaConclui)
{
    MarcarUmFavoritoEUmaAlternativa();
    Gerar(2, 1);
    EXPECT_EQ(m_aposta.m_aprovados.Quantidade(), 0);
    const std::vector<std::string> esperados = {"Iniciar Gerando Cartoes ... com Parar de 0", "Concluir 0 0"};
    EXPECT_EQ(m_progresso.m_eventos, esperados);
}

// O progresso começa com o total de cartões da execução: a barra mostra a fração feita.
TEST_F(Geracao, ProgressoComecaComOTotalDoQuadro)
{
    MarcarUmFavoritoEUmaAlternativa();
    NovaChave("A", {0, 1}, 0, 2);
    NovaChave("B", {2, 3}, 0, 2);
    Gerar(0, 2);
    EXPECT_EQ(m_progresso.m_eventos.front(), "Iniciar Gerando Cartoes ... com Parar de 16");
    EXPECT_EQ(m_progresso.m_eventos.back(), "Concluir 16 16");
}

// Parada no começo: o total é o da execução inteira, e a chave que a geração não chegou
// a enumerar fica como estava (a contagem não deixa marca no que o arquivo grava).
TEST_F(Geracao, TotalDoQuadroMesmoComParada)
{
    for (int m = 0; m < 5; ++m) {
        Marcar(m, {0, 1, 2, 3, 4}, kFavorito);
        Marcar(m, {kA}, kAlternativa);
    }
    NovaChave("A", {0, 1}, 0, 2);
    m_chaves[0]->m_padroes = 77;
    m_chaves[0]->m_visitados = 55;
    m_progresso.m_parar_no_bombeamento = 1;
    Gerar(0, 1);
    // k = 1: 5^5; k = 0: FA e AF com 5 x 1 x 125 cada, AA com 1 x 1 x 125.
    EXPECT_EQ(m_progresso.m_eventos.front(), "Iniciar Gerando Cartoes ... com Parar de 4500");
    EXPECT_EQ(m_aposta.m_geradas, 1000);
    EXPECT_EQ(m_chaves[0]->m_padroes, 77);
    EXPECT_EQ(m_chaves[0]->m_visitados, 55);
    EXPECT_TRUE(m_chaves[0]->m_selecao.empty());
}

// Com filtro, as geradas incluem as reprovadas; as aprovadas são os cartões entregues,
// na mesma ordem.
TEST_F(Geracao, FiltroDuranteAGeracao)
{
    for (int m = 0; m < 5; ++m)
        Marcar(m, {kF, kA}, kFavorito);
    LigarFiltro(1, 2);  // no máximo 2 empates (0 x 0)
    Gerar(0, 0);
    const std::vector<Cartao> todos = Cartoes();
    ASSERT_EQ(todos.size(), 32u);

    m_aposta.m_filtrar = true;
    Gerar(0, 0);
    std::vector<Cartao> esperados;
    for (const Cartao& cartao : todos)
        if (std::count(cartao.begin(), cartao.end(), kA) <= 2)
            esperados.push_back(cartao);
    EXPECT_EQ(Cartoes(), esperados);
    EXPECT_EQ(esperados.size(), 16u);
    EXPECT_EQ(m_aposta.m_geradas, 32);
    EXPECT_EQ(m_aposta.m_aprovadas, 16);
    EXPECT_EQ(m_progresso.m_eventos.back(), "Concluir 32 16");
}

// Os filtros são lidos no começo de toda execução, filtrando ou não.
TEST_F(Geracao, CarregaOsFiltrosSempre)
{
    MarcarUmFavoritoEUmaAlternativa();
    LigarFiltro(8, 3);
    Gerar(0, 0);
    EXPECT_EQ(m_aposta.m_filtro.m_criterios[8].ligado, 1);
    EXPECT_EQ(m_aposta.m_filtro.m_criterios[8].maximo, 3);
    EXPECT_EQ(m_aposta.m_aprovadas, 1);
}

// Quadros sorteados (células, chaves, faixa de completas) e critérios sorteados: a geração
// que filtra, com as somas feitas nível a nível do produto, entrega exatamente os cartões
// da geração sem filtro que a definição dos critérios aprova, na mesma ordem, e conta
// como geradas todas as da geração sem filtro.
TEST_F(Geracao, QuadrosSorteadosFiltramComoADefinicao)
{
    std::mt19937 sorteio(2026);
    const int32_t limites[] = {0, 1, 2, 3, 4, 5, 6, 8, 10, 12, 20, 40};
    for (int volta = 0; volta < 60 && !HasFailure(); ++volta) {
        SCOPED_TRACE("quadro " + std::to_string(volta));
        m_chaves.clear();
        m_chave_do_jogo.fill(nullptr);
        for (int m = 0; m < 5; ++m) {
            m_estados[static_cast<size_t>(m)].fill(kRemovido);
            for (unsigned a = sorteio() % 4; a > 0; --a)
                Marcar(m, {static_cast<int>(sorteio() % 25)}, kAlternativa);
            const unsigned favoritos = 1 + sorteio() % 5;
            for (unsigned f = 0; f < favoritos; ++f)
                Marcar(m, {static_cast<int>(sorteio() % 25)}, kFavorito);
        }
        std::vector<int> jogos = {0, 1, 2, 3, 4};
        std::shuffle(jogos.begin(), jogos.end(), sorteio);
        const unsigned chaves = sorteio() % 3;
        for (unsigned c = 0; c < chaves; ++c) {
            const std::vector<int> da_chave(jogos.begin() + 2 * c, jogos.begin() + 2 * c + 2);
            NovaChave(std::string(1, static_cast<char>('A' + c)), da_chave, static_cast<int32_t>(sorteio() % 2),
                      static_cast<int32_t>(1 + sorteio() % 2));
        }
        for (int criterio = 0; criterio < kQtdeDeFiltros; ++criterio) {
            const std::string nome = kFiltros[static_cast<size_t>(criterio)].nome;
            m_configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_" + nome, sorteio() % 5 == 0);
            m_configuracoes.GravarInteiro(kSecaoFiltros, "m_min_" + nome, sorteio() % 2 ? 0 : limites[sorteio() % 12]);
            m_configuracoes.GravarInteiro(kSecaoFiltros, "m_max_" + nome, limites[sorteio() % 12]);
        }
        const int32_t max_completas = static_cast<int32_t>(sorteio() % 3);

        m_aposta.m_filtrar = false;
        Gerar(0, max_completas);
        const int32_t geradas = m_aposta.m_geradas;
        std::vector<Cartao> esperados;
        const std::vector<Cartao> todos = Cartoes();
        size_t posicao = 0;
        for (const CVolante cartao : m_aposta.m_aprovados) {
            if (referencia::Aprovado(cartao, m_aposta.m_filtro.m_criterios))
                esperados.push_back(todos[posicao]);
            ++posicao;
        }

        m_aposta.m_filtrar = true;
        Gerar(0, max_completas);
        EXPECT_EQ(Cartoes(), esperados);
        EXPECT_EQ(m_aposta.m_geradas, geradas);
        EXPECT_EQ(m_aposta.m_aprovadas, static_cast<int32_t>(esperados.size()));
    }
}

class GeracaoGrande : public Geracao {
protected:
    // 25 x 10 x 10 = 2500 cartões, sem chaves.
    void MarcarDoisMilEQuinhentos()
    {
        std::vector<int> todas(25);
        for (int k = 0; k < 25; ++k)
            todas[static_cast<size_t>(k)] = k;
        Marcar(0, todas, kFavorito);
        Marcar(1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, kFavorito);
        Marcar(2, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, kFavorito);
        Marcar(3, {14}, kFavorito);
        Marcar(4, {14}, kFavorito);
    }
};

TEST_F(GeracaoGrande, ProgressoACadaMilCartoes)
{
    MarcarDoisMilEQuinhentos();
    Gerar(0, 0);
    const std::vector<std::string> esperados = {
        "Iniciar Gerando Cartoes ... com Parar de 2500",
        "Atualizar 1000 1000", "Bombear",
        "Atualizar 2000 2000", "Bombear",
        "Concluir 2500 2500"};
    EXPECT_EQ(m_progresso.m_eventos, esperados);
}

// Parar guarda exatamente os cartões aprovados antes da parada, na ordem de produção.
TEST_F(GeracaoGrande, ParadaGuardaOsAprovadosEmOrdem)
{
    MarcarDoisMilEQuinhentos();
    LigarFiltro(0, 0);  // nenhum resultado favorável ao time 1
    for (bool filtrar : {false, true}) {
        SCOPED_TRACE(filtrar ? "com filtro" : "sem filtro");
        m_aposta.m_filtrar = filtrar;
        m_progresso.m_parar_no_bombeamento = 0;
        Gerar(0, 0);
        const std::vector<Cartao> todos = Cartoes();

        Preparar(0, 0);
        std::vector<Cartao> produzidos;
        m_aposta.m_filtrar = false;
        m_aposta.GerarCartoes();
        const std::vector<Cartao> sem_filtro = Cartoes();
        produzidos.assign(sem_filtro.begin(), sem_filtro.begin() + 2000);

        m_aposta.m_filtrar = filtrar;
        m_progresso.m_bombeadas = 0;
        m_progresso.m_parar_no_bombeamento = 2;
        m_progresso.m_eventos.clear();
        Gerar(0, 0);
        std::vector<Cartao> esperados;
        for (const Cartao& cartao : produzidos)
            if (std::find(todos.begin(), todos.end(), cartao) != todos.end())
                esperados.push_back(cartao);
        EXPECT_EQ(Cartoes(), esperados);
        EXPECT_EQ(m_aposta.m_geradas, 2000);
        EXPECT_EQ(m_aposta.m_aprovadas, static_cast<int32_t>(esperados.size()));
        EXPECT_EQ(m_progresso.m_eventos.back(),
                  CProgressoDaGeracao::Contagens("Concluir", 2000, static_cast<double>(esperados.size())));
    }
}

// A parada também impede os k seguintes.
TEST_F(Geracao, ParadaNaoPassaAoProximoK)
{
    for (int m = 0; m < 5; ++m) {
        Marcar(m, {0, 1, 2, 3, 4}, kFavorito);
        Marcar(m, {kA}, kAlternativa);
    }
    NovaChave("A", {0, 1}, 0, 2);
    m_progresso.m_parar_no_bombeamento = 1;
    Gerar(0, 1);  // k = 1 sozinho dá 3125 cartões
    EXPECT_EQ(m_aposta.m_geradas, 1000);
    for (const Cartao& cartao : Cartoes()) {
        EXPECT_NE(cartao[0], kA);
        EXPECT_NE(cartao[1], kA);
    }
}

// Um jogo com dois grupos de favoritos não cabe num cartão: recusado antes de começar.
TEST_F(Geracao, GruposDemaisSaoRecusados)
{
    MarcarUmFavoritoEUmaAlternativa();
    NovaChave("A", {0, 1}, 0, 2);
    Preparar(0, 1);
    m_aposta.m_grupos_sem_chave.push_back(m_chaves[0]->m_grupos[0]);
    EXPECT_THROW(m_aposta.GerarCartoes(), CErroDoUsuario);
    EXPECT_TRUE(m_progresso.m_eventos.empty());
    m_aposta.m_completas = {m_chaves[0].get()};
    EXPECT_THROW(m_aposta.Montar(), CErroDoUsuario);
}

// Menos grupos que jogos: cartões com uma entrada por grupo.
TEST_F(Geracao, MenosGruposQueJogos)
{
    MarcarUmFavoritoEUmaAlternativa();
    Preparar(0, 0);
    m_aposta.m_grupos_sem_chave.resize(2);
    m_aposta.GerarCartoes();
    ASSERT_EQ(m_aposta.m_aprovados.Quantidade(), 1);
    EXPECT_EQ(m_aposta.m_aprovados.Cartao(0).m_qtde, 2);
    m_aposta.m_grupos_sem_chave.clear();
    m_aposta.GerarCartoes();
    EXPECT_EQ(m_aposta.m_aprovados.Quantidade(), 0);
}

// Um grupo com placares de jogos diferentes: cada cartão é ordenado por jogo, de forma
// estável.
TEST_F(Geracao, GrupoMisturadoOrdenaCadaCartao)
{
    const CCartaoCheio& tabela = CCartaoCheio::Instancia();
    CScoreGrupo misturado;
    misturado.m_scores = {tabela.Celula(1, 5), tabela.Celula(0, 6)};
    CScoreGrupo primeiro;
    primeiro.m_scores = {tabela.Celula(0, 7)};
    m_aposta.m_grupos_sem_chave = {&misturado, &primeiro};
    m_aposta.GerarCartoes();
    ASSERT_EQ(m_aposta.m_aprovados.Quantidade(), 2);
    CVolante cartao = m_aposta.m_aprovados.Cartao(0);
    EXPECT_EQ(cartao.m_scores[0], tabela.Celula(0, 7));
    EXPECT_EQ(cartao.m_scores[1], tabela.Celula(1, 5));
    cartao = m_aposta.m_aprovados.Cartao(1);
    EXPECT_EQ(cartao.m_scores[0], tabela.Celula(0, 6));
    EXPECT_EQ(cartao.m_scores[1], tabela.Celula(0, 7));
}

TEST_F(Geracao, LimparEsvaziaTudo)
{
    MarcarUmFavoritoEUmaAlternativa();
    NovaChave("A", {0, 1}, 0, 2);
    Gerar(0, 1);
    ASSERT_GT(m_aposta.m_aprovados.Quantidade(), 0);
    m_aposta.Limpar();
    EXPECT_TRUE(m_aposta.m_chaves.empty());
    EXPECT_TRUE(m_aposta.m_grupos_sem_chave.empty());
    EXPECT_TRUE(m_aposta.m_completas.empty());
    EXPECT_TRUE(m_aposta.m_incompletas.empty());
    EXPECT_EQ(m_aposta.m_aprovados.Quantidade(), 0);
    EXPECT_EQ(m_aposta.m_aprovadas, 0);
}

} // namespace
