#include "checking/Fechamento.h"

#include "core/ErroDoUsuario.h"

#include <algorithm>
#include <random>
#include <stdexcept>
#include <utility>

namespace {

constexpr std::array<int32_t, 5> kPeso = {1, 25, 625, 15625, 390625};
// Até tantas consultas numa contagem de vizinhos, o índice é a lista ordenada em vez da
// tabela densa (zerar os 39 MB custa mais que as buscas binárias).
constexpr int64_t kConsultasDaBuscaBinaria = int64_t{1} << 18;

// Chave do monte da escolha gulosa: ganho, desempate (13 bits cada; o ganho não passa
// de 1 + 5 x 24 + 10 x 24 x 24 = 5881) e o índice, o menor antes.
constexpr int kBitsDoIndice = 24;
constexpr uint64_t kMaiorDesempate = (1u << 13) - 1;
constexpr uint64_t kMaiorIndice = (uint64_t{1} << kBitsDoIndice) - 1;

uint64_t ChaveDoMonte(int32_t ganho, uint64_t desempate, int32_t indice)
{
    return (static_cast<uint64_t>(ganho) << (13 + kBitsDoIndice)) | (desempate << kBitsDoIndice) |
           (kMaiorIndice - static_cast<uint64_t>(indice));
}

int32_t GanhoDaChave(uint64_t chave)
{
    return static_cast<int32_t>(chave >> (13 + kBitsDoIndice));
}

int32_t IndiceDaChave(uint64_t chave)
{
    return static_cast<int32_t>(kMaiorIndice - (chave & kMaiorIndice));
}

int Celula(int32_t cartao, size_t jogo)
{
    return (cartao / kPeso[jogo]) % CFechamento::kCelulas;
}

// Marca todos os cartões possíveis a no máximo `raio` jogos de `cartao`, a partir do jogo dado.
void MarcarBola(int32_t cartao, int raio, size_t desde, std::vector<uint64_t>& marcados)
{
    marcados[static_cast<size_t>(cartao) / 64] |= uint64_t{1} << (cartao % 64);
    if (raio == 0)
        return;
    for (size_t jogo = desde; jogo < 5; ++jogo) {
        const int propria = Celula(cartao, jogo);
        for (int celula = 0; celula < CFechamento::kCelulas; ++celula)
            if (celula != propria)
                MarcarBola(cartao + (celula - propria) * kPeso[jogo], raio - 1, jogo + 1, marcados);
    }
}

} // namespace

CFechamento::CFechamento(std::vector<int32_t> cartoes, int garantia)
    : m_cartoes(std::move(cartoes)), m_garantia(garantia), m_raio(5 - garantia)
{
    if (garantia < 3 || garantia > 5)
        throw CErroDoUsuario("A garantia deve ser de 3, 4 ou 5 pontos.");
    for (int32_t cartao : m_cartoes)
        if (cartao < 0 || cartao >= kCartoesPossiveis)
            throw std::invalid_argument("cartão fora do espaço dos cartões");
    Indexar();
}

void CFechamento::Indexar()
{
    m_presentes.assign(kCartoesPossiveis / 64 + 1, 0);
    std::array<std::array<bool, kCelulas>, 5> aparece{};
    for (size_t posicao = 0; posicao < m_cartoes.size(); ++posicao) {
        const auto cartao = static_cast<uint32_t>(m_cartoes[posicao]);
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

    if (static_cast<int64_t>(m_distintos.size()) * TamanhoDaBola() > kConsultasDaBuscaBinaria) {
        m_indice.assign(kCartoesPossiveis, 0);
        for (size_t i = 0; i < m_distintos.size(); ++i)
            m_indice[static_cast<size_t>(m_distintos[i])] = static_cast<int32_t>(i + 1);
        return;
    }
    for (size_t i = 0; i < m_distintos.size(); ++i)
        m_ordenados.emplace_back(m_distintos[i], static_cast<int32_t>(i));
    std::sort(m_ordenados.begin(), m_ordenados.end());
}

// Cartões que ParaCadaVizinho consulta para cada cartão.
int64_t CFechamento::TamanhoDaBola() const
{
    int64_t um_jogo = 0;
    int64_t dois_jogos = 0;
    for (size_t jogo = 0; jogo < 5; ++jogo) {
        const auto outras = static_cast<int64_t>(m_celulas_do_jogo[jogo].size()) - 1;
        dois_jogos += um_jogo * outras;
        um_jogo += outras;
    }
    return 1 + (m_raio >= 1 ? um_jogo : 0) + (m_raio >= 2 ? dois_jogos : 0);
}

int32_t CFechamento::Procurar(int32_t cartao) const
{
    const auto numero = static_cast<uint32_t>(cartao);
    if (((m_presentes[numero / 64] >> (numero % 64)) & 1) == 0)
        return 0;
    if (!m_indice.empty())
        return m_indice[numero];
    const auto achado = std::lower_bound(m_ordenados.begin(), m_ordenados.end(), std::pair{cartao, int32_t{0}});
    return achado->second + 1;
}

// Só as células que aparecem em algum cartão: um quadro de poucos favoritos por jogo
// tem bolas de dezenas de cartões em vez de milhares.
template <class Funcao>
void CFechamento::ParaCadaVizinho(int32_t cartao, Funcao&& funcao) const
{
    auto olhar = [&](int32_t vizinho) {
        if (const int32_t i = Procurar(vizinho))
            funcao(i - 1);
    };
    olhar(cartao);
    if (m_raio == 0)
        return;
    for (size_t jogo = 0; jogo < 5; ++jogo) {
        const int propria = Celula(cartao, jogo);
        for (int celula : m_celulas_do_jogo[jogo]) {
            if (celula == propria)
                continue;
            const int32_t um = cartao + (celula - propria) * kPeso[jogo];
            olhar(um);
            if (m_raio == 1)
                continue;
            for (size_t outro = jogo + 1; outro < 5; ++outro) {
                const int segunda = Celula(cartao, outro);
                for (int celula2 : m_celulas_do_jogo[outro])
                    if (celula2 != segunda)
                        olhar(um + (celula2 - segunda) * kPeso[outro]);
            }
        }
    }
}

SResultadoDoFechamento CFechamento::Reduzir(IProgressoFechamento& progresso, Prazo prazo)
{
    m_progresso = &progresso;
    m_limite = std::chrono::steady_clock::now() + prazo;
    m_interrompido = false;
    m_mostrado = {};
    m_mostrado.distintos = static_cast<int64_t>(m_distintos.size());

    SResultadoDoFechamento resultado;
    resultado.antes = static_cast<int64_t>(m_cartoes.size());
    if (m_garantia == 5) {
        resultado.manter.assign(m_cartoes.size(), true);
        resultado.depois = resultado.antes;
        return resultado;
    }

    m_vizinhos_contados = ContarVizinhos();
    std::vector<int32_t> melhor;
    for (int rodada = 1; rodada <= kRodadas; ++rodada) {
        if (rodada > 1 && (m_interrompido || !m_vizinhos_contados))
            break;
        m_mostrado.rodada = rodada;
        std::vector<int32_t> escolhidos = Rodada(rodada);
        if (melhor.empty() || escolhidos.size() < melhor.size()) {
            melhor = std::move(escolhidos);
            m_mostrado.melhor = static_cast<int64_t>(melhor.size());
        }
    }

    Mostrar(EEtapaDoFechamento::Verificando, m_mostrado.escolhidos);
    resultado.manter.assign(m_cartoes.size(), false);
    for (int32_t distinto : melhor)
        resultado.manter[static_cast<size_t>(m_primeira_posicao[static_cast<size_t>(distinto)])] = true;
    if (!GaranteOsPontos(m_cartoes, resultado.manter, m_garantia))
        throw std::logic_error("a redução perdeu a garantia");
    resultado.depois = static_cast<int64_t>(melhor.size());
    resultado.interrompido = m_interrompido;
    return resultado;
}

bool CFechamento::ContarVizinhos()
{
    m_vizinhos.assign(m_distintos.size(), 0);
    for (size_t i = 0; i < m_distintos.size(); ++i) {
        if (i % 256 == 0) {
            m_mostrado.cobertos = static_cast<int64_t>(i);
            Mostrar(EEtapaDoFechamento::Contando, 0);
            if (DeveParar())
                return false;
        }
        int32_t vizinhos = 0;
        ParaCadaVizinho(m_distintos[i], [&](int32_t) { ++vizinhos; });
        m_vizinhos[i] = vizinhos;
    }
    return true;
}

std::vector<int32_t> CFechamento::Rodada(int rodada)
{
    m_coberto.assign(m_distintos.size(), 0);
    m_cobertos = 0;
    std::vector<int32_t> escolhidos;
    if (m_vizinhos_contados)
        EscolhaGulosa(rodada, escolhidos);
    Completar(escolhidos);
    RetirarSobras(escolhidos);
    return escolhidos;
}

void CFechamento::EscolhaGulosa(int rodada, std::vector<int32_t>& escolhidos)
{
    m_ganho = m_vizinhos;
    std::mt19937 sorteio(static_cast<uint32_t>(rodada));
    std::vector<uint64_t> monte(m_distintos.size());
    for (size_t i = 0; i < monte.size(); ++i) {
        // Na 1ª rodada, primeiro quem tem menos vizinhos: ninguém mais o cobre por ele.
        const uint64_t desempate = rodada == 1 ? kMaiorDesempate - static_cast<uint64_t>(m_vizinhos[i])
                                               : sorteio() & kMaiorDesempate;
        monte[i] = ChaveDoMonte(m_vizinhos[i], desempate, static_cast<int32_t>(i));
    }
    std::make_heap(monte.begin(), monte.end());
    const auto total = static_cast<int64_t>(m_distintos.size());
    while (!monte.empty() && m_cobertos < total) {
        m_mostrado.cobertos = m_cobertos;
        Mostrar(EEtapaDoFechamento::Escolhendo, static_cast<int64_t>(escolhidos.size()));
        if (DeveParar())
            return;
        std::pop_heap(monte.begin(), monte.end());
        const uint64_t chave = monte.back();
        monte.pop_back();
        const int32_t i = IndiceDaChave(chave);
        const int32_t ganho = m_ganho[static_cast<size_t>(i)];
        if (ganho == 0)
            continue;
        // Ganhos só diminuem: uma chave velha volta ao monte com o ganho de agora.
        if (ganho != GanhoDaChave(chave)) {
            monte.push_back((chave & ((uint64_t{1} << (13 + kBitsDoIndice)) - 1)) |
                            (static_cast<uint64_t>(ganho) << (13 + kBitsDoIndice)));
            std::push_heap(monte.begin(), monte.end());
            continue;
        }
        escolhidos.push_back(i);
        Cobrir(i, true);
    }
}

void CFechamento::Cobrir(int32_t escolhido, bool atualizar_ganhos)
{
    ParaCadaVizinho(m_distintos[static_cast<size_t>(escolhido)], [&](int32_t j) {
        uint8_t& coberto = m_coberto[static_cast<size_t>(j)];
        if (coberto)
            return;
        coberto = 1;
        ++m_cobertos;
        if (atualizar_ganhos)
            ParaCadaVizinho(m_distintos[static_cast<size_t>(j)], [&](int32_t k) { --m_ganho[static_cast<size_t>(k)]; });
    });
}

// Não para: sem isto a rodada não garante nada, e custa só uma bola por escolhido.
void CFechamento::Completar(std::vector<int32_t>& escolhidos)
{
    for (size_t j = 0; j < m_distintos.size(); ++j) {
        if (j % 4096 == 0) {
            m_mostrado.cobertos = m_cobertos;
            Mostrar(EEtapaDoFechamento::Completando, static_cast<int64_t>(escolhidos.size()));
            m_progresso->BombearMensagens();
        }
        if (m_coberto[j])
            continue;
        escolhidos.push_back(static_cast<int32_t>(j));
        Cobrir(static_cast<int32_t>(j), false);
    }
}

// Um escolhido sobra quando cada cartão da sua bola tem outro escolhido; como as
// coberturas só diminuem, quem não sobrou uma vez não sobra mais: uma passada basta, dos
// últimos escolhidos (que cobriram menos de novo) para os primeiros.
void CFechamento::RetirarSobras(std::vector<int32_t>& escolhidos)
{
    std::vector<int32_t> coberturas(m_distintos.size(), 0);
    for (int32_t d : escolhidos)
        ParaCadaVizinho(m_distintos[static_cast<size_t>(d)], [&](int32_t j) { ++coberturas[static_cast<size_t>(j)]; });
    std::vector<uint8_t> retirado(escolhidos.size(), 0);
    auto restantes = static_cast<int64_t>(escolhidos.size());
    for (size_t n = escolhidos.size(); n-- > 0;) {
        if (n % 64 == 0) {
            Mostrar(EEtapaDoFechamento::Retirando, restantes);
            if (DeveParar())
                break;
        }
        const int32_t cartao = m_distintos[static_cast<size_t>(escolhidos[n])];
        bool sobra = true;
        ParaCadaVizinho(cartao, [&](int32_t j) { sobra = sobra && coberturas[static_cast<size_t>(j)] >= 2; });
        if (!sobra)
            continue;
        ParaCadaVizinho(cartao, [&](int32_t j) { --coberturas[static_cast<size_t>(j)]; });
        retirado[n] = 1;
        --restantes;
    }
    size_t ficam = 0;
    for (size_t n = 0; n < escolhidos.size(); ++n)
        if (!retirado[n])
            escolhidos[ficam++] = escolhidos[n];
    escolhidos.resize(ficam);
}

bool CFechamento::DeveParar()
{
    if (m_interrompido)
        return true;
    m_progresso->BombearMensagens();
    m_interrompido = m_progresso->PararSolicitado() || std::chrono::steady_clock::now() >= m_limite;
    return m_interrompido;
}

void CFechamento::Mostrar(EEtapaDoFechamento etapa, int64_t escolhidos)
{
    m_mostrado.etapa = etapa;
    m_mostrado.escolhidos = escolhidos;
    m_progresso->Atualizar(m_mostrado);
}

bool CFechamento::GaranteOsPontos(const std::vector<int32_t>& cartoes, const std::vector<bool>& manter, int garantia)
{
    if (manter.size() != cartoes.size() || garantia < 3 || garantia > 5)
        return false;
    std::vector<uint64_t> cobertos(kCartoesPossiveis / 64 + 1, 0);
    for (size_t i = 0; i < cartoes.size(); ++i) {
        if (cartoes[i] < 0 || cartoes[i] >= kCartoesPossiveis)
            return false;
        if (manter[i])
            MarcarBola(cartoes[i], 5 - garantia, 0, cobertos);
    }
    return std::all_of(cartoes.begin(), cartoes.end(), [&](int32_t cartao) {
        return (cobertos[static_cast<size_t>(cartao) / 64] >> (cartao % 64)) & 1;
    });
}
