// Arquivo de apostas no pior caso: os 9.765.625 cartões possíveis (14 bytes cada).
// Meta: gravar em menos de 1,5 s e ler de volta em menos de 1,5 s.
#include "document/ArquivoDeApostas.h"
#include "core/CartaoCheio.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

constexpr int64_t kTodosOsCartoes = 9'765'625;

std::unique_ptr<CVarentaDoc> DocumentoComTodosOsCartoes()
{
    const auto& tabela = CCartaoCheio::Instancia();
    auto documento = std::make_unique<CVarentaDoc>();
    documento->OnNewDocument();
    int k[5];
    for (k[0] = 0; k[0] < 25; ++k[0])
        for (k[1] = 0; k[1] < 25; ++k[1])
            for (k[2] = 0; k[2] < 25; ++k[2])
                for (k[3] = 0; k[3] < 25; ++k[3])
                    for (k[4] = 0; k[4] < 25; ++k[4]) {
                        CVolante cartao;
                        cartao.m_qtde = 5;
                        for (int m = 0; m < 5; ++m)
                            cartao.m_scores[m] = tabela.Celula(m, k[m]);
                        documento->m_volantes.Adicionar(cartao);
                    }
    documento->m_qtde_apostas = static_cast<int32_t>(kTodosOsCartoes);
    documento->AposAbrir();
    return documento;
}

std::filesystem::path ArquivoTemporario()
{
    return std::filesystem::temp_directory_path() / "quinaro-bench-todos.vrt";
}

void GravarTodosOsCartoes(benchmark::State& estado)
{
    const auto documento = DocumentoComTodosOsCartoes();
    for (auto _ : estado)
        GravarArquivoDeApostas(*documento, ArquivoTemporario());
    estado.counters["MB"] = static_cast<double>(std::filesystem::file_size(ArquivoTemporario())) / 1e6;
    std::filesystem::remove(ArquivoTemporario());
}

void LerTodosOsCartoes(benchmark::State& estado)
{
    GravarArquivoDeApostas(*DocumentoComTodosOsCartoes(), ArquivoTemporario());
    for (auto _ : estado) {
        auto lido = LerArquivoDeApostas(ArquivoTemporario());
        if (lido->m_volantes.Quantidade() != kTodosOsCartoes)
            estado.SkipWithError("faltaram cartões");
        estado.PauseTiming();
        lido.reset();
        estado.ResumeTiming();
    }
    std::filesystem::remove(ArquivoTemporario());
}

} // namespace

BENCHMARK(GravarTodosOsCartoes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LerTodosOsCartoes)->Unit(benchmark::kMillisecond)->Iterations(3);
