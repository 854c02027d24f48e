#include "checking/BuscaTabu.h"

#include "checking/VizinhancaDosCartoes.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Bolas guardadas até tantas entradas (256 MB no pior caso seria demais; isto dá 64 MB).
constexpr int64_t kMaiorSomaDasBolas = int64_t{1} << 24;
// Quantos saídos ficam proibidos de voltar: poucos, como no artigo.
constexpr size_t kTamanhoDoTabu = 7;
// Sem troca de vizinho direto, quantos escolhidos sorteados entram como candidatos a sair.
constexpr int kSorteadosSemVizinho = 8;
// Consultas de vizinhos entre uma vez e outra de `continuar`: o prazo vale ao décimo de segundo.
constexpr int64_t kConsultasEntreAsVezes = 4096;
// Consultas de vizinhos ao escolher quem sai depois de uma cobertura achada.
constexpr int64_t kConsultasAoTirar = int64_t{1} << 20;
// Trocas pontuadas num passo, no máximo (um descoberto longe de tudo numa bola enorme).
constexpr size_t kMaisTrocas = 256;

} // namespace

CBuscaTabu::CBuscaTabu(const CVizinhancaDosCartoes& vizinhanca, int raio, std::vector<int32_t> cobertura,
                       uint64_t semente)
    : m_vizinhanca(vizinhanca), m_raio(raio), m_sorteio(semente), m_melhor(std::move(cobertura))
{
    const auto n = static_cast<size_t>(vizinhanca.Quantidade());
    MontarAdjacencias();
    m_cobertura.assign(n, 0);
    m_posicao.assign(n, -1);
    m_na_lista.assign(n, 0);
    m_marca.assign(n, 0);
    m_custo = vizinhanca.Quantidade();
    for (int32_t distinto : m_melhor)
        Adicionar(distinto);
    m_menor_custo = m_custo;
}

void CBuscaTabu::MontarAdjacencias()
{
    const int32_t n = m_vizinhanca.Quantidade();
    if (static_cast<int64_t>(n) * m_vizinhanca.TamanhoDaBola(m_raio) > kMaiorSomaDasBolas)
        return;
    m_inicio_da_bola.reserve(static_cast<size_t>(n) + 1);
    for (int32_t d = 0; d < n; ++d) {
        m_inicio_da_bola.push_back(static_cast<int32_t>(m_bolas.size()));
        m_vizinhanca.ParaCadaVizinho(m_vizinhanca.Cartao(d), m_raio, [&](int32_t j) { m_bolas.push_back(j); });
    }
    m_inicio_da_bola.push_back(static_cast<int32_t>(m_bolas.size()));
}

template <class Funcao>
void CBuscaTabu::ParaCadaNaBola(int32_t distinto, Funcao&& funcao) const
{
    if (m_inicio_da_bola.empty()) {
        m_vizinhanca.ParaCadaVizinho(m_vizinhanca.Cartao(distinto), m_raio, funcao);
        return;
    }
    const auto d = static_cast<size_t>(distinto);
    for (int32_t i = m_inicio_da_bola[d]; i < m_inicio_da_bola[d + 1]; ++i)
        funcao(m_bolas[static_cast<size_t>(i)]);
}

void CBuscaTabu::Adicionar(int32_t distinto)
{
    m_posicao[static_cast<size_t>(distinto)] = static_cast<int32_t>(m_escolhidos.size());
    m_escolhidos.push_back(distinto);
    ParaCadaNaBola(distinto, [&](int32_t j) {
        if (m_cobertura[static_cast<size_t>(j)]++ == 0)
            --m_custo;
    });
}

void CBuscaTabu::Remover(int32_t distinto)
{
    const auto posicao = static_cast<size_t>(m_posicao[static_cast<size_t>(distinto)]);
    m_escolhidos[posicao] = m_escolhidos.back();
    m_posicao[static_cast<size_t>(m_escolhidos[posicao])] = static_cast<int32_t>(posicao);
    m_escolhidos.pop_back();
    m_posicao[static_cast<size_t>(distinto)] = -1;
    ParaCadaNaBola(distinto, [&](int32_t j) {
        if (--m_cobertura[static_cast<size_t>(j)] != 0)
            return;
        ++m_custo;
        if (!m_na_lista[static_cast<size_t>(j)]) {
            m_na_lista[static_cast<size_t>(j)] = 1;
            m_descobertos.push_back(j);
        }
    });
}

// Com a cobertura completa: sai quem deixa menos cartões descobertos. Com muitos
// escolhidos de bolas grandes, só uma amostra sorteada é pesada: pesar todos levaria
// segundos a cada cobertura achada.
void CBuscaTabu::TirarOQueMenosCobre()
{
    const int64_t bola = m_vizinhanca.TamanhoDaBola(m_raio);
    const auto escolhidos = static_cast<int64_t>(m_escolhidos.size());
    const int64_t pesados = std::min(escolhidos, std::max<int64_t>(kConsultasAoTirar / bola, 1));
    int32_t escolhido = m_escolhidos.front();
    int64_t menor = std::numeric_limits<int64_t>::max();
    for (int64_t n = 0; n < pesados; ++n) {
        const int32_t c = pesados == escolhidos ? m_escolhidos[static_cast<size_t>(n)]
                                                : m_escolhidos[m_sorteio() % m_escolhidos.size()];
        int64_t sozinho = 0;
        ParaCadaNaBola(c, [&](int32_t j) { sozinho += m_cobertura[static_cast<size_t>(j)] == 1; });
        if (sozinho < menor) {
            menor = sozinho;
            escolhido = c;
        }
    }
    Remover(escolhido);
    m_menor_custo = m_custo;
}

// A lista guarda cartões que já foram cobertos de novo: saem quando sorteados.
int32_t CBuscaTabu::SortearDescoberto()
{
    for (;;) {
        const size_t i = m_sorteio() % m_descobertos.size();
        const int32_t j = m_descobertos[i];
        if (m_cobertura[static_cast<size_t>(j)] == 0)
            return j;
        m_na_lista[static_cast<size_t>(j)] = 0;
        m_descobertos[i] = m_descobertos.back();
        m_descobertos.pop_back();
    }
}

// Um escolhido a raio + 1 do descoberto, trocado num dos jogos em que difere pela célula
// do descoberto, passa a cobri-lo e sai pouco do lugar.
void CBuscaTabu::JuntarTrocas(int32_t descoberto)
{
    m_trocas.clear();
    const int32_t cartao = m_vizinhanca.Cartao(descoberto);
    std::vector<int32_t>& perto = m_perto;
    perto.clear();
    if (static_cast<int64_t>(m_escolhidos.size()) * 4 < m_vizinhanca.TamanhoDaBola(m_raio + 1)) {
        for (int32_t c : m_escolhidos)
            if (CVizinhancaDosCartoes::Distancia(cartao, m_vizinhanca.Cartao(c)) == m_raio + 1)
                perto.push_back(c);
    } else {
        // Os de distância até m_raio cobririam o descoberto: os achados estão a m_raio + 1.
        m_vizinhanca.ParaCadaVizinho(cartao, m_raio + 1, [&](int32_t j) {
            if (m_posicao[static_cast<size_t>(j)] >= 0)
                perto.push_back(j);
        });
    }
    for (int32_t c : perto) {
        const int32_t escolhido = m_vizinhanca.Cartao(c);
        for (size_t jogo = 0; jogo < 5 && m_trocas.size() < kMaisTrocas; ++jogo) {
            const int diferenca = CVizinhancaDosCartoes::Celula(cartao, jogo) -
                                  CVizinhancaDosCartoes::Celula(escolhido, jogo);
            if (diferenca == 0)
                continue;
            const int32_t achado = m_vizinhanca.Procurar(escolhido + diferenca * CVizinhancaDosCartoes::kPeso[jogo]);
            if (achado && m_posicao[static_cast<size_t>(achado - 1)] < 0)
                m_trocas.push_back({c, achado - 1});
        }
    }
    if (m_trocas.empty())
        JuntarTrocasSemVizinho(descoberto, perto);
}

// Numa aposta com chaves o vizinho direto pode não estar entre os cartões: entra
// qualquer cartão que cubra o descoberto, no lugar de um escolhido de perto ou sorteado.
void CBuscaTabu::JuntarTrocasSemVizinho(int32_t descoberto, const std::vector<int32_t>& perto)
{
    std::vector<int32_t> saem = perto;
    for (int i = 0; saem.empty() && i < kSorteadosSemVizinho; ++i)
        saem.push_back(m_escolhidos[m_sorteio() % m_escolhidos.size()]);
    ParaCadaNaBola(descoberto, [&](int32_t entra) {
        for (int32_t sai : saem)
            if (m_trocas.size() < kMaisTrocas)
                m_trocas.push_back({sai, entra});
    });
}

// Custo depois da troca menos o de agora: os que só `sai` cobria e `entra` não cobre,
// menos os descobertos que `entra` cobre. A bola de `entra` fica marcada com um selo novo.
int64_t CBuscaTabu::Variacao(const STroca& troca)
{
    if (++m_selo == 0) {
        std::fill(m_marca.begin(), m_marca.end(), 0);
        m_selo = 1;
    }
    int64_t variacao = 0;
    ParaCadaNaBola(troca.entra, [&](int32_t j) {
        m_marca[static_cast<size_t>(j)] = m_selo;
        variacao -= m_cobertura[static_cast<size_t>(j)] == 0;
    });
    ParaCadaNaBola(troca.sai, [&](int32_t j) {
        variacao += m_cobertura[static_cast<size_t>(j)] == 1 && m_marca[static_cast<size_t>(j)] != m_selo;
    });
    return variacao;
}

bool CBuscaTabu::EhTabu(int32_t distinto) const
{
    return std::find(m_tabu.begin(), m_tabu.end(), distinto) != m_tabu.end();
}

void CBuscaTabu::DarUmPasso()
{
    JuntarTrocas(SortearDescoberto());
    if (m_trocas.empty())
        return;
    int64_t melhor = std::numeric_limits<int64_t>::max();
    const STroca* escolhida = &m_trocas[m_sorteio() % m_trocas.size()];
    uint64_t empates = 0;
    for (const STroca& troca : m_trocas) {
        const int64_t variacao = Variacao(troca);
        // O tabu não vale para uma troca que leva ao menor custo já visto neste tamanho.
        if (EhTabu(troca.entra) && m_custo + variacao >= m_menor_custo)
            continue;
        if (variacao < melhor) {
            melhor = variacao;
            escolhida = &troca;
            empates = 1;
        } else if (variacao == melhor && m_sorteio() % ++empates == 0) {
            escolhida = &troca;
        }
    }
    const STroca troca = *escolhida;
    Remover(troca.sai);
    Adicionar(troca.entra);
    if (m_tabu.size() < kTamanhoDoTabu)
        m_tabu.push_back(troca.sai);
    else
        m_tabu[m_proximo_tabu++ % kTamanhoDoTabu] = troca.sai;
    m_menor_custo = std::min(m_menor_custo, m_custo);
}

bool CBuscaTabu::Buscar(int64_t piso, int64_t passos_sem_melhora, const Consulta& continuar)
{
    const int64_t entre_as_vezes = std::max<int64_t>(1, kConsultasEntreAsVezes / m_vizinhanca.TamanhoDaBola(m_raio));
    int64_t sem_melhora = 0;
    for (;;) {
        if (m_custo == 0) {
            m_melhor = m_escolhidos;
            sem_melhora = 0;
            if (static_cast<int64_t>(m_escolhidos.size()) <= std::max<int64_t>(piso, 1))
                return false;
            // Uma construção pode ter muitos cartões que sobram: cada retirada conta como passo.
            if (!continuar(static_cast<int64_t>(m_melhor.size()), static_cast<int64_t>(m_escolhidos.size()), 0))
                return true;
            TirarOQueMenosCobre();
            continue;
        }
        if (sem_melhora++ >= passos_sem_melhora)
            return false;
        if (++m_passos % entre_as_vezes == 0 &&
            !continuar(static_cast<int64_t>(m_melhor.size()), static_cast<int64_t>(m_escolhidos.size()), m_custo))
            return true;
        DarUmPasso();
    }
}
