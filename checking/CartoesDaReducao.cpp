#include "checking/CartoesDaReducao.h"

#include "checking/CartaoNaoSimples.h"
#include "checking/Fechamento.h"
#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Coluna da única marca do time, ou -1 se não houver exatamente uma (e só marcas 0 e 1):
// MesmoPlacar compara as dez marcas, e só assim dois placares iguais têm a mesma célula.
int ColunaUnica(const int16_t (&marcas)[5])
{
    int coluna = -1;
    for (int c = 0; c < 5; ++c) {
        if (marcas[c] == 0)
            continue;
        if (marcas[c] != 1 || coluna != -1)
            return -1;
        coluna = c;
    }
    return coluna;
}

// -1 se o cartão não for uma aposta simples com os cinco jogos.
int32_t NumeroDoCartao(const CVolante& cartao)
{
    if (cartao.QtdeDeApostas() != 1)
        return -1;
    int32_t numero = 0;
    bool visto[5] = {};
    for (const CScore* entrada : cartao.m_scores) {
        const int jogo = entrada->m_jogo;
        const int coluna1 = ColunaUnica(entrada->m_time1);
        const int coluna2 = ColunaUnica(entrada->m_time2);
        if (jogo < 0 || jogo > 4 || visto[jogo] || coluna1 < 0 || coluna2 < 0)
            return -1;
        visto[jogo] = true;
        int32_t peso = 1;
        for (int j = 0; j < jogo; ++j)
            peso *= CFechamento::kCelulas;
        numero += peso * (5 * coluna1 + coluna2);
    }
    return numero;
}

} // namespace

std::vector<int32_t> NumerosDosCartoes(const CListaDeVolantes& volantes)
{
    std::vector<int32_t> numeros;
    numeros.reserve(static_cast<size_t>(std::max(volantes.Quantidade(), 0)));
    for (const CVolante cartao : volantes) {
        const int32_t numero = NumeroDoCartao(cartao);
        if (numero < 0)
            throw CCartaoNaoSimples(static_cast<int>(numeros.size()) + 1);
        numeros.push_back(numero);
    }
    return numeros;
}

int32_t ManterCartoes(CListaDeVolantes& volantes, const std::vector<bool>& manter)
{
    if (manter.size() != static_cast<size_t>(std::max(volantes.Quantidade(), 0)))
        throw std::invalid_argument("um valor por cartão da lista");
    std::vector<bool> retirar(manter.size());
    int32_t retirados = 0;
    for (size_t posicao = 0; posicao < manter.size(); ++posicao) {
        retirar[posicao] = !manter[posicao];
        retirados += retirar[posicao] ? 1 : 0;
    }
    volantes.RemoverMarcados(retirar);
    return retirados;
}
