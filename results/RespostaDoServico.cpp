#include "results/RespostaDoServico.h"

#include "results/DataDoResultado.h"
#include "results/ValoresDoResultado.h"

#include <cstdio>

namespace {

constexpr const char* kFimDeLinha = "\r\n";

std::string TextoDaDataDaResposta(const SData& data)
{
    const auto momento = CalendarioDaData(data);
    if (!momento)
        return "-";
    char texto[32];
    if (momento->hora == 0 && momento->minuto == 0 && momento->segundo == 0)
        std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", momento->dia, momento->mes, momento->ano);
    else
        std::snprintf(texto, sizeof texto, "%02d/%02d/%04d %02d:%02d:%02d", momento->dia, momento->mes,
                      momento->ano, momento->hora, momento->minuto, momento->segundo);
    return texto;
}

char Gols(const int16_t (&time)[5])
{
    constexpr char kColunas[] = {'0', '1', '2', '3', '+'};
    for (int coluna = 0; coluna < 5; ++coluna)
        if (time[coluna] != 0)
            return kColunas[coluna];
    return '0';
}

std::string LinhaDosPlacares(const CResultadoVarenta& resultado)
{
    std::string linha;
    for (const auto& score : resultado.m_scores) {
        if (!linha.empty())
            linha += ' ';
        linha += Gols(score->m_time1);
        linha += Gols(score->m_time2);
    }
    return linha;
}

} // namespace

std::string EscreverRespostaDoResultado(const CResultadoVarenta& resultado)
{
    std::string resposta = std::to_string(resultado.m_concurso) + kFimDeLinha;
    resposta += TextoDaDataDaResposta(resultado.m_data) + kFimDeLinha;
    resposta += LinhaDosPlacares(resultado) + kFimDeLinha;
    resposta += TextoFixo(resultado.m_valorAcumulado, std::nullopt) + kFimDeLinha;
    for (int acertos = 3; acertos <= 5; ++acertos) {
        resposta += std::to_string(acertos) + kFimDeLinha;
        resposta += std::to_string(resultado.m_ganhadores[acertos]) + kFimDeLinha;
        resposta += TextoFixo(resultado.m_rateio[acertos], std::nullopt) + kFimDeLinha;
    }
    return resposta + "fim" + kFimDeLinha;
}
