#include "GeracaoDeApostas.h"

#include "Aposta.h"
#include "CartaoCheio.h"
#include "Chave.h"
#include "Filtro.h"
#include "ResumoDasChaves.h"
#include "ScoreGrupo.h"
#include "VarentaDoc.h"

#include <algorithm>
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

void PrimeiroCartaoComoAtual(CVarentaDoc& documento)
{
    documento.m_volante_atual = documento.m_volantes.m_primeiro;
    documento.m_tem_volantes = documento.m_volante_atual != nullptr ? 1 : 0;
}

} // namespace

int ValidarFavoritos(const CVarentaDoc& documento)
{
    for (int m = 0; m < 5; ++m) {
        const auto& celulas = documento.m_celulas[static_cast<size_t>(m)];
        if (std::find(celulas.begin(), celulas.end(), uint16_t(kFavorito)) == celulas.end())
            return m + 1;
    }
    return 0;
}

bool GerarApostasDoDocumento(CVarentaDoc& documento, CAposta& aposta, bool filtrar, bool& filtrado,
                             const IConfiguracoes& configuracoes)
{
    aposta.Limpar();
    aposta.m_filtrar = filtrar;

    SGruposDoQuadro grupos = MontarGrupos(documento);
    SoltarGrupos(documento);
    for (int m = 0; m < 5; ++m) {
        if (CChave* chave = ChaveDoJogo(documento, m))
            chave->m_grupos.push_back(grupos.favoritos[m]);
        else
            aposta.m_grupos_sem_chave.push_back(grupos.favoritos[m]);
    }
    for (const auto& chave : documento.m_chaves) {
        aposta.m_chaves.push_back(chave.get());
        chave->m_aposta = &aposta;
    }
    aposta.m_min_completas = documento.m_min_completas;
    aposta.m_max_completas = documento.m_max_completas;

    try {
        aposta.GerarCartoes();
    } catch (...) {
        SoltarGrupos(documento);
        throw;
    }
    SoltarGrupos(documento);

    const bool tinha_atual = documento.m_volante_atual != nullptr;
    documento.m_volante_atual = nullptr;
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
    return !tinha_atual && documento.m_volante_atual != nullptr;
}

void FiltrarApostasDoDocumento(CVarentaDoc& documento, CFiltro& filtro, IProgressoFiltragem& progresso,
                               bool refazer_resumo, bool& filtrado, const IConfiguracoes& configuracoes)
{
    documento.m_volante_atual = nullptr;
    filtro.CarregarFiltros();
    filtro.FiltrarVolantes(documento.m_volantes, documento.m_qtde_apostas, progresso);
    PrimeiroCartaoComoAtual(documento);
    filtrado = true;
    if (refazer_resumo)
        documento.m_resumo = ResumoDasChaves(documento.m_min_completas, documento.m_max_completas,
                                             documento.m_chaves, filtrado, configuracoes);
}
