#include "checking/VizinhancaDosCartoes.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Até tantas consultas numa contagem de vizinhos, o índice é a lista ordenada em vez da
// tabela densa (zerar os 39 MB custa mais que as buscas binárias).
constexpr int64_t kConsultasDaBuscaBinaria = int64_t{1} << 18;

} // namespace

CVizinhancaDosCartoes::CVizinhancaDosCartoes(const std::vector<int32_t>& cartoes, int raio)
{
    m_presentes.assign(kCartoesPossiveis / 64 + 1, 0);
    std::array<std::array<bool, kCelulas>, 5> aparece{};
    m_distintos.reserve(cartoes.size());
    m_primeira_posicao.reserve(cartoes.size());
    for (size_t posicao = 0; posicao < cartoes.size(); ++posicao) {
        if (cartoes[posicao] < 0 || cartoes[posicao] >= kCartoesPossiveis)
            throw std::invalid_argument("cartão fora do espaço dos cartões");
        const auto cartao = static_cast<uint32_t>(cartoes[posicao]);
        uint64_t& palavra = m_presentes[cartao / 64];
        const uint64_t bit = uint64_t{1} << (cartao % 64);
        if (palavra & bit)
            continue;
        palavra |= bit;
        m_distintos.push_back(static_cast<int32_t>(cartao));
        m_primeira_posicao.push_back(static_cast<int32_t>(posicao));
        for (size_t jogo = 0; jogo < 5; ++jogo)
            aparece[jogo][static_cast<size_t>(Celula(static_cast<int32_t>(cartao), jogo))] = true;
    }
    for (size_t jogo = 0; jogo < 5; ++jogo)
        for (int celula = 0; celula < kCelulas; ++celula)
            if (aparece[jogo][static_cast<size_t>(celula)])
                m_celulas_do_jogo[jogo].push_back(celula);

    if (static_cast<int64_t>(m_distintos.size()) * TamanhoDaBola(raio) > kConsultasDaBuscaBinaria) {
        m_indice.assign(kCartoesPossiveis, 0);
        for (size_t i = 0; i < m_distintos.size(); ++i)
            m_indice[static_cast<size_t>(m_distintos[i])] = static_cast<int32_t>(i + 1);
        return;
    }
    for (size_t i = 0; i < m_distintos.size(); ++i)
        m_ordenados.emplace_back(m_distintos[i], static_cast<int32_t>(i));
    std::sort(m_ordenados.begin(), m_ordenados.end());
}

int64_t CVizinhancaDosCartoes::TamanhoDaBola(int raio) const
{
    // Polinômio elementar: por_distancia[d] = cartões a exatamente d jogos de diferença.
    std::array<int64_t, 6> por_distancia = {1, 0, 0, 0, 0, 0};
    for (size_t jogo = 0; jogo < 5; ++jogo) {
        const auto outras = std::max<int64_t>(static_cast<int64_t>(m_celulas_do_jogo[jogo].size()) - 1, 0);
        for (size_t d = 5; d > 0; --d)
            por_distancia[d] += por_distancia[d - 1] * outras;
    }
    int64_t total = 0;
    for (int d = 0; d <= std::min(raio, 5); ++d)
        total += por_distancia[static_cast<size_t>(d)];
    return total;
}

bool CVizinhancaDosCartoes::EhProdutoCompleto() const
{
    int64_t produto = 1;
    for (const std::vector<int32_t>& celulas : m_celulas_do_jogo)
        produto *= static_cast<int64_t>(celulas.size());
    return !m_distintos.empty() && produto == Quantidade();
}

int32_t CVizinhancaDosCartoes::Procurar(int32_t cartao) const
{
    const auto numero = static_cast<uint32_t>(cartao);
    if (((m_presentes[numero / 64] >> (numero % 64)) & 1) == 0)
        return 0;
    if (!m_indice.empty())
        return m_indice[numero];
    const auto achado = std::lower_bound(m_ordenados.begin(), m_ordenados.end(), std::pair{cartao, int32_t{0}});
    return achado->second + 1;
}

int CVizinhancaDosCartoes::Distancia(int32_t a, int32_t b)
{
    int distancia = 0;
    for (int jogo = 0; jogo < 5; ++jogo, a /= kCelulas, b /= kCelulas)
        distancia += a % kCelulas != b % kCelulas;
    return distancia;
}
