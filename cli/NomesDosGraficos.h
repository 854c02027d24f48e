#pragma once

#include "reports/Graficos.h"

#include <array>
#include <optional>
#include <string>

// Os seis gráficos pelo nome na linha de comando, na ordem do menu.
struct SNomeDoGrafico {
    const char* nome;
    EGrafico grafico;
};
const std::array<SNomeDoGrafico, 6>& NomesDosGraficos();

// O gráfico pedido pelo nome ou pelo número do comando do menu; vazio se não for nenhum.
std::optional<EGrafico> GraficoPedido(const std::string& texto);

// "frequencia, gols-por-time, ..." para a ajuda e as mensagens.
std::string ListaDosNomesDosGraficos();
