#include "results/ValoresDoResultado.h"

#include "core/ErroDoUsuario.h"
#include "results/FaixasDoResultado.h"

#include <charconv>
#include <cmath>

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
    ExigirFaixas(*resultado);
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

std::optional<double> LerReais(const std::string& original)
{
    const std::string texto = ComPontoDecimal(original);
    double valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [ptr, erro] = std::from_chars(texto.data(), fim, valor, std::chars_format::fixed);
    if (texto.empty() || erro != std::errc() || ptr != fim || !std::isfinite(valor) || valor < 0)
        return std::nullopt;
    return valor;
}

std::optional<int32_t> LerNaoNegativo(std::string_view texto)
{
    int32_t valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [ptr, erro] = std::from_chars(texto.data(), fim, valor);
    if (texto.empty() || erro != std::errc() || ptr != fim || valor < 0)
        return std::nullopt;
    return valor;
}

std::string TextoFixo(double valor, std::optional<int> casas)
{
    // Cabe qualquer double: 309 algarismos inteiros, ou 324 casas do menor subnormal.
    char texto[400];
    const auto escrita = casas ? std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed, *casas)
                               : std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed);
    if (escrita.ec != std::errc())
        return "-";
    return std::string(texto, escrita.ptr);
}

std::string ReaisExatos(double valor)
{
    const std::string duas_casas = TextoFixo(valor, 2);
    double lido = 0;
    const auto leitura = std::from_chars(duas_casas.data(), duas_casas.data() + duas_casas.size(), lido,
                                         std::chars_format::fixed);
    if (leitura.ec == std::errc() && lido == valor)
        return duas_casas;
    return TextoFixo(valor, std::nullopt);
}
