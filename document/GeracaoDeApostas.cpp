#include "document/GeracaoDeApostas.h"

#include "core/Aposta.h"
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "core/Filtro.h"
#include "document/OrdemDasChaves.h"
#include "reports/ResumoDasChaves.h"
#include "core/ScoreGrupo.h"
#include "document/VarentaDoc.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace {

// Os dez grupos de uma execução: favoritos e alternativas de cada jogo.
struct SGruposDoQuadro {
    std::vector<std::unique_ptr<CScoreGrupo>> todos;
    CScoreGrupo* favoritos[5] = {};
};

SGruposDoQuadro MontarGrupos(const CVarentaDoc& documento)
{
    const CCartaoCheio& tabela = CCartaoCheio::Instancia();
    SGruposDoQuadro grupos;
    for (int m = 0; m < 5; ++m) {
        auto favoritos = std::make_unique<CScoreGrupo>();
        auto alternativas = std::make_unique<CScoreGrupo>();
        favoritos->m_jogo = alternativas->m_jogo = static_cast<int16_t>(m);
        for (int k = 0; k < 25; ++k) {
            const uint16_t estado = documento.m_celulas[static_cast<size_t>(m)][static_cast<size_t>(k)];
            if (estado == kFavorito)
                favoritos->m_scores.push_back(tabela.Celula(m, k));
            else if (estado == kAlternativa)
                alternativas->m_scores.push_back(tabela.Celula(m, k));
        }
        favoritos->m_alternativas = alternativas.get();
        grupos.favoritos[m] = favoritos.get();
        grupos.todos.push_back(std::move(favoritos));
        grupos.todos.push_back(std::move(alternativas));
    }
    return grupos;
}

CChave* ChaveDoJogo(const CVarentaDoc& documento, int jogo)
{
    const std::string& nome = documento.m_chave_do_jogo[static_cast<size_t>(jogo)];
    if (nome.empty())
        return nullptr;
    const auto achada = std::find_if(documento.m_chaves.begin(), documento.m_chaves.end(),
                                     [&](const auto& chave) { return chave->m_nome == nome; });
    return achada == documento.m_chaves.end() ? nullptr : achada->get();
}

// Os grupos morrem com a execução: nenhuma chave pode continuar apontando para eles.
void SoltarGrupos(const CVarentaDoc& documento)
{
    for (const auto& chave : documento.m_chaves) {
        chave->m_grupos.clear();
        chave->m_selecao.clear();
    }
}

int32_t Limitado(int64_t valor)
{
    return static_cast<int32_t>(std::clamp<int64_t>(valor, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Só as chaves que levam jogos entram no gerador. Uma chave sem jogo conta como completa
// (se o seu máximo não é negativo) e, incompleta, não dá cartão algum: os cartões são os
// das combinações que a têm entre as completas, ou seja, os das outras chaves com a
// faixa de completas descontada das vazias, na mesma ordem. Um arquivo com milhares de
// chaves vazias daria combinações sem fim.
void EntregarChaves(const CVarentaDoc& documento, CAposta& aposta)
{
    int64_t vazias = 0;
    bool alguma_nunca_completa = false;
    for (const auto& chave : documento.m_chaves) {
        chave->m_aposta = &aposta;
        if (!chave->m_grupos.empty()) {
            aposta.m_chaves.push_back(chave.get());
            continue;
        }
        ++vazias;
        alguma_nunca_completa = alguma_nunca_completa || chave->m_max < 0;
    }
    aposta.m_min_completas = Limitado(int64_t{documento.m_min_completas} - vazias);
    aposta.m_max_completas = Limitado(int64_t{documento.m_max_completas} - vazias);
    if (alguma_nunca_completa) {
        // Faixa vazia: nenhum cartão, mas a execução acontece e o diálogo mostra 0.
        aposta.m_min_completas = 1;
        aposta.m_max_completas = 0;
    }
}

} // namespace

void PrimeiroCartaoComoAtual(CVarentaDoc& documento)
{
    documento.m_indice_atual = documento.m_volantes.Quantidade() > 0 ? 0 : -1;
    documento.m_tem_volantes = documento.m_indice_atual >= 0 ? 1 : 0;
}

int ValidarFavoritos(const CVarentaDoc& documento)
{
    for (int m = 0; m < 5; ++m) {
        const auto& celulas = documento.m_celulas[static_cast<size_t>(m)];
        if (std::find(celulas.begin(), celulas.end(), uint16_t(kFavorito)) == celulas.end())
            return m + 1;
    }
    return 0;
}

std::string MensagemDeJogoSemFavorito(int jogo)
{
    return "Marque ao menos um favorito no jogo " + std::to_string(jogo);
}

bool GerarApostasDoDocumento(CVarentaDoc& documento, CAposta& aposta, bool filtrar, bool& filtrado,
                             const IConfiguracoes& configuracoes)
{
    aposta.Limpar();
    aposta.m_filtrar = filtrar;
    OrdenarChavesPorNome(documento.m_chaves);

    SGruposDoQuadro grupos = MontarGrupos(documento);
    SoltarGrupos(documento);
    for (int m = 0; m < 5; ++m) {
        if (CChave* chave = ChaveDoJogo(documento, m))
            chave->m_grupos.push_back(grupos.favoritos[m]);
        else
            aposta.m_grupos_sem_chave.push_back(grupos.favoritos[m]);
    }
    EntregarChaves(documento, aposta);

    try {
        aposta.GerarCartoes();
    } catch (...) {
        SoltarGrupos(documento);
        throw;
    }
    SoltarGrupos(documento);

    const bool tinha_atual = documento.m_indice_atual >= 0;
    documento.m_indice_atual = -1;
    documento.m_volantes.Esvaziar();
    documento.m_volantes.Transferir(aposta.m_aprovados);
    documento.m_qtde_apostas = aposta.m_aprovadas;
    PrimeiroCartaoComoAtual(documento);

    if (filtrar) {
        filtrado = true;
        documento.m_resumo = ResumoDasChaves(documento.m_min_completas, documento.m_max_completas,
                                             documento.m_chaves, filtrado, configuracoes);
    } else {
        documento.m_resumo.clear();
    }
    return !tinha_atual && documento.m_indice_atual >= 0;
}

void FiltrarApostasDoDocumento(CVarentaDoc& documento, CFiltro& filtro, IProgressoFiltragem& progresso,
                               bool refazer_resumo, bool& filtrado, const IConfiguracoes& configuracoes)
{
    documento.m_indice_atual = -1;
    filtro.CarregarFiltros();
    filtro.FiltrarVolantes(documento.m_volantes, documento.m_qtde_apostas, progresso);
    PrimeiroCartaoComoAtual(documento);
    filtrado = true;
    if (refazer_resumo)
        documento.m_resumo = ResumoDasChaves(documento.m_min_completas, documento.m_max_completas,
                                             documento.m_chaves, filtrado, configuracoes);
}
