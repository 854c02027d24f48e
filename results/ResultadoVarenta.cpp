#include "ResultadoVarenta.h"

#include "EscritorDeArquivo.h"
#include "LeitorDeArquivo.h"

namespace {
// Só as faixas de prêmio vão para o arquivo.
constexpr int kFaixas[] = {3, 4, 5};
// Todo resultado gravado pelo programa tem um placar por jogo; outra quantidade não
// caberia no cartão-resultado da conferência.
constexpr uint32_t kPlacaresPorResultado = 5;
}

void CResultadoVarenta::Serialize(CEscritorDeArquivo& ar) const
{
    ar.Escrever32(static_cast<uint32_t>(m_concurso));
    ar.Escrever32(static_cast<uint32_t>(m_data.estado));
    ar.EscreverDouble(m_data.valor);
    for (int acertos : kFaixas)
        ar.Escrever32(static_cast<uint32_t>(m_ganhadores[acertos]));
    for (int acertos : kFaixas)
        ar.EscreverDouble(m_rateio[acertos]);
    ar.EscreverDouble(m_valorAcumulado);
    ar.Escrever32(static_cast<uint32_t>(m_acumulado));
    ar.EscreverContagem(static_cast<uint32_t>(m_scores.size()));
    for (const auto& score : m_scores)
        ar.EscreverObjeto(score.get());
}

void CResultadoVarenta::Serialize(CLeitorDeArquivo& ar)
{
    m_concurso = ar.LerInt32();
    m_data.estado = ar.LerInt32();
    m_data.valor = ar.LerDouble();
    for (int acertos : kFaixas)
        m_ganhadores[acertos] = ar.LerInt32();
    for (int acertos : kFaixas)
        m_rateio[acertos] = ar.LerDouble();
    m_valorAcumulado = ar.LerDouble();
    m_acumulado = ar.LerInt32();
    const uint32_t quantidade = ar.LerContagem();
    if (quantidade != kPlacaresPorResultado)
        throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "resultado sem 5 placares");
    m_scores.clear();
    for (uint32_t i = 0; i < quantidade; ++i) {
        const CScore* score = ar.LerObjeto<CScore>({.aceitar_nulo = false, .aceitar_referencia = false});
        // Placar sempre novo (sem referência), logo ainda do leitor: passa a ser deste resultado.
        m_scores.emplace_back(static_cast<CScore*>(ar.Liberar(score).release()));
    }
}
