#include "core/Chave.h"

#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/ScoreGrupo.h"

#include <utility>

namespace {
// Mais do que qualquer chave comporta: a tela mostra n - 1 a n até a primeira leitura da grade.
constexpr int32_t kLimiteInicial = 15;
}

CChave::CChave(std::string nome)
    : m_nome(std::move(nome)), m_min(kLimiteInicial), m_max(kLimiteInicial) {}

void CChave::Serialize(CEscritorDeArquivo& ar) const
{
    ar.Escrever32(static_cast<uint32_t>(m_visitados));
    ar.EscreverTexto(m_nome);
    ar.Escrever32(static_cast<uint32_t>(m_reservado));
    ar.Escrever32(static_cast<uint32_t>(m_padroes));
    ar.Escrever32(static_cast<uint32_t>(m_max));
    ar.Escrever32(static_cast<uint32_t>(m_min));
    ar.Escrever32(static_cast<uint32_t>(m_qtde_jogos));
    ar.EscreverContagem(static_cast<uint32_t>(m_grupos.size()));
    for (const CScoreGrupo* grupo : m_grupos)
        ar.EscreverObjeto(grupo);
}

void CChave::Serialize(CLeitorDeArquivo& ar)
{
    m_visitados = ar.LerInt32();
    m_nome = ar.LerTexto();
    m_reservado = ar.LerInt32();
    m_padroes = ar.LerInt32();
    m_max = ar.LerInt32();
    m_min = ar.LerInt32();
    m_qtde_jogos = ar.LerInt32();
    m_cresceu = 0;
    m_grupos.clear();
    const uint32_t quantidade = ar.LerContagem();
    for (uint32_t i = 0; i < quantidade; ++i)
        m_grupos.push_back(ar.LerObjeto<CScoreGrupo>({.aceitar_nulo = false}));
}
