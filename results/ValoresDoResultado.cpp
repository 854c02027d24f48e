#include "results/ValoresDoResultado.h"

#include "core/ErroDoUsuario.h"

namespace {

std::unique_ptr<CScore> PlacarDoJogo(int jogo, int coluna1, int coluna2)
{
    if (coluna1 < 0 || coluna1 > 4 || coluna2 < 0 || coluna2 > 4)
        throw CErroDoUsuario("Placar inválido no jogo " + std::to_string(jogo + 1) + ".");
    auto placar = std::make_unique<CScore>();
    placar->m_jogo = int16_t(jogo);
    placar->m_time1[coluna1] = 1;
    placar->m_time2[coluna2] = 1;
    return placar;
}

} // namespace

std::unique_ptr<CResultadoVarenta> NovoResultado(const SValoresDoResultado& valores)
{
    auto resultado = std::make_unique<CResultadoVarenta>();
    resultado->m_concurso = valores.concurso;
    resultado->m_data = valores.data;
    for (int faixa = 0; faixa < 3; ++faixa) {
        resultado->m_ganhadores[3 + faixa] = valores.ganhadores[faixa];
        resultado->m_rateio[3 + faixa] = valores.rateios[faixa];
    }
    resultado->m_valorAcumulado = valores.valor_acumulado;
    resultado->m_acumulado = valores.valor_acumulado > 0 ? 1 : 0;
    for (int jogo = 0; jogo < 5; ++jogo)
        resultado->m_scores.push_back(PlacarDoJogo(jogo, valores.colunas[2 * jogo], valores.colunas[2 * jogo + 1]));
    return resultado;
}

std::string ComPontoDecimal(std::string texto)
{
    const auto virgula = texto.find(',');
    if (virgula != std::string::npos && texto.find(',', virgula + 1) == std::string::npos &&
        texto.find('.') == std::string::npos)
        texto[virgula] = '.';
    return texto;
}
