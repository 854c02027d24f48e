#include "core/CartaoCheio.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/Filtro.h"
#include "core/ListaDeVolantes.h"
#include "core/Progresso.h"
#include "core/ResumoDoVolante.h"
#include "core/Score.h"
#include "core/Volante.h"
#include "tests/core/FiltroDeReferencia.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// Células do quadro usadas nos casos (índice k de um jogo).
enum : int {
    kMaisX3 = 0,
    kMaisX0 = 3,
    kUmXZero = 9,
    kMaisXMais = 10,
    kUmXUm = 13,
    kZeroXZero = 14,
    kZeroXUm = 19,
    kTresXMais = 20,
};

// Índices dos critérios (critério n = índice n - 1).
enum : int {
    kFavoraveisTime1 = 0,
    kEmpatados = 1,
    kFavoraveisTime2 = 2,
    kIguais = 3,
    kIguaisEmSequencia = 4,
    kIguaisTime1 = 5,
    kIguaisTime2 = 6,
    kIguaisEmpatados = 7,
    kGols = 8,
    kGolsTime1 = 9,
    kGolsTime2 = 10,
    kQtdeDe0 = 11,
    kQtdeDeMais = 15,
    kQtdeDe0Time1 = 16,
    kQtdeDe1Time1 = 17,
    kQtdeDe0Time2 = 21,
    kQtdeDe2Time2 = 23,
};

CVolante Cartao(const std::array<int, 5>& ks)
{
    CVolante cartao;
    cartao.m_qtde = 5;
    for (int m = 0; m < 5; ++m)
        cartao.m_scores[m] = CCartaoCheio::Instancia().Celula(m, ks[static_cast<size_t>(m)]);
    return cartao;
}

uint32_t Estatistica(const CVolante& cartao, int criterio)
{
    return CResumoDoVolante(cartao).Estatistica(criterio);
}

TEST(Filtros, TabelaDosCriterios)
{
    std::set<std::string> nomes;
    for (const SDefinicaoDeFiltro& filtro : kFiltros)
        nomes.insert(filtro.nome);
    EXPECT_EQ(nomes.size(), 26u);
    EXPECT_STREQ(kFiltros[kEmpatados].rotulo_do_dialogo, "Quantidade de resultados EMPATADOS ");
    EXPECT_STREQ(kFiltros[kIguaisEmpatados].rotulo_do_dialogo, "Quantidade de resultados iguais  EMPATADOS ");
    EXPECT_STREQ(kFiltros[kQtdeDeMais].nome, "quantidade_de_4");
    EXPECT_STREQ(kFiltros[kQtdeDeMais].rotulo_do_dialogo, "Quantidade de \"+\"");
    EXPECT_STREQ(kFiltros[kQtdeDeMais].rotulo_do_resumo, "Quantidade de 4");
    EXPECT_STREQ(kFiltros[25].nome, "quantidade_de_4_para_o_time2");
    EXPECT_EQ(kFiltros[kGols].maximo, 40);
    EXPECT_EQ(kFiltros[kGolsTime1].maximo, 20);
    EXPECT_EQ(kFiltros[kQtdeDe0].maximo, 10);
    EXPECT_EQ(kFiltros[kQtdeDe0Time2].maximo, 5);
}

struct SCasoDeEstatistica {
    std::array<int, 5> celulas;
    int criterio;
    uint32_t esperado;
};

class EstatisticaDoCartao : public testing::TestWithParam<SCasoDeEstatistica> {};

TEST_P(EstatisticaDoCartao, Valor)
{
    const SCasoDeEstatistica& caso = GetParam();
    EXPECT_EQ(Estatistica(Cartao(caso.celulas), caso.criterio), caso.esperado);
}

// 1x0, 0x1, 1x0, 1x1, +x3
constexpr std::array<int, 5> kMisto = {kUmXZero, kZeroXUm, kUmXZero, kUmXUm, kMaisX3};
constexpr std::array<int, 5> kTudoZeroXZero = {kZeroXZero, kZeroXZero, kZeroXZero, kZeroXZero, kZeroXZero};

const SCasoDeEstatistica kCasosDeEstatistica[] = {
    SCasoDeEstatistica{kMisto, kFavoraveisTime1, 3},
    SCasoDeEstatistica{kMisto, kEmpatados, 1},
    SCasoDeEstatistica{kMisto, kFavoraveisTime2, 1},
    SCasoDeEstatistica{kMisto, kIguais, 2},
    SCasoDeEstatistica{kMisto, kIguaisEmSequencia, 1},
    SCasoDeEstatistica{kMisto, kIguaisTime1, 2},
    SCasoDeEstatistica{kMisto, kIguaisTime2, 1},
    SCasoDeEstatistica{kMisto, kIguaisEmpatados, 1},
    SCasoDeEstatistica{kMisto, kGols, 12},
    SCasoDeEstatistica{kMisto, kGolsTime1, 7},
    SCasoDeEstatistica{kMisto, kGolsTime2, 5},
    SCasoDeEstatistica{kMisto, kQtdeDe0, 3},
    SCasoDeEstatistica{kMisto, kQtdeDe0 + 1, 5},
    SCasoDeEstatistica{kMisto, kQtdeDe0 + 2, 0},
    SCasoDeEstatistica{kMisto, kQtdeDe0 + 3, 1},
    SCasoDeEstatistica{kMisto, kQtdeDeMais, 1},
    SCasoDeEstatistica{kMisto, kQtdeDe1Time1, 3},
    SCasoDeEstatistica{kMisto, kQtdeDe0Time2, 2},
    SCasoDeEstatistica{kMisto, 25, 0},
    // 0 x 0 em todos os jogos: o critério 12 conta os dois times.
    SCasoDeEstatistica{kTudoZeroXZero, kQtdeDe0, 10},
    SCasoDeEstatistica{kTudoZeroXZero, kQtdeDe0Time1, 5},
    SCasoDeEstatistica{kTudoZeroXZero, kQtdeDe0Time2, 5},
    SCasoDeEstatistica{kTudoZeroXZero, kIguais, 5},
    SCasoDeEstatistica{kTudoZeroXZero, kIguaisEmSequencia, 5},
    SCasoDeEstatistica{kTudoZeroXZero, kIguaisTime1, 0},
    SCasoDeEstatistica{kTudoZeroXZero, kIguaisEmpatados, 5},
    SCasoDeEstatistica{kTudoZeroXZero, kGols, 0},
    // Todos diferentes: cada placar é candidato de si mesmo.
    SCasoDeEstatistica{{kMaisX3, kMaisX0, kUmXZero, kMaisXMais, kZeroXUm}, kIguais, 1},
    SCasoDeEstatistica{{kMaisX3, kMaisX0, kUmXZero, kMaisXMais, kZeroXUm}, kIguaisEmSequencia, 1},
    // Só repetições posteriores contam: A B A B A dá 3 a partir do primeiro A.
    SCasoDeEstatistica{{kUmXZero, kZeroXUm, kUmXZero, kZeroXUm, kUmXZero}, kIguais, 3},
    SCasoDeEstatistica{{kUmXZero, kZeroXUm, kUmXZero, kZeroXUm, kUmXZero}, kIguaisTime2, 2},
    // Sequência: jogos 0 e 2 iguais não são consecutivos; 1 e 2 são.
    SCasoDeEstatistica{{kUmXZero, kZeroXUm, kUmXZero, kUmXUm, kMaisX3}, kIguaisEmSequencia, 1},
    SCasoDeEstatistica{{kZeroXUm, kUmXZero, kUmXZero, kUmXUm, kMaisX3}, kIguaisEmSequencia, 2},
    SCasoDeEstatistica{{kZeroXUm, kUmXZero, kUmXZero, kUmXZero, kUmXZero}, kIguaisEmSequencia, 4},
    // "+" vale 4 gols: três +x+ dão 24.
    SCasoDeEstatistica{{kMaisXMais, kMaisXMais, kMaisXMais, kZeroXZero, kZeroXZero}, kGols, 24},
    SCasoDeEstatistica{{kTresXMais, kMaisXMais, kZeroXZero, kZeroXZero, kZeroXZero}, kGolsTime1, 7},
    SCasoDeEstatistica{{kTresXMais, kMaisXMais, kZeroXZero, kZeroXZero, kZeroXZero}, kFavoraveisTime2, 1}
};

INSTANTIATE_TEST_SUITE_P(Criterios, EstatisticaDoCartao, testing::ValuesIn(kCasosDeEstatistica));

// A coluna de um time é a primeira marcada com 1; sem marca vale 0 nos critérios 1 a 11
// e não conta nada nos critérios de colunas.
TEST(Filtros, ColunaDaPrimeiraMarca)
{
    auto cartao = Cartao(kTudoZeroXZero);
    CScore sem_time1;
    sem_time1.m_jogo = 0;
    sem_time1.m_time2[2] = 1;
    cartao.m_scores[0] = &sem_time1;
    EXPECT_EQ(Estatistica(cartao, kFavoraveisTime2), 1u);
    EXPECT_EQ(Estatistica(cartao, kGolsTime2), 2u);
    EXPECT_EQ(Estatistica(cartao, kQtdeDe0Time1), 4u);
    EXPECT_EQ(Estatistica(cartao, kQtdeDe0), 8u);
    EXPECT_EQ(Estatistica(cartao, kQtdeDe2Time2), 1u);

    // Duas marcas no time 1 (2 e +): vale a coluna 2, e as duas contam nas colunas.
    // Uma marca diferente de 1 não é marca.
    CScore multiplo;
    multiplo.m_jogo = 0;
    multiplo.m_time1[0] = 2;
    multiplo.m_time1[2] = 1;
    multiplo.m_time1[4] = 1;
    multiplo.m_time2[1] = 1;
    cartao.m_scores[0] = &multiplo;
    EXPECT_EQ(Estatistica(cartao, kGolsTime1), 2u);
    EXPECT_EQ(Estatistica(cartao, kFavoraveisTime1), 1u);
    EXPECT_EQ(Estatistica(cartao, kQtdeDeMais), 1u);
    EXPECT_EQ(Estatistica(cartao, kQtdeDe0Time1), 4u);
}

// Um cartão sorteado: placares de poucas células (para haver repetições) ou de toda a
// tabela, às vezes um placar avulso com marcas quaisquer (como um lido de arquivo), às
// vezes menos de cinco entradas.
CVolante CartaoSorteado(std::mt19937& sorteio, std::deque<CScore>& avulsos)
{
    CVolante cartao;
    cartao.m_qtde = sorteio() % 8 == 0 ? static_cast<int32_t>(sorteio() % 6) : 5;
    const unsigned celulas = sorteio() % 2 == 0 ? 3 : 25;
    for (int m = 0; m < 5; ++m) {
        if (sorteio() % 6 == 0) {
            CScore& avulso = avulsos.emplace_back();
            avulso.m_jogo = static_cast<int16_t>(m);
            for (int c = 0; c < 5; ++c) {
                avulso.m_time1[c] = static_cast<int16_t>(sorteio() % 4 == 0 ? sorteio() % 3 : 0);
                avulso.m_time2[c] = static_cast<int16_t>(sorteio() % 4 == 0 ? sorteio() % 3 : 0);
            }
            cartao.m_scores[m] = &avulso;
        } else {
            cartao.m_scores[m] = CCartaoCheio::Instancia().Celula(m, static_cast<int>(sorteio() % celulas));
        }
    }
    return cartao;
}

// Critérios sorteados: uns ligados, limites dentro e fora das faixas, negativos e enormes.
std::array<CFiltro::SCriterio, kQtdeDeFiltros> CriteriosSorteados(std::mt19937& sorteio)
{
    const int32_t limites[] = {-7, -1, 0, 1, 2, 3, 4, 5, 6, 8, 10, 12, 20, 40, 41, 127, 128, 255, 256, 100000};
    std::array<CFiltro::SCriterio, kQtdeDeFiltros> criterios{};
    for (CFiltro::SCriterio& criterio : criterios) {
        criterio.ligado = sorteio() % 4 == 0 ? static_cast<int32_t>(sorteio() % 3) : 0;
        criterio.minimo = sorteio() % 2 == 0 ? 0 : limites[sorteio() % std::size(limites)];
        criterio.maximo = limites[sorteio() % std::size(limites)];
    }
    return criterios;
}

// As estatísticas e a aprovação, por faixas de bytes, iguais às das definições.
TEST(Filtros, CartoesSorteadosComoNasDefinicoes)
{
    std::mt19937 sorteio(19);
    std::deque<CScore> avulsos;
    CConfiguracoesEmMemoria configuracoes;
    CFiltro filtro(configuracoes);
    int aprovados = 0;
    for (int volta = 0; volta < 20000 && !testing::Test::HasFailure(); ++volta) {
        const CVolante cartao = CartaoSorteado(sorteio, avulsos);
        const CResumoDoVolante resumo(cartao);
        for (int criterio = 0; criterio < kQtdeDeFiltros; ++criterio)
            EXPECT_EQ(resumo.Estatistica(criterio), referencia::Estatistica(cartao, criterio))
                << "volta " << volta << ", critério " << criterio + 1;
        filtro.m_criterios = CriteriosSorteados(sorteio);
        const bool esperado = referencia::Aprovado(cartao, filtro.m_criterios);
        EXPECT_EQ(filtro.AprovarVolante(cartao), esperado) << "volta " << volta;
        aprovados += esperado;
    }
    // Os sorteios dão dos dois casos.
    EXPECT_GT(aprovados, 2000);
    EXPECT_LT(aprovados, 18000);
}

class FiltroLigado : public testing::Test {
protected:
    void Ligar(int criterio, int32_t minimo, int32_t maximo)
    {
        const std::string nome = kFiltros[static_cast<size_t>(criterio)].nome;
        m_configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_" + nome, 1);
        m_configuracoes.GravarInteiro(kSecaoFiltros, "m_min_" + nome, minimo);
        m_configuracoes.GravarInteiro(kSecaoFiltros, "m_max_" + nome, maximo);
        m_filtro.CarregarFiltros();
    }
    bool Aprova(const std::array<int, 5>& celulas) const { return m_filtro.AprovarVolante(Cartao(celulas)); }

    CConfiguracoesEmMemoria m_configuracoes;
    CFiltro m_filtro{m_configuracoes};
};

TEST_F(FiltroLigado, PadroesSemConfiguracao)
{
    m_filtro.CarregarFiltros();
    for (size_t i = 0; i < kFiltros.size(); ++i) {
        EXPECT_EQ(m_filtro.m_criterios[i].ligado, 0);
        EXPECT_EQ(m_filtro.m_criterios[i].minimo, 0);
        EXPECT_EQ(m_filtro.m_criterios[i].maximo, kFiltros[i].maximo);
    }
    EXPECT_TRUE(Aprova(kMisto));
}

TEST_F(FiltroLigado, DesligadoNaoReprovaNada)
{
    for (const SDefinicaoDeFiltro& filtro : kFiltros) {
        m_configuracoes.GravarInteiro(kSecaoFiltros, std::string("m_min_") + filtro.nome, 30);
        m_configuracoes.GravarInteiro(kSecaoFiltros, std::string("m_max_") + filtro.nome, 0);
    }
    m_filtro.CarregarFiltros();
    EXPECT_TRUE(Aprova(kMisto));
    EXPECT_TRUE(Aprova(kTudoZeroXZero));
}

TEST_F(FiltroLigado, LimitesInclusivos)
{
    Ligar(kGols, 12, 12);
    EXPECT_TRUE(Aprova(kMisto));
    Ligar(kGols, 13, 40);
    EXPECT_FALSE(Aprova(kMisto));
    Ligar(kGols, 0, 11);
    EXPECT_FALSE(Aprova(kMisto));
}

// Comparação sem sinal: mínimo negativo reprova tudo; máximo negativo nunca reprova.
TEST_F(FiltroLigado, NegativosComoSemSinal)
{
    Ligar(kFavoraveisTime1, -1, 5);
    EXPECT_FALSE(Aprova(kMisto));
    EXPECT_FALSE(Aprova(kTudoZeroXZero));
    Ligar(kFavoraveisTime1, 0, -1);
    EXPECT_TRUE(Aprova(kMisto));
    Ligar(kFavoraveisTime1, 4, -7);
    EXPECT_FALSE(Aprova(kMisto));
}

TEST_F(FiltroLigado, CasosDosCriterios)
{
    Ligar(kIguais, 2, 5);
    EXPECT_FALSE(Aprova({kMaisX3, kMaisX0, kUmXZero, kMaisXMais, kZeroXUm}));
    EXPECT_TRUE(Aprova({kUmXZero, kMaisX0, kUmXZero, kMaisXMais, kZeroXUm}));

    CConfiguracoesEmMemoria limpas;
    CFiltro so_empatados(limpas);
    const std::string nome = kFiltros[kIguaisEmpatados].nome;
    limpas.GravarInteiro(kSecaoFiltros, "m_bool_" + nome, 7);  // qualquer valor não nulo liga
    limpas.GravarInteiro(kSecaoFiltros, "m_max_" + nome, 1);
    so_empatados.CarregarFiltros();
    EXPECT_FALSE(so_empatados.AprovarVolante(Cartao({kZeroXZero, kUmXZero, kZeroXZero, kMaisX3, kZeroXUm})));
    EXPECT_TRUE(so_empatados.AprovarVolante(Cartao({kZeroXZero, kUmXZero, kUmXUm, kMaisX3, kZeroXUm})));

    Ligar(kGols, 0, 10);
    EXPECT_FALSE(Aprova({kMaisXMais, kMaisXMais, kMaisXMais, kZeroXZero, kZeroXZero}));
}

// Qualquer critério ligado reprova, seja qual for a ordem de avaliação.
TEST_F(FiltroLigado, BastaUmCriterioReprovar)
{
    Ligar(kGolsTime2, 0, 20);
    Ligar(kQtdeDe0Time2, 0, 1);
    EXPECT_FALSE(Aprova(kMisto));
    Ligar(kQtdeDe0Time2, 0, 2);
    EXPECT_TRUE(Aprova(kMisto));
}

// Progresso falso: aperta "Parar" no tratamento de mensagens de número dado (um a
// cada 10 cartões verificados).
class CProgressoDaFiltragem : public IProgressoFiltragem {
public:
    explicit CProgressoDaFiltragem(int parar_no_bombeamento = 0) : m_parar_no_bombeamento(parar_no_bombeamento) {}

    void Iniciar(int total) override
    {
        m_total = total;
        m_parar = false;
    }
    void Atualizar(int verificadas, int reprovadas) override
    {
        m_atualizacoes.push_back({verificadas, reprovadas});
    }
    void BombearMensagens() override
    {
        if (++m_bombeadas == m_parar_no_bombeamento)
            m_parar = true;
    }
    bool PararSolicitado() const override { return m_parar; }
    void Concluir() override { ++m_concluidas; }

    int m_parar_no_bombeamento;
    int m_total = -1;
    bool m_parar = false;
    int m_bombeadas = 0;
    int m_concluidas = 0;
    std::vector<std::array<int, 2>> m_atualizacoes;
};

class Filtragem : public FiltroLigado {
protected:
    // Cartões alternados: 0 x 0 em todos os jogos (reprovado quando os empates são
    // limitados a 4) e 1 x 0 em todos (aprovado). Cada um com placares próprios (cópias
    // das células), para que se saiba quais ficaram; com 52 cartões ou mais a tabela
    // de placares da lista passa de 256.
    void Encher(int quantidade)
    {
        for (int i = 0; i < quantidade; ++i) {
            const int k = i % 2 == 0 ? kZeroXZero : kUmXZero;
            CVolante cartao = Cartao({k, k, k, k, k});
            for (const CScore*& placar : cartao.m_scores) {
                m_placares.push_back(*placar);
                placar = &m_placares.back();
            }
            m_lista.Adicionar(cartao);
            m_cartoes.push_back(cartao);
        }
        m_qtde_apostas = quantidade;
    }
    std::vector<CVolante> Restantes() const { return {m_lista.begin(), m_lista.end()}; }

    std::deque<CScore> m_placares;
    CListaDeVolantes m_lista;
    std::vector<CVolante> m_cartoes;
    int32_t m_qtde_apostas = 0;
};

TEST_F(Filtragem, SemFiltrosNadaSai)
{
    Encher(25);
    m_filtro.CarregarFiltros();
    CProgressoDaFiltragem progresso;
    m_filtro.FiltrarVolantes(m_lista, m_qtde_apostas, progresso);
    EXPECT_EQ(m_lista.Quantidade(), 25);
    EXPECT_EQ(m_qtde_apostas, 25);
    EXPECT_EQ(progresso.m_total, 25);
    EXPECT_EQ(progresso.m_bombeadas, 2);
    const std::vector<std::array<int, 2>> esperadas = {{10, 0}, {20, 0}, {25, 0}};
    EXPECT_EQ(progresso.m_atualizacoes, esperadas);
    EXPECT_EQ(progresso.m_concluidas, 1);
}

TEST_F(Filtragem, RemoveReprovadosEDescontaApostas)
{
    Encher(25);
    Ligar(kEmpatados, 0, 4);
    CProgressoDaFiltragem progresso;
    m_filtro.FiltrarVolantes(m_lista, m_qtde_apostas, progresso);
    std::vector<CVolante> aprovados;
    for (size_t i = 1; i < m_cartoes.size(); i += 2)
        aprovados.push_back(m_cartoes[i]);
    EXPECT_EQ(Restantes(), aprovados);
    EXPECT_EQ(m_lista.Quantidade(), 12);
    EXPECT_EQ(m_qtde_apostas, 12);
    EXPECT_EQ(progresso.m_atualizacoes.back(), (std::array<int, 2>{25, 13}));
}

// Parar depois de 40 de 100: só os 40 verificados podem ter saído.
TEST_F(Filtragem, ParadaMantemORestoIntacto)
{
    Encher(100);
    Ligar(kFavoraveisTime1, 0, 0);  // reprova os 1 x 0
    Ligar(kEmpatados, 0, 4);        // e os 0 x 0: todos
    CProgressoDaFiltragem progresso(4);
    m_filtro.FiltrarVolantes(m_lista, m_qtde_apostas, progresso);
    EXPECT_EQ(Restantes(), std::vector<CVolante>(m_cartoes.begin() + 40, m_cartoes.end()));
    EXPECT_EQ(m_qtde_apostas, 60);
    EXPECT_EQ(progresso.m_atualizacoes.back(), (std::array<int, 2>{40, 40}));
    EXPECT_EQ(progresso.m_concluidas, 1);
}

// A filtragem da lista apura as estatísticas pela tabela dos seus placares, não pelos
// ponteiros do cartão: cada caso fica com o critério na faixa exata do valor e sai fora dela.
class EstatisticaNaLista : public testing::TestWithParam<SCasoDeEstatistica> {};

TEST_P(EstatisticaNaLista, FaixaDoValor)
{
    const SCasoDeEstatistica& caso = GetParam();
    const std::string nome = kFiltros[static_cast<size_t>(caso.criterio)].nome;
    const auto esperado = static_cast<int32_t>(caso.esperado);
    for (const bool dentro : {true, false}) {
        CConfiguracoesEmMemoria configuracoes;
        configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_" + nome, 1);
        configuracoes.GravarInteiro(kSecaoFiltros, "m_min_" + nome, dentro ? esperado : esperado + 1);
        configuracoes.GravarInteiro(kSecaoFiltros, "m_max_" + nome, dentro ? esperado : 1000);
        CFiltro filtro(configuracoes);
        filtro.CarregarFiltros();
        CListaDeVolantes lista;
        lista.Adicionar(Cartao(caso.celulas));
        int32_t apostas = 1;
        CProgressoDaFiltragem progresso;
        filtro.FiltrarVolantes(lista, apostas, progresso);
        EXPECT_EQ(lista.Quantidade(), dentro ? 1 : 0) << (dentro ? "na faixa" : "fora da faixa");
    }
}

INSTANTIATE_TEST_SUITE_P(Criterios, EstatisticaNaLista, testing::ValuesIn(kCasosDeEstatistica));

// Um cartão lido de arquivo pode valer várias apostas: o total desconta todas.
TEST_F(Filtragem, DescontaAsApostasDoCartao)
{
    CScore multiplo;  // 0 x 0 e 0 x 1 e 0 x 2 no jogo 0: três apostas
    multiplo.m_jogo = 0;
    multiplo.m_time1[0] = 1;
    multiplo.m_time2[0] = multiplo.m_time2[1] = multiplo.m_time2[2] = 1;
    auto triplo = Cartao(kTudoZeroXZero);
    triplo.m_scores[0] = &multiplo;
    m_lista.Adicionar(triplo);
    m_lista.Adicionar(Cartao(kMisto));
    m_qtde_apostas = 4;
    Ligar(kEmpatados, 0, 4);
    CProgressoDaFiltragem progresso;
    m_filtro.FiltrarVolantes(m_lista, m_qtde_apostas, progresso);
    EXPECT_EQ(m_lista.Quantidade(), 1);
    EXPECT_EQ(m_qtde_apostas, 1);
}

// A filtragem da lista (descrições da tabela de placares da lista) tira os mesmos
// cartões que a definição, com critérios sorteados.
TEST_F(Filtragem, ListaSorteadaComoNasDefinicoes)
{
    std::mt19937 sorteio(23);
    for (int volta = 0; volta < 40 && !HasFailure(); ++volta) {
        CListaDeVolantes lista;
        std::vector<CVolante> esperados;
        const std::array<CFiltro::SCriterio, kQtdeDeFiltros> criterios = CriteriosSorteados(sorteio);
        for (int c = 0; c < 500; ++c) {
            CVolante cartao = CartaoSorteado(sorteio, m_placares);
            cartao.m_qtde = 5;
            lista.Adicionar(cartao);
            if (referencia::Aprovado(cartao, criterios))
                esperados.push_back(cartao);
        }
        m_filtro.m_criterios = criterios;
        int32_t apostas = lista.Quantidade();
        CProgressoDaFiltragem progresso;
        m_filtro.FiltrarVolantes(lista, apostas, progresso);
        EXPECT_EQ(std::vector<CVolante>(lista.begin(), lista.end()), esperados) << "volta " << volta;
    }
}

TEST_F(Filtragem, ListaVazia)
{
    m_filtro.CarregarFiltros();
    CProgressoDaFiltragem progresso;
    m_filtro.FiltrarVolantes(m_lista, m_qtde_apostas, progresso);
    EXPECT_EQ(progresso.m_total, 0);
    EXPECT_EQ(progresso.m_atualizacoes, (std::vector<std::array<int, 2>>{{0, 0}}));
    EXPECT_EQ(progresso.m_concluidas, 1);
    EXPECT_EQ(m_qtde_apostas, 0);
}

} // namespace
