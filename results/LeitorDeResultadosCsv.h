#pragma once

#include "results/LinhaRecusada.h"
#include "results/ResultadoVarenta.h"

#include <filesystem>
#include <istream>
#include <vector>

// O que um CSV de resultados trouxe: os resultados das linhas boas, na ordem do arquivo,
// e cada linha recusada, também em ordem.
struct SResultadosDoCsv {
    CListaDeResultados resultados;
    std::vector<SLinhaRecusada> recusadas;
};

// Lê o CSV de resultados (FormatoDoCsvDeResultados.h). Aceita um BOM UTF-8 no começo,
// CR LF, linhas vazias (puladas, mas contadas) e brancos em volta dos campos. A data "-"
// é uma data inválida; o resultado de cada linha é montado como o de "inserir"
// (NovoResultado). Um concurso que volta numa linha seguinte é recusado nela: vale o
// primeiro. Sem o cabeçalho como primeira linha com texto, arquivo maior que
// kMaiorCsvDeResultados ou mais que kMaisLinhasDoCsv linhas com texto: CErroNoCsv (com o
// caminho), nenhuma linha lida. Não abre: CErroAoAbrirArquivo.
SResultadosDoCsv LerResultadosDeCsv(const std::filesystem::path& caminho);
// O mesmo, de um fluxo já aberto (CErroNoCsv sem o caminho; sem o limite de bytes).
SResultadosDoCsv LerResultadosDeCsv(std::istream& entrada);
