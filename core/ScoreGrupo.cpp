#include "core/ScoreGrupo.h"

#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/Score.h"

void CScoreGrupo::Serialize(CEscritorDeArquivo& ar) const
{
    ar.Escrever16(static_cast<uint16_t>(m_jogo));
    ar.EscreverObjeto(m_alternativas);
    ar.EscreverContagem(static_cast<uint32_t>(m_scores.size()));
    for (const CScore* score : m_scores)
        ar.EscreverObjeto(score);
}

void CScoreGrupo::Serialize(CLeitorDeArquivo& ar)
{
    m_jogo = ar.LerInt16();
    m_alternativas = ar.LerObjeto<CScoreGrupo>();
    m_scores.clear();
    const uint32_t quantidade = ar.LerContagem();
    for (uint32_t i = 0; i < quantidade; ++i)
        m_scores.push_back(ar.LerObjeto<CScore>({.aceitar_nulo = false}));
}
