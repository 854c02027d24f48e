#pragma once

#include <filesystem>
#include <optional>
#include <string>

class IPastas;

// Os seis gráficos de estatística, pelo número do comando do menu.
enum class EGrafico : int {
    FrequenciaDeResultados = 32773,
    GolsPorTime = 32778,
    TotalDeGols = 32781,
    ResultadosPorColunaTime1 = 32795,
    ResultadosPorColunaTime2 = 32785,
    TotalDeResultadosPorColuna = 32787,
};

// O gráfico de um número de comando; vazio se não for um deles.
std::optional<EGrafico> GraficoDoComando(int comando);

// Barra de uma célula: a contagem e uma tabela laranja de largura contagem/máximo em
// porcentagem, calculada em precisão simples (53 de 100 dá 52). Máximo 0: largura 0.
std::string BarraPercentual(int quantidade, int maximo);

// Conta a propriedade do gráfico em todos os concursos do arquivo de resultados e grava
// "relatorios\VarentaFrequencia.htm". Devolve o caminho completo. Falhas:
// CErroAoAbrirArquivo (resultados que não abrem), CArquivoDanificado ou
// CErroAoSalvarArquivo (relatório que não se grava).
std::filesystem::path EscreverGrafico(const IPastas& pastas, EGrafico grafico);
