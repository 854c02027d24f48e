#include "checking/CartoesIndexados.h"

#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <algorithm>
#include <limits>

namespace {

// Extensão vetorial do compilador: a mesma conta vira SSE2, AVX2, NEON etc. O tipo solto
// é o mesmo vetor lido de qualquer endereço dos bytes das colunas.
typedef int8_t Vetor16 __attribute__((vector_size(16)));
typedef int8_t Vetor16Solto __attribute__((vector_size(16), aligned(1), may_alias));
typedef int8_t Vetor32 __attribute__((vector_size(32)));
typedef int8_t Vetor32Solto __attribute__((vector_size(32), aligned(1), may_alias));
// Contadores de um byte: no máximo 255 vetores por soma parcial (128 ou 64 aqui).
constexpr size_t kCartoesPorTrecho = 2048;
static_assert(CCartoesIndexados::kCartoesPorBloco % kCartoesPorTrecho == 0);

// Byte que nenhum cartão comum tem (os números vão de 0 a 253, gravados mais 1).
constexpr uint8_t kNenhumCodigo = 255;
constexpr uint32_t kNumerosPorByte = 254;
constexpr uint32_t kNenhumasMarcas = std::numeric_limits<uint32_t>::max();

template <typename Vetor>
inline __attribute__((always_inline)) int64_t SomaDosBytes(const Vetor& contadores)
{
    int64_t soma = 0;
    for (size_t i = 0; i < sizeof(Vetor); ++i)
        soma += static_cast<uint8_t>(contadores[i]);
    return soma;
}

// Classes 1 a 5 de um trecho de cartões comuns; a classe 0 é o que sobra. Embutida em
// cada versão do processador, que a compila com as suas instruções.
template <typename Vetor, typename VetorSolto>
inline __attribute__((always_inline)) void ContarTrechoEmVetores(const std::array<const uint8_t*, 5>& colunas,
                                                                 const std::array<uint8_t, 5>& codigo,
                                                                 std::array<int64_t, 6>& contagem)
{
    Vetor alvo[5];
    const VetorSolto* coluna[5];
    for (size_t jogo = 0; jogo < 5; ++jogo) {
        alvo[jogo] = Vetor{} + static_cast<int8_t>(codigo[jogo]);
        coluna[jogo] = reinterpret_cast<const VetorSolto*>(colunas[jogo]);
    }
    Vetor classe[6] = {};
    for (size_t v = 0; v < kCartoesPorTrecho / sizeof(Vetor); ++v) {
        // Cada igualdade dá -1: a soma é menos o número de acertos.
        const Vetor menos_acertos = (coluna[0][v] == alvo[0]) + (coluna[1][v] == alvo[1]) +
                                    (coluna[2][v] == alvo[2]) + (coluna[3][v] == alvo[3]) +
                                    (coluna[4][v] == alvo[4]);
        classe[1] -= menos_acertos == -1;
        classe[2] -= menos_acertos == -2;
        classe[3] -= menos_acertos == -3;
        classe[4] -= menos_acertos == -4;
        classe[5] -= menos_acertos == -5;
    }
    for (size_t k = 1; k < 6; ++k)
        contagem[k] += SomaDosBytes(classe[k]);
}

using ContagemDeTrecho = void (*)(const std::array<const uint8_t*, 5>&, const std::array<uint8_t, 5>&,
                                  std::array<int64_t, 6>&);

void ContarTrechoBasico(const std::array<const uint8_t*, 5>& colunas, const std::array<uint8_t, 5>& codigo,
                        std::array<int64_t, 6>& contagem)
{
    ContarTrechoEmVetores<Vetor16, Vetor16Solto>(colunas, codigo, contagem);
}

// Escolhida na primeira contagem, não ao carregar o programa: as compilações com
// sanitizadores não aceitam código instrumentado antes de eles começarem.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx2"))) void ContarTrechoAvx2(const std::array<const uint8_t*, 5>& colunas,
                                                      const std::array<uint8_t, 5>& codigo,
                                                      std::array<int64_t, 6>& contagem)
{
    ContarTrechoEmVetores<Vetor32, Vetor32Solto>(colunas, codigo, contagem);
}

ContagemDeTrecho ContagemDoProcessador()
{
    return __builtin_cpu_supports("avx2") ? ContarTrechoAvx2 : ContarTrechoBasico;
}
#else
ContagemDeTrecho ContagemDoProcessador()
{
    return ContarTrechoBasico;
}
#endif

// O que MesmoPlacar compara: as cinco marcas de cada time.
std::array<int16_t, 10> MarcasDe(const CScore& placar)
{
    std::array<int16_t, 10> marcas;
    std::copy(std::begin(placar.m_time1), std::end(placar.m_time1), marcas.begin());
    std::copy(std::begin(placar.m_time2), std::end(placar.m_time2), marcas.begin() + 5);
    return marcas;
}

} // namespace

CCartoesIndexados::CCartoesIndexados(const CListaDeVolantes& volantes, const std::function<bool()>& continuar)
{
    // A lista já guarda cada placar distinto uma vez: as marcas de cada um se numeram uma
    // só vez, e o cartão vira cinco consultas a essa tabela.
    const std::vector<const CScore*>& placares = volantes.Placares();
    std::vector<SEntrada> entrada_do_placar(placares.size());
    for (size_t i = 0; i < placares.size(); ++i)
        entrada_do_placar[i] = Entrada(placares[i]);
    const size_t previstos = static_cast<size_t>(std::max(volantes.Quantidade(), 0));
    for (std::vector<uint8_t>& coluna : m_colunas)
        coluna.reserve(previstos + kCartoesPorBloco);
    for (int32_t posicao = 0; posicao < volantes.Quantidade(); ++posicao) {
        const SIndicesDoCartao indices = volantes.Indices(posicao);
        std::array<SEntrada, 5> lidas;
        for (size_t i = 0; i < 5; ++i)
            lidas[i] = entrada_do_placar[indices.lugar[i]];
        Adicionar(lidas);
        if (static_cast<size_t>(posicao + 1) % kCartoesPorVezDaLeitura == 0 && !continuar())
            break;
    }
    CompletarBlocos();
}

void CCartoesIndexados::Adicionar(const std::array<SEntrada, 5>& lidas)
{
    std::array<uint8_t, 6> por_jogo{};
    bool comum = true;
    for (size_t i = 0; i < 5; ++i) {
        ++por_jogo[lidas[i].m_jogo];
        comum = comum && (lidas[i].m_jogo == 5 || lidas[i].m_marcas < kNumerosPorByte);
    }
    comum = comum && std::all_of(por_jogo.begin(), por_jogo.begin() + 5, [](uint8_t n) { return n <= 1; });
    if (!comum) {
        m_irregulares.insert(m_irregulares.end(), lidas.begin(), lidas.end());
        return;
    }
    std::array<uint8_t, 6> codigo{};
    for (const SEntrada& entrada : lidas)
        codigo[entrada.m_jogo] = static_cast<uint8_t>(entrada.m_marcas + 1);
    for (size_t jogo = 0; jogo < 5; ++jogo)
        m_colunas[jogo].push_back(codigo[jogo]);
    ++m_comuns;
}

CCartoesIndexados::SEntrada CCartoesIndexados::Entrada(const CScore* placar)
{
    if (placar == nullptr || placar->m_jogo < 0 || placar->m_jogo > 4)
        return {};
    auto& numeros = m_numeros[static_cast<size_t>(placar->m_jogo)];
    const auto [achado, novo] = numeros.try_emplace(MarcasDe(*placar), static_cast<uint32_t>(numeros.size()));
    return {achado->second, static_cast<uint32_t>(placar->m_jogo)};
}

void CCartoesIndexados::CompletarBlocos()
{
    // Cartões sem entrada nenhuma completam o último bloco; ficam na classe 0, que é a que sobra.
    m_blocos_comuns = (m_comuns + kCartoesPorBloco - 1) / kCartoesPorBloco;
    for (std::vector<uint8_t>& coluna : m_colunas)
        coluna.resize(m_blocos_comuns * kCartoesPorBloco, 0);
}

size_t CCartoesIndexados::BlocosIrregulares() const
{
    return (m_irregulares.size() / 5 + kIrregularesPorBloco - 1) / kIrregularesPorBloco;
}

size_t CCartoesIndexados::CartoesDoBloco(size_t bloco) const
{
    if (bloco < m_blocos_comuns)
        return std::min(kCartoesPorBloco, m_comuns - bloco * kCartoesPorBloco);
    return std::min(kIrregularesPorBloco, m_irregulares.size() / 5 - (bloco - m_blocos_comuns) * kIrregularesPorBloco);
}

CCartoesIndexados::SResultado CCartoesIndexados::Indexar(const CVolante& resultado) const
{
    SResultado indexado;
    indexado.m_codigo.fill(kNenhumCodigo);
    indexado.m_marcas.fill(kNenhumasMarcas);
    for (size_t jogo = 0; jogo < 5; ++jogo) {
        const CScore* const placar = resultado.m_scores[jogo];
        if (placar == nullptr)
            continue;
        const auto achado = m_numeros[jogo].find(MarcasDe(*placar));
        if (achado == m_numeros[jogo].end())
            continue;
        indexado.m_marcas[jogo] = achado->second;
        if (achado->second < kNumerosPorByte)
            indexado.m_codigo[jogo] = static_cast<uint8_t>(achado->second + 1);
    }
    return indexado;
}

void CCartoesIndexados::ContarBloco(size_t bloco, std::span<const SResultado> resultados,
                                    std::span<std::array<int64_t, 6>> contagens) const
{
    if (bloco < m_blocos_comuns)
        ContarComuns(bloco, resultados, contagens);
    else
        ContarIrregulares(bloco - m_blocos_comuns, resultados, contagens);
}

void CCartoesIndexados::ContarComuns(size_t bloco, std::span<const SResultado> resultados,
                                     std::span<std::array<int64_t, 6>> contagens) const
{
    const size_t inicio = bloco * kCartoesPorBloco;
    const auto cartoes = static_cast<int64_t>(CartoesDoBloco(bloco));
    static const ContagemDeTrecho contar_trecho = ContagemDoProcessador();
    // O bloco fica no cache enquanto passa por todos os resultados.
    for (size_t r = 0; r < resultados.size(); ++r) {
        std::array<int64_t, 6>& contagem = contagens[r];
        const int64_t antes = contagem[1] + contagem[2] + contagem[3] + contagem[4] + contagem[5];
        for (size_t de = inicio; de < inicio + kCartoesPorBloco; de += kCartoesPorTrecho) {
            const std::array<const uint8_t*, 5> colunas = {m_colunas[0].data() + de, m_colunas[1].data() + de,
                                                           m_colunas[2].data() + de, m_colunas[3].data() + de,
                                                           m_colunas[4].data() + de};
            contar_trecho(colunas, resultados[r].m_codigo, contagem);
        }
        const int64_t depois = contagem[1] + contagem[2] + contagem[3] + contagem[4] + contagem[5];
        contagem[0] += cartoes - (depois - antes);
    }
}

void CCartoesIndexados::ContarIrregulares(size_t bloco, std::span<const SResultado> resultados,
                                          std::span<std::array<int64_t, 6>> contagens) const
{
    const size_t de = bloco * kIrregularesPorBloco * 5;
    const size_t ate = std::min(de + kIrregularesPorBloco * 5, m_irregulares.size());
    for (size_t r = 0; r < resultados.size(); ++r) {
        const std::array<uint32_t, 6>& acerta = resultados[r].m_marcas;
        for (size_t i = de; i < ate; i += 5) {
            int acertos = 0;
            for (size_t e = i; e < i + 5; ++e)
                acertos += m_irregulares[e].m_marcas == acerta[m_irregulares[e].m_jogo];
            ++contagens[r][static_cast<size_t>(acertos)];
        }
    }
}
