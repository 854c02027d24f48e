#include "checking/Fechamento.h"

#include "checking/BuscaTabu.h"
#include "checking/CoberturaConstruida.h"
#include "core/ErroDoUsuario.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

using Relogio = std::chrono::steady_clock;

// Chave do monte da escolha gulosa: ganho, desempate (13 bits cada; o ganho não passa
// de 1 + 5 x 24 + 10 x 24 x 24 = 5881) e o índice, o menor antes.
constexpr int kBitsDoIndice = 24;
constexpr uint64_t kMaiorDesempate = (1u << 13) - 1;
constexpr uint64_t kMaiorIndice = (uint64_t{1} << kBitsDoIndice) - 1;

// A conferência final e a troca da lista, medidas no espaço inteiro, levam perto disto por
// cartão: a busca para antes, para o todo caber no prazo.
constexpr auto kReservaPorCartao = std::chrono::nanoseconds(60);
// E a conferência marca a bola de cada mantido: isto por cartão marcado.
constexpr auto kReservaPorMarca = std::chrono::nanoseconds(40);
// Até tantas consultas de vizinhos a escolha gulosa leva menos de um segundo.
constexpr int64_t kConsultasDaGulosaBarata = int64_t{1} << 25;
// Passos sem achar cobertura menor antes de desistir: cresce com a aposta.
constexpr int64_t kPassosSemMelhoraPorCartao = 200;
constexpr int64_t kPassosSemMelhoraMinimos = 100000;

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

// Marca todos os cartões possíveis a no máximo `raio` jogos de `cartao`, a partir do jogo dado.
void MarcarBola(int32_t cartao, int raio, size_t desde, std::vector<uint64_t>& marcados)
{
    marcados[static_cast<size_t>(cartao) / 64] |= uint64_t{1} << (cartao % 64);
    if (raio == 0)
        return;
    for (size_t jogo = desde; jogo < 5; ++jogo) {
        const int propria = CVizinhancaDosCartoes::Celula(cartao, jogo);
        for (int celula = 0; celula < CFechamento::kCelulas; ++celula)
            if (celula != propria)
                MarcarBola(cartao + (celula - propria) * CVizinhancaDosCartoes::kPeso[jogo], raio - 1, jogo + 1,
                           marcados);
    }
}

int ValidarGarantia(int garantia)
{
    if (garantia < 3 || garantia > 5)
        throw CErroDoUsuario("A garantia deve ser de 3, 4 ou 5 pontos.");
    return garantia;
}

} // namespace

CFechamento::CFechamento(std::vector<int32_t> cartoes, int garantia)
    : m_cartoes(std::move(cartoes)),
      m_garantia(ValidarGarantia(garantia)),
      m_raio(5 - garantia),
      m_vizinhanca(m_cartoes, m_raio)
{
}

SResultadoDoFechamento CFechamento::Reduzir(IProgressoFechamento& progresso, Prazo prazo)
{
    const auto inicio = Relogio::now();
    m_progresso = &progresso;
    m_limite = inicio + prazo - std::min<Prazo>(prazo / 2, kReservaPorCartao * m_cartoes.size());
    m_interrompido = false;
    m_mostrado = {};
    m_mostrado.distintos = m_vizinhanca.Quantidade();

    SResultadoDoFechamento resultado;
    resultado.antes = static_cast<int64_t>(m_cartoes.size());
    if (m_garantia == 5) {
        resultado.manter.assign(m_cartoes.size(), true);
        resultado.depois = resultado.antes;
        resultado.piso = m_vizinhanca.Quantidade();
        return resultado;
    }

    const std::vector<int32_t> melhor = Melhorar(Inicial());
    Mostrar(EEtapaDoFechamento::Verificando, static_cast<int64_t>(melhor.size()));
    resultado.manter.assign(m_cartoes.size(), false);
    for (int32_t distinto : melhor)
        resultado.manter[static_cast<size_t>(m_vizinhanca.PrimeiraPosicao(distinto))] = true;
    if (!GaranteOsPontos(m_cartoes, resultado.manter, m_garantia))
        throw std::logic_error("a redução perdeu a garantia");
    resultado.depois = static_cast<int64_t>(melhor.size());
    resultado.piso = Piso();
    resultado.interrompido = m_interrompido && resultado.depois > resultado.piso;
    return resultado;
}

// A menor entre a construção conhecida (quadro sem chaves que tenha uma) e a escolha
// gulosa; num quadro grande a gulosa nem roda: ali as construções ganham de longe.
std::vector<int32_t> CFechamento::Inicial()
{
    std::vector<int32_t> construida;
    if (m_vizinhanca.EhProdutoCompleto()) {
        std::array<std::vector<int32_t>, 5> celulas;
        for (size_t jogo = 0; jogo < 5; ++jogo)
            celulas[jogo] = m_vizinhanca.CelulasDoJogo(jogo);
        construida = CoberturaConstruida(celulas, m_raio);
        for (int32_t& cartao : construida)
            cartao = m_vizinhanca.Procurar(cartao) - 1;
    }
    const bool gulosa_barata =
        static_cast<int64_t>(m_vizinhanca.Quantidade()) * m_vizinhanca.TamanhoDaBola(m_raio) <= kConsultasDaGulosaBarata;
    if (construida.empty() || gulosa_barata) {
        std::vector<int32_t> gulosa = Guloso();
        if (construida.empty() || gulosa.size() < construida.size())
            construida = std::move(gulosa);
    }
    m_mostrado.melhor = static_cast<int64_t>(construida.size());
    return construida;
}

std::vector<int32_t> CFechamento::Guloso()
{
    m_coberto.assign(static_cast<size_t>(m_vizinhanca.Quantidade()), 0);
    m_cobertos = 0;
    std::vector<int32_t> escolhidos;
    if (ContarVizinhos())
        EscolhaGulosa(escolhidos);
    Completar(escolhidos);
    RetirarSobras(escolhidos);
    m_coberto = {};
    m_ganho = {};
    return escolhidos;
}

bool CFechamento::ContarVizinhos()
{
    m_vizinhos.assign(static_cast<size_t>(m_vizinhanca.Quantidade()), 0);
    for (size_t i = 0; i < static_cast<size_t>(m_vizinhanca.Quantidade()); ++i) {
        if (i % 256 == 0) {
            m_mostrado.cobertos = static_cast<int64_t>(i);
            Mostrar(EEtapaDoFechamento::Contando, 0);
            if (DeveParar()) {
                m_vizinhos.clear();
                return false;
            }
        }
        int32_t vizinhos = 0;
        m_vizinhanca.ParaCadaVizinho(m_vizinhanca.Cartao(static_cast<int32_t>(i)), m_raio, [&](int32_t) { ++vizinhos; });
        m_vizinhos[i] = vizinhos;
    }
    return true;
}

void CFechamento::EscolhaGulosa(std::vector<int32_t>& escolhidos)
{
    m_ganho = m_vizinhos;
    std::vector<uint64_t> monte(static_cast<size_t>(m_vizinhanca.Quantidade()));
    for (size_t i = 0; i < monte.size(); ++i) {
        // Primeiro quem tem menos vizinhos: ninguém mais o cobre por ele.
        const uint64_t desempate = kMaiorDesempate - static_cast<uint64_t>(m_vizinhos[i]);
        monte[i] = ChaveDoMonte(m_vizinhos[i], desempate, static_cast<int32_t>(i));
    }
    std::make_heap(monte.begin(), monte.end());
    const auto total = static_cast<int64_t>(static_cast<size_t>(m_vizinhanca.Quantidade()));
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
    m_vizinhanca.ParaCadaVizinho(m_vizinhanca.Cartao(escolhido), m_raio, [&](int32_t j) {
        uint8_t& coberto = m_coberto[static_cast<size_t>(j)];
        if (coberto)
            return;
        coberto = 1;
        ++m_cobertos;
        if (atualizar_ganhos)
            m_vizinhanca.ParaCadaVizinho(m_vizinhanca.Cartao(j), m_raio, [&](int32_t k) { --m_ganho[static_cast<size_t>(k)]; });
    });
}

// Não para: sem isto a escolha não garante nada, e custa só uma bola por escolhido.
void CFechamento::Completar(std::vector<int32_t>& escolhidos)
{
    for (size_t j = 0; j < static_cast<size_t>(m_vizinhanca.Quantidade()); ++j) {
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
    std::vector<int32_t> coberturas(static_cast<size_t>(m_vizinhanca.Quantidade()), 0);
    for (int32_t d : escolhidos)
        m_vizinhanca.ParaCadaVizinho(m_vizinhanca.Cartao(d), m_raio, [&](int32_t j) { ++coberturas[static_cast<size_t>(j)]; });
    std::vector<uint8_t> retirado(escolhidos.size(), 0);
    auto restantes = static_cast<int64_t>(escolhidos.size());
    for (size_t n = escolhidos.size(); n-- > 0;) {
        if (n % 64 == 0) {
            Mostrar(EEtapaDoFechamento::Retirando, restantes);
            if (DeveParar())
                break;
        }
        const int32_t cartao = m_vizinhanca.Cartao(escolhidos[n]);
        bool sobra = true;
        m_vizinhanca.ParaCadaVizinho(cartao, m_raio, [&](int32_t j) { sobra = sobra && coberturas[static_cast<size_t>(j)] >= 2; });
        if (!sobra)
            continue;
        m_vizinhanca.ParaCadaVizinho(cartao, m_raio, [&](int32_t j) { --coberturas[static_cast<size_t>(j)]; });
        retirado[n] = 1;
        --restantes;
    }
    size_t ficam = 0;
    for (size_t n = 0; n < escolhidos.size(); ++n)
        if (!retirado[n])
            escolhidos[ficam++] = escolhidos[n];
    escolhidos.resize(ficam);
}

// A busca só começa de uma cobertura inteira e só guarda coberturas inteiras: o prazo
// e a parada deixam a menor achada.
std::vector<int32_t> CFechamento::Melhorar(std::vector<int32_t> cobertura)
{
    const int64_t piso = Piso();
    if (m_interrompido || static_cast<int64_t>(cobertura.size()) <= piso)
        return cobertura;
    const auto marcas = static_cast<int64_t>(cobertura.size()) * m_vizinhanca.TamanhoDaBola(m_raio);
    m_limite -= std::min<Prazo>(std::max<Prazo>(m_limite - Relogio::now(), Prazo::zero()) / 2, kReservaPorMarca * marcas);
    CBuscaTabu busca(m_vizinhanca, m_raio, std::move(cobertura), kSemente);
    busca.Buscar(piso, PassosSemMelhora(), [&](int64_t melhor, int64_t tamanho, int64_t descobertos) {
        m_mostrado.melhor = melhor;
        m_mostrado.cobertos = m_vizinhanca.Quantidade() - descobertos;
        m_mostrado.passos = busca.Passos();
        Mostrar(EEtapaDoFechamento::Buscando, tamanho);
        return !DeveParar();
    });
    return busca.Melhor();
}

// Nenhum cartão cobre mais que a sua bola entre os dados: distintos / maior bola. Sem os
// vizinhos contados, a bola do quadro inteiro das células que aparecem, que não é menor.
int64_t CFechamento::Piso() const
{
    const int64_t distintos = m_vizinhanca.Quantidade();
    const int64_t bola = m_vizinhos.empty() ? m_vizinhanca.TamanhoDaBola(m_raio)
                                            : *std::max_element(m_vizinhos.begin(), m_vizinhos.end());
    return bola > 0 ? (distintos + bola - 1) / bola : 0;
}

int64_t CFechamento::PassosSemMelhora() const
{
    return kPassosSemMelhoraMinimos + kPassosSemMelhoraPorCartao * m_vizinhanca.Quantidade();
}

bool CFechamento::DeveParar()
{
    if (m_interrompido)
        return true;
    m_progresso->BombearMensagens();
    m_interrompido = m_progresso->PararSolicitado() || Relogio::now() >= m_limite;
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
