#include "results/DataDoResultado.h"

#include "core/ErroDoUsuario.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <regex>

namespace chr = std::chrono;

namespace {

constexpr double kSegundosPorDia = 86400.0;
// Limites do tipo de data do formato: 01/01/0100 e 31/12/9999.
constexpr double kMenorData = -657434.0;
constexpr double kMaiorData = 2958466.0;

const chr::sys_days kDiaZero = chr::sys_days(chr::year(1899) / chr::December / 30);

bool AnoAceito(int ano)
{
    return ano >= 100 && ano <= 9999;
}

} // namespace

SData DataDoCalendario(const SDiaEHora& momento)
{
    const chr::year_month_day dia(chr::year(momento.ano), chr::month(unsigned(momento.mes)),
                                  chr::day(unsigned(momento.dia)));
    const bool hora_valida = momento.hora >= 0 && momento.hora < 24 && momento.minuto >= 0 &&
                             momento.minuto < 60 && momento.segundo >= 0 && momento.segundo < 60;
    if (!dia.ok() || !AnoAceito(momento.ano) || !hora_valida)
        throw CErroDoUsuario("Data inválida.");
    const double dias = double((chr::sys_days(dia) - kDiaZero).count());
    const double fracao = (momento.hora * 3600 + momento.minuto * 60 + momento.segundo) / kSegundosPorDia;
    return SData{dias < 0 ? dias - fracao : dias + fracao, SData::kValida};
}

std::optional<SDiaEHora> CalendarioDaData(const SData& data)
{
    if (data.estado != SData::kValida || !(data.valor >= kMenorData && data.valor < kMaiorData))
        return std::nullopt;
    double dias = std::trunc(data.valor);
    long segundos = std::lround(std::fabs(data.valor - dias) * kSegundosPorDia);
    if (segundos >= long(kSegundosPorDia)) {  // arredondou para a meia-noite do dia seguinte
        segundos = 0;
        dias += 1;
    }
    const chr::year_month_day dia(kDiaZero + chr::days(long(dias)));
    if (!AnoAceito(int(dia.year())))
        return std::nullopt;
    return SDiaEHora{int(dia.year()),      int(unsigned(dia.month())), int(unsigned(dia.day())),
                     int(segundos / 3600), int(segundos / 60 % 60),    int(segundos % 60)};
}

std::string TextoDaData(const SData& data)
{
    const auto momento = CalendarioDaData(data);
    if (!momento)
        return "-";
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", momento->dia, momento->mes, momento->ano);
    return texto;
}

std::string TextoDaDataEHora(const SData& data)
{
    const auto momento = CalendarioDaData(data);
    if (!momento || (momento->hora == 0 && momento->minuto == 0 && momento->segundo == 0))
        return TextoDaData(data);
    char hora[16];
    std::snprintf(hora, sizeof hora, " %02d:%02d:%02d", momento->hora, momento->minuto, momento->segundo);
    return TextoDaData(data) + hora;
}

SDiaEHora LerDia(const std::string& texto)
{
    static const std::regex formato(R"((\d{1,2})/(\d{1,2})/(\d{4}))");
    std::smatch partes;
    if (!std::regex_match(texto, partes, formato))
        throw CErroDoUsuario("Data inválida: \"" + texto + "\" (use dd/mm/aaaa).");
    SDiaEHora dia{std::stoi(partes[3]), std::stoi(partes[2]), std::stoi(partes[1])};
    try {
        DataDoCalendario(dia);
    } catch (const CErroDoUsuario&) {
        throw CErroDoUsuario("Data inválida: \"" + texto + "\" (não existe esse dia).");
    }
    return dia;
}

SDiaEHora LerDiaEHora(const std::string& texto)
{
    static const std::regex formato(R"(([^ ]+) (\d{2}):(\d{2}):(\d{2}))");
    std::smatch partes;
    if (!std::regex_match(texto, partes, formato))
        return LerDia(texto);
    SDiaEHora momento = LerDia(partes[1]);
    momento.hora = std::stoi(partes[2]);
    momento.minuto = std::stoi(partes[3]);
    momento.segundo = std::stoi(partes[4]);
    try {
        DataDoCalendario(momento);
    } catch (const CErroDoUsuario&) {
        throw CErroDoUsuario("Hora inválida: \"" + texto + "\" (use hh:mm:ss).");
    }
    return momento;
}
