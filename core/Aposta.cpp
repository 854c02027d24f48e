#include "core/Aposta.h"

#include "core/Chave.h"
#include "core/ErroDoUsuario.h"
#include "core/Progresso.h"
#include "core/Score.h"
#include "core/ScoreGrupo.h"
#include "core/Volante.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

namespace {

constexpr const char* kRotuloDaGeracao = "Gerando Cartoes ...";
constexpr int32_t kCartoesPorAtualizacao = 1000;
constexpr size_t kJogosPorCartao = 5;
// 25 placares por jogo: a reserva pedida por um produto nunca passa disso.
constexpr size_t kCartoesPossiveis = 25 * 25 * 25 * 25 * 25;

size_t CartoesDoProduto(const std::vector<const CScoreGrupo*>& grupos)
{
    size_t cartoes = 1;
    for (const CScoreGrupo* grupo : grupos)
        cartoes = std::min(kCartoesPossiveis, cartoes * (grupo != nullptr ? grupo->m_scores.size() : 0));
    return cartoes;
}

void ExigirUmGrupoPorJogo(size_t qtde_de_grupos)
{
    if (qtde_de_grupos > kJogosPorCartao)
        throw CErroDoUsuario("Há mais de 5 grupos de favoritos: cada jogo deve ter um só.");
}

} // namespace

CAposta::CAposta(IConfiguracoes& configuracoes, IProgressoGeracao& progresso)
    : m_filtro(configuracoes), m_progresso(progresso) {}

void CAposta::Limpar()
{
    m_chaves.clear();
    m_grupos_sem_chave.clear();
    m_completas.clear();
    m_incompletas.clear();
    m_aprovados.Esvaziar();
    m_geradas = 0;
    m_aprovadas = 0;
}

void CAposta::GerarCartoes()
{
    m_filtro.CarregarFiltros();
    m_faixas = m_filtro.Faixas();
    ExigirUmGrupoPorJogo(QtdeDeGrupos());
    for (CChave* chave : m_chaves)
        chave->m_aposta = this;

    m_progresso.Iniciar(kRotuloDaGeracao, true, ContarCartoes());
    m_parar = m_progresso.PararSolicitado();
    m_geradas = 0;
    m_aprovadas = 0;
    m_aprovados.Esvaziar();
    try {
        PercorrerCompletas();
    } catch (...) {
        m_progresso.Concluir(m_geradas, m_aprovadas);
        throw;
    }
    m_progresso.Concluir(m_geradas, m_aprovadas);
}

void CAposta::PercorrerCompletas()
{
    // Mais completas do que chaves, ou menos de zero, não dá cartão: percorrer só os
    // k possíveis evita laços de bilhões de voltas e listas de k lugares.
    const auto qtde_de_chaves = static_cast<int64_t>(m_chaves.size());
    const auto maior = static_cast<int32_t>(std::min<int64_t>(m_max_completas, qtde_de_chaves));
    const int32_t menor = std::max(m_min_completas, 0);
    for (int32_t k = maior; k >= menor && !m_parar; --k) {
        m_completas.assign(static_cast<size_t>(k), nullptr);
        m_incompletas.clear();
        if (k > 0) {
            m_lugar = 0;
            EscolherCompletas(0);
        } else {
            EnumerarIncompletas();
        }
    }
}

// As chaves guardam (e o arquivo grava) o estado da última enumeração: o da geração de
// verdade, mesmo parada antes de chegar a alguma delas, e não o da contagem.
double CAposta::ContarCartoes()
{
    struct SEstado {
        CChave* chave;
        std::vector<CScoreGrupo*> selecao;
        size_t posicao;
        int32_t acertos, padroes, visitados;
    };
    std::vector<SEstado> guardados;
    for (CChave* chave : m_chaves)
        guardados.push_back({chave, chave->m_selecao, chave->m_posicao, chave->m_acertos, chave->m_padroes,
                             chave->m_visitados});
    m_parar = false;
    m_a_gerar = 0;
    m_contando = true;
    try {
        PercorrerCompletas();
    } catch (...) {
        m_contando = false;
        throw;
    }
    m_contando = false;
    for (SEstado& estado : guardados) {
        estado.chave->m_selecao = std::move(estado.selecao);
        estado.chave->m_posicao = estado.posicao;
        estado.chave->m_acertos = estado.acertos;
        estado.chave->m_padroes = estado.padroes;
        estado.chave->m_visitados = estado.visitados;
    }
    m_completas.clear();
    m_incompletas.clear();
    return m_a_gerar;
}

void CAposta::EscolherCompletas(size_t posicao)
{
    for (size_t i = posicao; i < m_chaves.size(); ++i) {
        if (m_parar)
            return;
        m_completas[m_lugar] = m_chaves[i];
        if (m_lugar + 1 == m_completas.size()) {
            if (CombinacaoAdmissivel())
                EnumerarIncompletas();
        } else {
            ++m_lugar;
            EscolherCompletas(i + 1);
            --m_lugar;
        }
    }
}

// Uma chave cujo máximo é menor que o número de jogos nunca fica completa.
bool CAposta::CombinacaoAdmissivel() const
{
    return std::all_of(m_completas.begin(), m_completas.end(), [](const CChave* chave) {
        return static_cast<int64_t>(chave->m_max) >= static_cast<int64_t>(chave->m_grupos.size());
    });
}

void CAposta::EnumerarIncompletas()
{
    if (m_parar)
        return;
    m_incompletas.clear();
    for (CChave* chave : m_chaves)
        if (std::find(m_completas.begin(), m_completas.end(), chave) == m_completas.end())
            m_incompletas.push_back(chave);
    if (m_incompletas.empty())
        Montar();
    else
        m_incompletas.front()->Enumerar(0);
}

void CAposta::Montar()
{
    std::vector<const CScoreGrupo*> grupos;
    grupos.reserve(kJogosPorCartao);
    for (const CChave* chave : m_completas)
        grupos.insert(grupos.end(), chave->m_grupos.begin(), chave->m_grupos.end());
    for (const CChave* chave : m_incompletas)
        grupos.insert(grupos.end(), chave->m_selecao.begin(), chave->m_selecao.end());
    grupos.insert(grupos.end(), m_grupos_sem_chave.begin(), m_grupos_sem_chave.end());
    ExigirUmGrupoPorJogo(grupos.size());
    if (grupos.empty())
        return;
    if (m_contando) {
        m_a_gerar += static_cast<double>(CartoesDoProduto(grupos));
        return;
    }
    m_cartao = CVolante();
    m_cartao.m_qtde = static_cast<int32_t>(grupos.size());
    OrdenarOsGrupos(grupos);
    DescreverOsGrupos(grupos);
    // Sem filtro, todo cartão do produto entra: a lista cresce uma vez, não aos poucos.
    if (!m_filtrar)
        m_aprovados.Reservar(static_cast<size_t>(m_aprovados.Quantidade()) + CartoesDoProduto(grupos));
    Expandir(grupos, 0);
}

// Quando cada grupo só tem placares de um jogo, a ordenação por jogo põe a escolha de
// cada grupo sempre no mesmo lugar do cartão: ela é feita uma vez aqui, e não a cada
// cartão. Com grupos misturados, cada cartão é ordenado ao ser feito.
void CAposta::OrdenarOsGrupos(const std::vector<const CScoreGrupo*>& grupos)
{
    std::vector<int> jogo_do_grupo(grupos.size(), 0);
    m_ordenar_cada_cartao = false;
    for (size_t g = 0; g < grupos.size(); ++g) {
        if (grupos[g] == nullptr || grupos[g]->m_scores.empty())
            continue;
        const int16_t jogo = grupos[g]->m_scores.front()->m_jogo;
        jogo_do_grupo[g] = jogo;
        for (const CScore* score : grupos[g]->m_scores)
            m_ordenar_cada_cartao = m_ordenar_cada_cartao || score->m_jogo != jogo;
    }
    std::vector<size_t> ordem(grupos.size());
    std::iota(ordem.begin(), ordem.end(), size_t{0});
    if (!m_ordenar_cada_cartao)
        std::stable_sort(ordem.begin(), ordem.end(),
                         [&](size_t a, size_t b) { return jogo_do_grupo[a] < jogo_do_grupo[b]; });
    for (size_t lugar = 0; lugar < ordem.size(); ++lugar)
        m_lugar_no_cartao[ordem[lugar]] = lugar;
}

void CAposta::DescreverOsGrupos(const std::vector<const CScoreGrupo*>& grupos)
{
    m_descrever = m_filtrar && !m_ordenar_cada_cartao;
    if (!m_descrever)
        return;
    m_descricoes.assign(grupos.size(), {});
    for (size_t g = 0; g < grupos.size(); ++g)
        if (grupos[g] != nullptr)
            for (const CScore* score : grupos[g]->m_scores)
                m_descricoes[g].push_back(CResumoDoVolante::Descrever(*score));
    m_descrito = CResumoDoVolante::SCartaoDescrito();
    m_descrito.qtde = static_cast<int>(grupos.size());
}

void CAposta::DescreverNoLugar(size_t grupo, size_t lugar, bool ultimo, const CResumoDoVolante::SDescricao& descricao)
{
    m_descrito.placares[lugar] = descricao.placar;
    m_descrito.resultados[lugar] = descricao.resultado;
    uint64_t* somas = ultimo ? m_descrito.somas : m_somas[grupo];
    for (size_t p = 0; p < CResumoDoVolante::kPalavrasDeSomas; ++p)
        somas[p] = (grupo > 0 ? m_somas[grupo - 1][p] : 0) + descricao.somas[p];
}

void CAposta::Expandir(const std::vector<const CScoreGrupo*>& grupos, size_t grupo)
{
    const CScoreGrupo* atual = grupos[grupo];
    if (atual == nullptr)
        return;
    const bool ultimo = grupo + 1 == grupos.size();
    const size_t lugar = m_lugar_no_cartao[grupo];
    for (size_t s = 0; s < atual->m_scores.size(); ++s) {
        if (m_parar)
            return;
        m_cartao.m_scores[lugar] = atual->m_scores[s];
        if (m_descrever)
            DescreverNoLugar(grupo, lugar, ultimo, m_descricoes[grupo][s]);
        if (ultimo)
            ProduzirCartao();
        else
            Expandir(grupos, grupo + 1);
    }
}

// O cartão já somado na descida do produto ou, com grupos misturados, por inteiro.
bool CAposta::Aprovado(const CVolante& cartao) const
{
    if (m_descrever)
        return m_faixas.Aprova(m_descrito);
    return m_faixas.Aprova(CResumoDoVolante::DescreverCartao(cartao));
}

// Um cartão reprovado nem chega à lista.
void CAposta::ProduzirCartao()
{
    const CVolante* cartao = &m_cartao;
    CVolante ordenado;
    if (m_ordenar_cada_cartao) {
        ordenado = m_cartao;
        ordenado.OrdenarPorJogo();
        cartao = &ordenado;
    }
    if (!m_filtrar || Aprovado(*cartao)) {
        m_aprovados.Adicionar(*cartao);
        ++m_aprovadas;
    }
    if (++m_geradas % kCartoesPorAtualizacao == 0) {
        m_progresso.Atualizar(m_geradas, m_aprovadas);
        m_progresso.BombearMensagens();
        m_parar = m_progresso.PararSolicitado();
    }
}

size_t CAposta::QtdeDeGrupos() const
{
    size_t qtde = m_grupos_sem_chave.size();
    for (const CChave* chave : m_chaves)
        qtde += chave->m_grupos.size();
    return qtde;
}

void CChave::Enumerar(size_t posicao)
{
    m_posicao = posicao;
    m_selecao = m_grupos;
    m_acertos = 0;
    m_visitados = 0;
    m_padroes = m_grupos.size() < 31 ? int32_t{1} << m_grupos.size() : std::numeric_limits<int32_t>::max();
    EnumerarPadroes(0);
}

// Cada chamada termina numa folha: as folhas saem na ordem da contagem binária, o
// primeiro jogo como dígito mais significativo, favorito 0 e alternativa 1.
void CChave::EnumerarPadroes(size_t grupo)
{
    for (size_t p = grupo; p < m_grupos.size(); ++p) {
        m_selecao[p] = m_grupos[p];
        ++m_acertos;
        EnumerarPadroes(p + 1);
        --m_acertos;
        m_selecao[p] = m_grupos[p]->m_alternativas;
    }
    // O primeiro padrão visitado é o de todos favoritos: a chave estaria completa.
    if (++m_visitados == 1)
        return;
    if (m_acertos < m_min || m_acertos > m_max)
        return;
    const std::vector<CChave*>& incompletas = m_aposta->m_incompletas;
    if (m_posicao + 1 < incompletas.size())
        incompletas[m_posicao + 1]->Enumerar(m_posicao + 1);
    else
        m_aposta->Montar();
}
