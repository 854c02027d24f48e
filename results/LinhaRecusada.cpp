#include "results/LinhaRecusada.h"

#include "results/FaixasDoResultado.h"
#include "results/FormatoDoCsvDeResultados.h"

namespace {

// Um campo de lixo não enche a mensagem.
constexpr size_t kMaiorCampoNaMensagem = 40;

std::string Citado(const std::string& texto)
{
    if (texto.size() <= kMaiorCampoNaMensagem)
        return ": \"" + texto + "\"";
    return ": \"" + texto.substr(0, kMaiorCampoNaMensagem) + "...\"";
}

std::string Motivo(const SLinhaRecusada& recusa)
{
    using M = SLinhaRecusada::Motivo;
    const std::string faixa = std::to_string(recusa.faixa);
    switch (recusa.motivo) {
    case M::LinhaLonga:
        return "linha com mais de " + std::to_string(kMaiorLinhaDoCsv) + " bytes";
    case M::Aspas:
        return "aspas sem par";
    case M::Colunas:
        return std::to_string(recusa.colunas) + " colunas em vez de " + std::to_string(kQtdeDeColunasDoCsv);
    case M::Concurso:
        return "concurso inválido" + Citado(recusa.texto) + " (" + FaixaDoCampo(ECampoDoResultado::Concurso) + ")";
    case M::Data:
        return "data inválida" + Citado(recusa.texto) + " (use dd/mm/aaaa)";
    case M::Placares:
        return "placares inválidos" + Citado(recusa.texto) + " (cinco placares como 1x0, gols de 0 a 3 ou +)";
    case M::Ganhadores:
        return "ganhadores " + faixa + " inválido" + Citado(recusa.texto) + " (" + FaixaDoCampo(ECampoDoResultado::Ganhadores3) + ")";
    case M::Rateio:
        return "rateio " + faixa + " inválido" + Citado(recusa.texto) + " (valor em reais " + FaixaDoCampo(ECampoDoResultado::Rateio3) + ")";
    case M::Acumulado:
        return "acumulado inválido" + Citado(recusa.texto) + " (valor em reais " + FaixaDoCampo(ECampoDoResultado::Rateio3) + ")";
    case M::ConcursoRepetido:
        return "concurso " + recusa.texto + " repetido (já na linha " + std::to_string(recusa.primeira) + ")";
    }
    return "linha inválida";
}

} // namespace

std::string TextoDaRecusa(const SLinhaRecusada& recusa)
{
    return "Linha " + std::to_string(recusa.linha) + ": " + Motivo(recusa) + ".";
}
