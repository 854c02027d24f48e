#include "checking/CartoesIndexados.h"

#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace {

// O que ContarAcertos compara de uma entrada: o jogo e as dez marcas.
using ConteudoDoPlacar = std::array<int16_t, 11>;

ConteudoDoPlacar Conteudo(const CScore& entrada)
{
    ConteudoDoPlacar conteudo{};
    conteudo[0] = entrada.m_jogo;
    std::copy(std::begin(entrada.m_time1), std::end(entrada.m_time1), conteudo.begin() + 1);
    std::copy(std::begin(entrada.m_time2), std::end(entrada.m_time2), conteudo.begin() + 6);
    return conteudo;
}

} // namespace

CCartoesIndexados::CCartoesIndexados(const CListaDeVolantes& volantes)
{
    m_placares.push_back(nullptr);
    m_entradas.reserve(static_cast<size_t>(std::max(volantes.Quantidade(), 0)) * 5);
    // Quase sempre as entradas são as mesmas 125 células: o ponteiro resolve sem olhar o conteúdo.
    std::unordered_map<const CScore*, uint32_t> por_ponteiro;
    std::map<ConteudoDoPlacar, uint32_t> por_conteudo;
    for (const CVolante volante : volantes) {
        for (const CScore* entrada : volante.m_scores) {
            auto [achado, novo] = por_ponteiro.try_emplace(entrada, 0);
            if (novo && entrada != nullptr && entrada->m_jogo >= 0 && entrada->m_jogo <= 4) {
                auto [placar, inedito] =
                    por_conteudo.try_emplace(Conteudo(*entrada), static_cast<uint32_t>(m_placares.size()));
                if (inedito)
                    m_placares.push_back(entrada);
                achado->second = placar->second;
            }
            m_entradas.push_back(achado->second);
        }
    }
    m_acerta.assign(m_placares.size(), 0);
}

void CCartoesIndexados::PrepararResultado(const CVolante& resultado)
{
    for (size_t i = 1; i < m_placares.size(); ++i) {
        const CScore* const placar = m_placares[i];
        const CScore* const do_resultado = resultado.m_scores[placar->m_jogo];
        m_acerta[i] = do_resultado != nullptr && do_resultado->MesmoPlacar(*placar);
    }
}

void CCartoesIndexados::Contar(size_t de, size_t ate, std::array<int64_t, 6>& contagem) const
{
    const uint32_t* entrada = m_entradas.data() + 5 * de;
    const uint8_t* const acerta = m_acerta.data();
    for (size_t i = de; i < ate; ++i, entrada += 5) {
        const int acertos = acerta[entrada[0]] + acerta[entrada[1]] + acerta[entrada[2]] + acerta[entrada[3]] +
                            acerta[entrada[4]];
        ++contagem[static_cast<size_t>(acertos)];
    }
}
