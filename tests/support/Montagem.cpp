#include "tests/support/Montagem.h"

#include "core/CartaoCheio.h"
#include "core/ListaDeVolantes.h"
#include "core/PlacaresEmTexto.h"
#include "core/Volante.h"

#include <stdexcept>
#include <vector>

namespace {

int CelulaDasColunas(int coluna1, int coluna2)
{
    for (int k = 0; k < 25; ++k)
        if (kColunasDaCelula[k][0] == coluna1 && kColunasDaCelula[k][1] == coluna2)
            return k;
    throw std::logic_error("célula inexistente");
}

} // namespace

void AdicionarCartao(CListaDeVolantes& lista, const std::string& placares)
{
    const std::array<int, 10> colunas = LerPlacares(placares);
    CVolante volante;
    volante.m_qtde = 5;
    for (int jogo = 0; jogo < 5; ++jogo)
        volante.m_scores[jogo] = CCartaoCheio::Instancia().Celula(
            jogo, CelulaDasColunas(colunas[size_t(2 * jogo)], colunas[size_t(2 * jogo + 1)]));
    lista.Adicionar(volante);
}

void TrocarEntrada(CListaDeVolantes& lista, int32_t posicao, int lugar, const CScore* placar)
{
    std::vector<CVolante> cartoes(lista.begin(), lista.end());
    cartoes.at(static_cast<size_t>(posicao)).m_scores[lugar] = placar;
    lista.Esvaziar();
    for (const CVolante& cartao : cartoes)
        lista.Adicionar(cartao);
}

std::unique_ptr<CResultadoVarenta> ResultadoDosPlacares(int32_t concurso, const std::string& placares)
{
    const std::array<int, 10> colunas = LerPlacares(placares);
    auto resultado = std::make_unique<CResultadoVarenta>();
    resultado->m_concurso = concurso;
    for (int jogo = 0; jogo < 5; ++jogo) {
        auto placar = std::make_unique<CScore>();
        placar->m_jogo = static_cast<int16_t>(jogo);
        placar->m_time1[colunas[size_t(2 * jogo)]] = 1;
        placar->m_time2[colunas[size_t(2 * jogo + 1)]] = 1;
        resultado->m_scores.push_back(std::move(placar));
    }
    return resultado;
}
