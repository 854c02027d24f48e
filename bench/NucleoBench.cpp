// Geração e filtragem no pior caso: o quadro de 125 favoritos, sem chaves, dá todos os
// 9.765.625 cartões possíveis.
#include "core/Aposta.h"
#include "core/CartaoCheio.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/Filtro.h"
#include "core/Progresso.h"
#include "core/ScoreGrupo.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <array>
#include <string>

namespace {

constexpr int64_t kTodosOsCartoes = 9'765'625;

// Os 125 placares como favoritos, nenhuma alternativa.
class CQuadroCheio {
public:
    CQuadroCheio()
    {
        for (int m = 0; m < 5; ++m) {
            CScoreGrupo& favoritos = m_favoritos[static_cast<size_t>(m)];
            favoritos.m_jogo = static_cast<int16_t>(m);
            favoritos.m_alternativas = &m_alternativas[static_cast<size_t>(m)];
            for (int k = 0; k < 25; ++k)
                favoritos.m_scores.push_back(CCartaoCheio::Instancia().Celula(m, k));
        }
    }

    void Preparar(CAposta& aposta, bool filtrar)
    {
        aposta.Limpar();
        for (CScoreGrupo& favoritos : m_favoritos)
            aposta.m_grupos_sem_chave.push_back(&favoritos);
        aposta.m_min_completas = 0;
        aposta.m_max_completas = 0;
        aposta.m_filtrar = filtrar;
    }

private:
    std::array<CScoreGrupo, 5> m_favoritos;
    std::array<CScoreGrupo, 5> m_alternativas;
};

void Ligar(CConfiguracoesEmMemoria& configuracoes, const std::string& nome, int minimo, int maximo)
{
    configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_" + nome, 1);
    configuracoes.GravarInteiro(kSecaoFiltros, "m_min_" + nome, minimo);
    configuracoes.GravarInteiro(kSecaoFiltros, "m_max_" + nome, maximo);
}

double PicoDeMemoriaEmMiB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;  // ru_maxrss vem em KiB
}

// Todos os cartões guardados em m_aprovados. O contador pico_MiB é o pico do processo
// inteiro: rode este caso sozinho (--benchmark_filter) para medir só a geração.
void GerarTodosOsCartoes(benchmark::State& estado)
{
    CConfiguracoesEmMemoria configuracoes;
    CProgressoSilencioso progresso;
    CAposta aposta(configuracoes, progresso);
    CQuadroCheio quadro;
    for (auto _ : estado) {
        estado.PauseTiming();
        quadro.Preparar(aposta, false);
        estado.ResumeTiming();
        aposta.GerarCartoes();
    }
    if (aposta.m_aprovadas != kTodosOsCartoes)
        estado.SkipWithError("quantidade de cartões errada");
    estado.counters["cartoes"] = aposta.m_aprovadas;
    estado.counters["pico_MiB"] = PicoDeMemoriaEmMiB();
}

// Critério 9 ("quantidade_de_gols") com máximo 0: só o cartão de cinco 0 x 0 passa.
void GerarQuaseTudoReprovado(benchmark::State& estado)
{
    CConfiguracoesEmMemoria configuracoes;
    Ligar(configuracoes, "quantidade_de_gols", 0, 0);
    CProgressoSilencioso progresso;
    CAposta aposta(configuracoes, progresso);
    CQuadroCheio quadro;
    for (auto _ : estado) {
        quadro.Preparar(aposta, true);
        aposta.GerarCartoes();
    }
    if (aposta.m_geradas != kTodosOsCartoes || aposta.m_aprovadas != 1)
        estado.SkipWithError("contagens erradas");
    estado.counters["aprovados"] = aposta.m_aprovadas;
}

// Os 26 critérios ligados com as faixas padrão: todos são apurados em cada cartão e
// nenhum reprova, o pior caso da conta por cartão.
void LigarOs26Criterios(CConfiguracoesEmMemoria& configuracoes)
{
    for (const SDefinicaoDeFiltro& filtro : kFiltros)
        Ligar(configuracoes, filtro.nome, 0, filtro.maximo);
}

void GerarComOs26Criterios(benchmark::State& estado)
{
    CConfiguracoesEmMemoria configuracoes;
    LigarOs26Criterios(configuracoes);
    CProgressoSilencioso progresso;
    CAposta aposta(configuracoes, progresso);
    CQuadroCheio quadro;
    for (auto _ : estado) {
        estado.PauseTiming();
        quadro.Preparar(aposta, true);
        estado.ResumeTiming();
        aposta.GerarCartoes();
    }
    if (aposta.m_geradas != kTodosOsCartoes || aposta.m_aprovadas != kTodosOsCartoes)
        estado.SkipWithError("contagens erradas");
}

void FiltrarComOs26Criterios(benchmark::State& estado)
{
    CConfiguracoesEmMemoria configuracoes;
    CProgressoSilencioso progresso;
    CAposta aposta(configuracoes, progresso);
    CQuadroCheio quadro;
    quadro.Preparar(aposta, false);
    aposta.GerarCartoes();
    LigarOs26Criterios(configuracoes);
    CFiltro filtro(configuracoes);
    filtro.CarregarFiltros();
    int32_t restantes = 0;
    for (auto _ : estado) {
        int32_t qtde_apostas = aposta.m_aprovadas;
        filtro.FiltrarVolantes(aposta.m_aprovados, qtde_apostas, progresso);
        restantes = qtde_apostas;
    }
    if (restantes != kTodosOsCartoes)
        estado.SkipWithError("contagens erradas");
}

// Filtragem de um documento com todos os cartões; o critério 2 ("quantidade_de_resultados_empatados")
// com máximo 0 tira dois terços deles (os que têm algum empate).
void FiltrarDocumentoInteiro(benchmark::State& estado)
{
    CConfiguracoesEmMemoria configuracoes;
    CProgressoSilencioso progresso;
    CAposta aposta(configuracoes, progresso);
    CQuadroCheio quadro;
    Ligar(configuracoes, "quantidade_de_resultados_empatados", 0, 0);
    CFiltro filtro(configuracoes);
    filtro.CarregarFiltros();
    int32_t restantes = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        quadro.Preparar(aposta, false);
        aposta.GerarCartoes();
        int32_t qtde_apostas = aposta.m_aprovadas;
        estado.ResumeTiming();
        filtro.FiltrarVolantes(aposta.m_aprovados, qtde_apostas, progresso);
        restantes = qtde_apostas;
    }
    estado.counters["restantes"] = restantes;
}

} // namespace

BENCHMARK(GerarTodosOsCartoes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GerarQuaseTudoReprovado)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(FiltrarDocumentoInteiro)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GerarComOs26Criterios)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(FiltrarComOs26Criterios)->Unit(benchmark::kMillisecond)->Iterations(3);
