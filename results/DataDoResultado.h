#pragma once

#include "results/ResultadoVarenta.h"

#include <optional>
#include <string>

// Dia e hora do calendário (mês e dia a partir de 1).
struct SDiaEHora {
    int ano = 1899;
    int mes = 12;
    int dia = 30;
    int hora = 0;
    int minuto = 0;
    int segundo = 0;
    bool operator==(const SDiaEHora&) const = default;
};

// Data válida do momento dado: dias desde 30/12/1899 e a hora como fração. Antes dessa
// data a parte inteira conta os dias para trás, mas a fração continua somando a hora
// (-1,25 é 29/12/1899 às 6h), como no formato gravado pelo programa original.
// Dia inexistente ou fora dos anos 100 a 9999: CErroDoUsuario.
SData DataDoCalendario(const SDiaEHora& momento);

// Dia e hora de uma data, arredondados ao segundo; vazio quando a data não é válida
// (situação inválida ou nula, valor fora dos anos 100 a 9999).
std::optional<SDiaEHora> CalendarioDaData(const SData& data);

// "dd/mm/aaaa", ou "-" quando a data não é válida.
std::string TextoDaData(const SData& data);

// "dd/mm/aaaa", mais " hh:mm:ss" quando a hora não é 00:00:00; "-" quando a data não é
// válida. Lido de volta por LerDiaEHora, dá a mesma data de quem a gravou ao segundo.
std::string TextoDaDataEHora(const SData& data);

// Lê "dd/mm/aaaa" (dia e mês com um ou dois algarismos) como esse dia às 00:00.
// Texto que não é um dia do calendário: CErroDoUsuario.
SDiaEHora LerDia(const std::string& texto);

// Lê "dd/mm/aaaa" ou "dd/mm/aaaa hh:mm:ss". Texto que não é um momento do calendário:
// CErroDoUsuario.
SDiaEHora LerDiaEHora(const std::string& texto);
