#include "core/Volante.h"

#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/Score.h"

#include <utility>

int CVolante::ContarAcertos(const CVolante& cartao) const
{
    int acertos = 0;
    for (int i = 0; i < 5; ++i) {
        const CScore* entrada = cartao.m_scores[i];
        if (entrada == nullptr || entrada->m_jogo < 0 || entrada->m_jogo > 4)
            continue;
        const CScore* resultado = m_scores[entrada->m_jogo];
        if (resultado != nullptr && resultado->MesmoPlacar(*entrada))
            ++acertos;
    }
    return acertos;
}

int CVolante::QtdeDeApostas() const
{
    int apostas = 1;
    for (const CScore* entrada : m_scores) {
        if (entrada == nullptr)
            return 0;
        apostas *= ApostasDoPlacar(*entrada);
    }
    return apostas;
}

int CVolante::ApostasDoPlacar(const CScore& placar)
{
    int marcas1 = 0;
    int marcas2 = 0;
    for (int c = 0; c < 5; ++c) {
        marcas1 += placar.m_time1[c] == 1;
        marcas2 += placar.m_time2[c] == 1;
    }
    return marcas1 * marcas2;
}

void CVolante::OrdenarPorJogo()
{
    const int n = m_qtde < 5 ? m_qtde : 5;
    for (int i = 0; i < n - 1; ++i)
        for (int j = 0; j < n - i - 1; ++j)
            if (m_scores[j]->m_jogo > m_scores[j + 1]->m_jogo)
                std::swap(m_scores[j], m_scores[j + 1]);
}

void CVolante::Serialize(CEscritorDeArquivo& ar) const
{
    ar.Escrever32(static_cast<uint32_t>(m_qtde));
    for (int i = 0; i < m_qtde && i < 5; ++i)
        ar.EscreverObjeto(m_scores[i]);
}

void CVolante::Serialize(CLeitorDeArquivo& ar)
{
    m_qtde = ar.LerInt32();
    if (m_qtde != 5)
        throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "cartão sem 5 entradas");
    for (const CScore*& entrada : m_scores) {
        entrada = ar.LerObjeto<CScore>({.aceitar_nulo = false});
        if (entrada->m_jogo < 0 || entrada->m_jogo > 4)
            throw CErroDeFormato(CErroDeFormato::Tipo::FormatoInvalido, "jogo fora de 0 a 4");
    }
}
