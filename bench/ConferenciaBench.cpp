// Análise de vários concursos: 100.000 cartões contra 1.000 concursos.
#include "checking/AnaliseDeConcursos.h"

#include "core/CartaoCheio.h"
#include "core/ListaDeVolantes.h"
#include "checking/ProgressoDaAnalise.h"
#include "core/Volante.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int kCartoes = 100'000;
constexpr int kConcursos = 1'000;

void SortearCartoes(CListaDeVolantes& volantes, std::mt19937& sorteio)
{
    std::uniform_int_distribution<int> celula(0, 24);
    for (int i = 0; i < kCartoes; ++i) {
        CVolante volante;
        volante.m_qtde = 5;
        for (int jogo = 0; jogo < 5; ++jogo)
            volante.m_scores[jogo] = CCartaoCheio::Instancia().Celula(jogo, celula(sorteio));
        volantes.Adicionar(volante);
    }
}

CListaDeResultados SortearResultados(std::mt19937& sorteio)
{
    std::uniform_int_distribution<int> celula(0, 24);
    CListaDeResultados resultados;
    for (int concurso = 1; concurso <= kConcursos; ++concurso) {
        auto resultado = std::make_unique<CResultadoVarenta>();
        resultado->m_concurso = concurso;
        for (int jogo = 0; jogo < 5; ++jogo)
            resultado->m_scores.push_back(
                std::make_unique<CScore>(*CCartaoCheio::Instancia().Celula(jogo, celula(sorteio))));
        resultados.push_back(std::move(resultado));
    }
    return resultados;
}

void BM_AnaliseDeMilConcursos(benchmark::State& estado)
{
    std::mt19937 sorteio(2024);
    CListaDeVolantes volantes;
    SortearCartoes(volantes, sorteio);
    const CListaDeResultados resultados = SortearResultados(sorteio);
    CProgressoAnaliseSilencioso progresso;
    for (auto _ : estado) {
        CAnaliseDeConcursos analise(resultados);
        analise.Analisar(volantes, 0, kConcursos - 1, progresso);
        benchmark::DoNotOptimize(analise.Total());
    }
    estado.counters["cartoes_por_s"] =
        benchmark::Counter(double(kCartoes) * kConcursos, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_AnaliseDeMilConcursos)->Unit(benchmark::kMillisecond);

} // namespace
