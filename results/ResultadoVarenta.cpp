#include "results/ResultadoVarenta.h"

#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "results/FaixasDoResultado.h"
#include "results/TextoDaResposta.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

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

namespace {

// "+" e os algarismos de 4 a 9 caem na coluna "+"; o que não é algarismo, na coluna 0.
int ColunaDosGols(std::string_view linha, size_t posicao)
{
    if (posicao >= linha.size())
        return 0;
    const char gols = linha[posicao];
    if (gols == '+')
        return 4;
    if (gols >= '0' && gols <= '9')
        return std::min(gols - '0', 4);
    return 0;
}

int32_t InteiroDoDecimal(double valor)
{
    // Valor da rede: fora da faixa de 32 bits a conversão não seria definida.
    if (!(valor > -2147483648.0))
        return std::numeric_limits<int32_t>::min();
    if (!(valor < 2147483648.0))
        return std::numeric_limits<int32_t>::max();
    return int32_t(valor);
}

} // namespace

void CResultadoVarenta::LerPlacares(std::string_view linha)
{
    for (int jogo = 0; jogo < 5; ++jogo) {
        auto score = std::make_unique<CScore>();
        score->m_jogo = int16_t(jogo);
        score->m_time1[ColunaDosGols(linha, size_t(3 * jogo))] = 1;
        score->m_time2[ColunaDosGols(linha, size_t(3 * jogo + 1))] = 1;
        m_scores.push_back(std::move(score));
    }
}

int CResultadoVarenta::LerDaResposta(const std::string& texto)
{
    return LerDaResposta(texto, FLerDataRegional());
}

namespace {

bool GolsConhecidos(std::string_view linha, size_t posicao)
{
    return posicao < linha.size() && std::string_view("01234+").find(linha[posicao]) != std::string_view::npos;
}

// Os dez caracteres de gols dos cinco jogos, cada um "0" a "4" ou "+".
bool PlacaresCompletos(std::string_view linha)
{
    for (size_t jogo = 0; jogo < 5; ++jogo)
        if (!GolsConhecidos(linha, 3 * jogo) || !GolsConhecidos(linha, 3 * jogo + 1))
            return false;
    return true;
}

std::string TextoInteiro(double valor)
{
    char texto[400];
    const int escritos = std::snprintf(texto, sizeof texto, "%.0f", valor);
    return escritos > 0 && size_t(escritos) < sizeof texto ? std::string(texto, size_t(escritos)) : std::string("?");
}

std::string SemPontoFinal(std::string texto)
{
    if (!texto.empty() && texto.back() == '.')
        texto.pop_back();
    return texto;
}

std::string Acertos(int acertos)
{
    return std::to_string(acertos) + " acertos";
}

} // namespace

int CResultadoVarenta::LerDaResposta(const std::string& texto, const FLerDataRegional& regional,
                                     std::string* defeito)
{
    std::string primeiro_defeito;
    const auto marcar = [&](std::string motivo) {
        if (primeiro_defeito.empty())
            primeiro_defeito = std::move(motivo);
    };
    if (texto.size() < 5) {
        if (defeito)
            *defeito = "resposta vazia";
        return 0;
    }
    std::fill(std::begin(m_ganhadores), std::end(m_ganhadores), 0);
    std::fill(std::begin(m_rateio), std::end(m_rateio), 0.0);
    int estado = 0;
    int acertos = 0;
    int grupos_vistos[15] = {};
    const auto faixa_guardada = [&] { return acertos >= 0 && acertos < 15; };
    const auto exigir_numero = [&](std::string_view linha, const std::string& campo) {
        const auto numero = NumeroDoInicio(linha);
        if (!numero)
            marcar(campo + " não é um número");
        return numero.value_or(0.0);
    };
    std::string_view resto = texto;
    for (size_t fim; (fim = resto.find("\r\n")) != std::string_view::npos;) {
        const std::string_view linha = Aparar(resto.substr(0, fim));
        resto.remove_prefix(fim + 2);
        switch (estado) {
        case 0:
            m_concurso = InteiroDoInicio(linha);
            exigir_numero(linha, "o número do concurso");
            estado = 1;
            break;
        case 1:
            m_data = LerDataDaResposta(std::string(linha), regional);
            if (m_data.estado != SData::kValida)
                marcar("data inválida");
            estado = 2;
            break;
        case 2:
            LerPlacares(linha);
            if (!PlacaresCompletos(linha))
                marcar("placares incompletos");
            estado = 3;
            break;
        case 3:
            m_valorAcumulado = exigir_numero(linha, "o valor acumulado");
            m_acumulado = m_valorAcumulado > 0 ? 1 : 0;
            estado = 4;
            break;
        case 4:
            exigir_numero(linha, "o número de acertos de um grupo de prêmios");
            acertos = InteiroDoInicio(linha);
            if (acertos == 20)
                acertos = 0;
            if (acertos >= 3 && acertos <= 5 && grupos_vistos[acertos]++ > 0)
                marcar("o grupo de " + Acertos(acertos) + " vem repetido");
            estado = 5;
            break;
        case 5: {
            const double ganhadores = exigir_numero(linha, "o número de ganhadores");
            // Antes de caber em 32 bits: 3000000000 não pode virar 2147483647.
            const double inteiro = std::trunc(ganhadores);
            if (acertos >= 3 && acertos <= 5 && !(inteiro >= 0 && inteiro <= double(kMaisGanhadores)))
                marcar(SemPontoFinal(CCampoForaDaFaixa(
                    ECampoDoResultado(int(ECampoDoResultado::Ganhadores3) + acertos - 3), TextoInteiro(inteiro))
                                         .what()));
            if (faixa_guardada())
                m_ganhadores[acertos] = InteiroDoDecimal(ganhadores);
            estado = 6;
            break;
        }
        default: {
            const double rateio = exigir_numero(linha, "o rateio");
            if (faixa_guardada())
                m_rateio[acertos] = rateio;
            estado = 4;
            break;
        }
        }
    }
    // A última linha nunca é lida: a resposta precisa continuar depois do último campo. Onde
    // ela parou, a última linha fez as vezes da linha final e o que viria depois falta.
    switch (estado) {
    case 0:
        marcar("tem uma linha só");
        break;
    case 1:
        marcar("sem os placares");
        break;
    case 2:
        marcar("sem o valor acumulado");
        break;
    case 3:
        marcar("sem os grupos de prêmios");
        break;
    case 4:
        break;
    default:
        marcar("cortada no grupo de " + Acertos(acertos));
        break;
    }
    for (int faixa : kFaixas)
        if (grupos_vistos[faixa] == 0)
            marcar("sem o grupo de " + Acertos(faixa));
    if (Aparar(resto).empty())
        marcar("sem a linha final");
    if (defeito)
        *defeito = primeiro_defeito;
    return 1;
}
