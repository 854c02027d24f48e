#include "cli/NomesDosGraficos.h"

#include <charconv>

const std::array<SNomeDoGrafico, 6>& NomesDosGraficos()
{
    static constexpr std::array<SNomeDoGrafico, 6> kNomes = {{
        {"frequencia", EGrafico::FrequenciaDeResultados},
        {"gols-por-time", EGrafico::GolsPorTime},
        {"total-de-gols", EGrafico::TotalDeGols},
        {"colunas-time1", EGrafico::ResultadosPorColunaTime1},
        {"colunas-time2", EGrafico::ResultadosPorColunaTime2},
        {"total-por-coluna", EGrafico::TotalDeResultadosPorColuna},
    }};
    return kNomes;
}

std::optional<EGrafico> GraficoPedido(const std::string& texto)
{
    for (const SNomeDoGrafico& nome : NomesDosGraficos())
        if (texto == nome.nome)
            return nome.grafico;
    int numero = 0;
    const char* fim = texto.data() + texto.size();
    const auto [ptr, erro] = std::from_chars(texto.data(), fim, numero);
    if (texto.empty() || erro != std::errc() || ptr != fim)
        return std::nullopt;
    return GraficoDoComando(numero);
}

std::string ListaDosNomesDosGraficos()
{
    std::string lista;
    for (const SNomeDoGrafico& nome : NomesDosGraficos())
        lista += (lista.empty() ? "" : ", ") + std::string(nome.nome);
    return lista;
}
