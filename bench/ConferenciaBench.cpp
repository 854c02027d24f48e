// Análise de vários concursos: 100.000 cartões sorteados contra 1.000 concursos, o
// quadro inteiro (9.765.625 cartões) contra alguns concursos e a demora de "Parar" nele.
#include "bench/QuadroInteiro.h"
#include "checking/AnaliseDeConcursos.h"

#include "checking/CartoesIndexados.h"
#include "core/CartaoCheio.h"
#include "core/ListaDeVolantes.h"
#include "checking/ProgressoDaAnalise.h"
#include "core/Volante.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace {

constexpr int kCartoes = 100'000;
constexpr int kConcursos = 1'000;
constexpr int kConcursosNoQuadroInteiro = 64;
// Bem mais do que dá tempo de analisar antes do pedido de parada, mesmo com a máquina livre.
constexpr int kConcursosParaParar = 20'000;
using Relogio = std::chrono::steady_clock;

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

// Todos os cartões possíveis, na ordem da geração do quadro cheio.
const CListaDeVolantes& QuadroInteiro()
{
    static CListaDeVolantes volantes;
    if (volantes.Quantidade() == 0)
        AcrescentarOQuadroInteiro(volantes);
    return volantes;
}

CListaDeResultados SortearResultados(std::mt19937& sorteio, int quantidade)
{
    std::uniform_int_distribution<int> celula(0, 24);
    CListaDeResultados resultados;
    for (int concurso = 1; concurso <= quantidade; ++concurso) {
        auto resultado = std::make_unique<CResultadoVarenta>();
        resultado->m_concurso = concurso;
        for (int jogo = 0; jogo < 5; ++jogo)
            resultado->m_scores.push_back(
                std::make_unique<CScore>(*CCartaoCheio::Instancia().Celula(jogo, celula(sorteio))));
        resultados.push_back(std::move(resultado));
    }
    return resultados;
}

void Conferencias(benchmark::State& estado, double cartoes, double concursos)
{
    estado.counters["conferencias_por_s"] =
        benchmark::Counter(cartoes * concursos, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_AnaliseDeMilConcursos(benchmark::State& estado)
{
    std::mt19937 sorteio(2024);
    CListaDeVolantes volantes;
    SortearCartoes(volantes, sorteio);
    const CListaDeResultados resultados = SortearResultados(sorteio, kConcursos);
    CProgressoAnaliseSilencioso progresso;
    for (auto _ : estado) {
        CAnaliseDeConcursos analise(resultados);
        analise.Analisar(volantes, 0, kConcursos - 1, progresso);
        benchmark::DoNotOptimize(analise.Total());
    }
    Conferencias(estado, kCartoes, kConcursos);
}
BENCHMARK(BM_AnaliseDeMilConcursos)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// Só a preparação dos cartões, que vem antes do primeiro concurso (e da primeira vez da interface).
void BM_IndexarQuadroInteiro(benchmark::State& estado)
{
    const CListaDeVolantes& volantes = QuadroInteiro();
    for (auto _ : estado) {
        const CCartoesIndexados cartoes(volantes, [] { return true; });
        benchmark::DoNotOptimize(cartoes.Quantidade());
    }
}
BENCHMARK(BM_IndexarQuadroInteiro)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_AnaliseDoQuadroInteiro(benchmark::State& estado)
{
    const CListaDeVolantes& volantes = QuadroInteiro();
    std::mt19937 sorteio(2025);
    const CListaDeResultados resultados = SortearResultados(sorteio, kConcursosNoQuadroInteiro);
    CProgressoAnaliseSilencioso progresso;
    for (auto _ : estado) {
        CAnaliseDeConcursos analise(resultados);
        analise.Analisar(volantes, 0, kConcursosNoQuadroInteiro - 1, progresso);
        benchmark::DoNotOptimize(analise.Total());
    }
    Conferencias(estado, volantes.Quantidade(), kConcursosNoQuadroInteiro);
}
BENCHMARK(BM_AnaliseDoQuadroInteiro)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// "Parar" pedido por outra thread, como o clique chega à tela, num instante dado.
class CParadaPedida : public IProgressoAnalise {
public:
    void BombearMensagens() override {}
    bool PararSolicitado() const override { return m_pedida.load(); }
    void ConcursoConcluido(const SLinhaDaAnalise&) override {}

    void Pedir()
    {
        m_pedida_em = Relogio::now();
        m_pedida.store(true);
    }
    Relogio::time_point PedidaEm() const { return m_pedida_em; }

private:
    std::atomic<bool> m_pedida{false};
    Relogio::time_point m_pedida_em;
};

// Tempo do pedido de parada até Analisar voltar, com o pedido feito tantos ms depois do início
// (cedo cai na leitura dos cartões; tarde, no meio de uma passada).
void BM_PararNoQuadroInteiro(benchmark::State& estado)
{
    const CListaDeVolantes& volantes = QuadroInteiro();
    std::mt19937 sorteio(2026);
    const CListaDeResultados resultados = SortearResultados(sorteio, kConcursosParaParar);
    const auto atraso = std::chrono::milliseconds(estado.range(0));
    size_t linhas = 0;
    double maior = 0;
    for (auto _ : estado) {
        CParadaPedida parada;
        CAnaliseDeConcursos analise(resultados);
        std::thread pedido([&parada, atraso] {
            std::this_thread::sleep_for(atraso);
            parada.Pedir();
        });
        analise.Analisar(volantes, 0, kConcursosParaParar - 1, parada);
        const Relogio::time_point fim = Relogio::now();
        pedido.join();
        if (!analise.Interrompida()) {
            estado.SkipWithError("a análise terminou antes do pedido de parada");
            break;
        }
        const double demora = std::chrono::duration<double>(fim - parada.PedidaEm()).count();
        estado.SetIterationTime(demora);
        maior = std::max(maior, demora);
        linhas = analise.Linhas().size();
    }
    estado.counters["concursos_terminados"] = double(linhas);
    estado.counters["maior_ms"] = maior * 1000;
}
BENCHMARK(BM_PararNoQuadroInteiro)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

} // namespace
