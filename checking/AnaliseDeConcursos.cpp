#include "checking/AnaliseDeConcursos.h"

#include "checking/CartoesIndexados.h"
#include "checking/ProgressoDaAnalise.h"
#include "core/Volante.h"

#include <algorithm>

namespace {

constexpr size_t kMensagensACada = 1000;

// Cartão que só empresta os placares do resultado, com a entrada m sendo o jogo m.
CVolante CartaoDoResultado(const CResultadoVarenta& resultado)
{
    CVolante cartao;
    cartao.m_qtde = static_cast<int32_t>(std::min<size_t>(resultado.m_scores.size(), 5));
    for (int32_t i = 0; i < cartao.m_qtde; ++i)
        cartao.m_scores[i] = resultado.m_scores[static_cast<size_t>(i)].get();
    cartao.OrdenarPorJogo();
    return cartao;
}

int Restantes(int inicial, int final)
{
    const int restantes = final - inicial;
    return restantes < 0 ? -1 : restantes;
}

} // namespace

CAnaliseDeConcursos::CAnaliseDeConcursos(const CListaDeResultados& resultados) : m_resultados(resultados) {}

int CAnaliseDeConcursos::LinhasDaGrade(int inicial, int final)
{
    return Restantes(inicial, final) + 3;
}

void CAnaliseDeConcursos::Analisar(const CListaDeVolantes& volantes, int inicial, int final,
                                   IProgressoAnalise& progresso)
{
    m_linhas.clear();
    m_total = {};
    m_interrompida = false;
    CCartoesIndexados cartoes(volantes);
    const size_t quantidade = cartoes.Quantidade();
    int restantes = Restantes(inicial, final);
    for (size_t posicao = static_cast<size_t>(std::max(inicial, 0));
         inicial >= 0 && posicao < m_resultados.size() && restantes >= 0; ++posicao, --restantes) {
        const CResultadoVarenta& resultado = *m_resultados[posicao];
        cartoes.PrepararResultado(CartaoDoResultado(resultado));
        SLinhaDaAnalise linha{resultado.m_concurso, {}};
        // O 1º cartão de cada milhar abre a vez da interface; o concurso termina de todo jeito.
        for (size_t de = 0; de < quantidade; de += kMensagensACada) {
            cartoes.Contar(de, de + 1, linha.m_acertos);
            progresso.BombearMensagens();
            m_interrompida = m_interrompida || progresso.PararSolicitado();
            cartoes.Contar(de + 1, std::min(de + kMensagensACada, quantidade), linha.m_acertos);
        }
        for (size_t k = 0; k < m_total.size(); ++k)
            m_total[k] += linha.m_acertos[k];
        m_linhas.push_back(linha);
        progresso.ConcursoConcluido(m_linhas.back());
        if (m_interrompida)
            break;
    }
}
