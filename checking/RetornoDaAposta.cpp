#include "checking/RetornoDaAposta.h"

#include "checking/AnaliseDeConcursos.h"
#include "core/PrecoDaAposta.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kMenorFaixa = 3;

SRetornoDoConcurso RetornoDaLinha(const SLinhaDaAnalise& linha, const CResultadoVarenta& resultado, double preco)
{
    SRetornoDoConcurso retorno;
    retorno.m_concurso = linha.m_concurso;
    retorno.m_custo = preco;
    for (size_t faixa = 0; faixa < retorno.m_premiados.size(); ++faixa) {
        const size_t acertos = faixa + kMenorFaixa;
        retorno.m_premiados[faixa] = linha.m_acertos[acertos];
        retorno.m_premio += static_cast<double>(linha.m_acertos[acertos]) * resultado.m_rateio[acertos];
    }
    return retorno;
}

void Somar(SRetornoDoConcurso& total, const SRetornoDoConcurso& concurso)
{
    for (size_t faixa = 0; faixa < total.m_premiados.size(); ++faixa)
        total.m_premiados[faixa] += concurso.m_premiados[faixa];
    total.m_premio += concurso.m_premio;
    total.m_custo += concurso.m_custo;
}

} // namespace

CRetornoDaAposta::CRetornoDaAposta(const CListaDeResultados& resultados, int inicial,
                                   const CAnaliseDeConcursos& analise, double preco)
{
    size_t posicao = static_cast<size_t>(std::max(inicial, 0));
    for (const SLinhaDaAnalise& linha : analise.Linhas()) {
        // A linha e o registro andam juntos; outro concurso seria a análise de outra lista.
        const CResultadoVarenta& resultado = *resultados.at(posicao++);
        if (resultado.m_concurso != linha.m_concurso)
            throw std::logic_error("análise de outra lista de resultados");
        m_concursos.push_back(RetornoDaLinha(linha, resultado, preco));
        Somar(m_total, m_concursos.back());
    }
}

std::array<std::string, 6> TextosDoRetorno(const SRetornoDoConcurso& retorno)
{
    return {std::to_string(retorno.m_premiados[0]), std::to_string(retorno.m_premiados[1]),
            std::to_string(retorno.m_premiados[2]), TextoComDuasCasas(retorno.m_premio),
            TextoComDuasCasas(retorno.m_custo),     TextoComDuasCasas(retorno.Saldo())};
}
