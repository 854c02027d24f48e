#include "checking/ContagemEmParalelo.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr size_t kMaximoDeThreads = 16;

// Os blocos saem em ordem de um contador comum; quem tira um bloco sempre o termina.
class CReparticao {
public:
    CReparticao(const CCartoesIndexados& cartoes, size_t primeiro_bloco,
                std::span<const CCartoesIndexados::SResultado> resultados)
        : m_cartoes(cartoes), m_resultados(resultados), m_proximo(primeiro_bloco)
    {
    }

    template <typename EntreBlocos>
    void Trabalhar(std::span<std::array<int64_t, 6>> contagens, EntreBlocos&& entre_blocos)
    {
        while (!m_parar.load(std::memory_order_relaxed)) {
            const size_t bloco = m_proximo.fetch_add(1);
            if (bloco >= m_cartoes.Blocos())
                return;
            m_cartoes.ContarBloco(bloco, m_resultados, contagens);
            m_contados.fetch_add(m_cartoes.CartoesDoBloco(bloco));
            if (!entre_blocos(m_contados.load()))
                Parar();
        }
    }

    void Parar() { m_parar.store(true); }
    size_t ProximoBloco() const { return std::min(m_proximo.load(), m_cartoes.Blocos()); }

private:
    const CCartoesIndexados& m_cartoes;
    std::span<const CCartoesIndexados::SResultado> m_resultados;
    std::atomic<size_t> m_proximo;
    std::atomic<size_t> m_contados{0};
    std::atomic<bool> m_parar{false};
};

size_t ThreadsAuxiliares(size_t blocos)
{
    const size_t nucleos = std::max<size_t>(std::thread::hardware_concurrency(), 1);
    return std::min({nucleos, blocos, kMaximoDeThreads}) - std::min<size_t>(blocos, 1);
}

} // namespace

size_t ContarEmParalelo(const CCartoesIndexados& cartoes, size_t primeiro_bloco,
                        std::span<const CCartoesIndexados::SResultado> resultados,
                        std::span<std::array<int64_t, 6>> contagens, const VezDaContagem& vez)
{
    CReparticao reparticao(cartoes, primeiro_bloco, resultados);
    const size_t auxiliares = ThreadsAuxiliares(cartoes.Blocos() - std::min(primeiro_bloco, cartoes.Blocos()));
    std::vector<std::vector<std::array<int64_t, 6>>> parciais(auxiliares,
                                                             std::vector<std::array<int64_t, 6>>(resultados.size()));
    std::vector<std::thread> threads;
    const auto juntar = [&] {
        for (std::thread& thread : threads)
            thread.join();
    };
    try {
        for (auto& parcial : parciais)
            threads.emplace_back([&reparticao, &parcial] { reparticao.Trabalhar(parcial, [](size_t) { return true; }); });
        reparticao.Trabalhar(contagens, vez);
    } catch (...) {
        // Nenhuma thread sobrevive à chamada, nem quando a interface lança.
        reparticao.Parar();
        juntar();
        throw;
    }
    juntar();
    for (const auto& parcial : parciais)
        for (size_t r = 0; r < contagens.size(); ++r)
            for (size_t k = 0; k < 6; ++k)
                contagens[r][k] += parcial[r][k];
    return reparticao.ProximoBloco();
}
