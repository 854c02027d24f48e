#include "results/FaixasDoResultado.h"

#include "results/ValoresDoResultado.h"

#include <cmath>

namespace {

std::string TextoDoValor(const CResultadoVarenta& resultado, ECampoDoResultado campo)
{
    switch (campo) {
    case ECampoDoResultado::Concurso:
        return std::to_string(resultado.m_concurso);
    case ECampoDoResultado::Ganhadores3:
    case ECampoDoResultado::Ganhadores4:
    case ECampoDoResultado::Ganhadores5:
        return std::to_string(resultado.m_ganhadores[3 + int(campo) - int(ECampoDoResultado::Ganhadores3)]);
    case ECampoDoResultado::Rateio3:
    case ECampoDoResultado::Rateio4:
    case ECampoDoResultado::Rateio5: {
        const double valor = resultado.m_rateio[3 + int(campo) - int(ECampoDoResultado::Rateio3)];
        return std::isfinite(valor) ? ReaisExatos(valor) : "não é um número";
    }
    case ECampoDoResultado::ValorAcumulado:
        return std::isfinite(resultado.m_valorAcumulado) ? ReaisExatos(resultado.m_valorAcumulado) : "não é um número";
    }
    return {};
}

} // namespace

std::string FaixaDoCampo(ECampoDoResultado campo)
{
    switch (campo) {
    case ECampoDoResultado::Concurso:
        return "de 1 a 99999";
    case ECampoDoResultado::Ganhadores3:
    case ECampoDoResultado::Ganhadores4:
    case ECampoDoResultado::Ganhadores5:
        return "de 0 a 2147483647";
    default:
        return "de 0 a menos de 10000000000000";
    }
}

std::string NomeDoCampo(ECampoDoResultado campo)
{
    switch (campo) {
    case ECampoDoResultado::Concurso:
        return "Concurso";
    case ECampoDoResultado::Ganhadores3:
        return "Ganhadores com 3 acertos";
    case ECampoDoResultado::Ganhadores4:
        return "Ganhadores com 4 acertos";
    case ECampoDoResultado::Ganhadores5:
        return "Ganhadores com 5 acertos";
    case ECampoDoResultado::Rateio3:
        return "Rateio de 3 acertos";
    case ECampoDoResultado::Rateio4:
        return "Rateio de 4 acertos";
    case ECampoDoResultado::Rateio5:
        return "Rateio de 5 acertos";
    case ECampoDoResultado::ValorAcumulado:
        return "Valor acumulado";
    }
    return {};
}

bool ConcursoNaFaixa(int64_t concurso)
{
    return concurso >= kPrimeiroConcurso && concurso <= kUltimoConcurso;
}

bool GanhadoresNaFaixa(int64_t ganhadores)
{
    return ganhadores >= 0 && ganhadores <= kMaisGanhadores;
}

bool ReaisNaFaixa(double valor)
{
    return std::isfinite(valor) && valor >= 0 && valor < kTetoDosReais;
}

CCampoForaDaFaixa::CCampoForaDaFaixa(ECampoDoResultado campo, const std::string& valor)
    : CErroDoUsuario(NomeDoCampo(campo) + " fora da faixa (" + FaixaDoCampo(campo) + "): " + valor + "."),
      m_campo(campo)
{
}

std::optional<ECampoDoResultado> CampoForaDaFaixa(const CResultadoVarenta& resultado)
{
    if (!ConcursoNaFaixa(resultado.m_concurso))
        return ECampoDoResultado::Concurso;
    for (int faixa = 0; faixa < 3; ++faixa)
        if (!GanhadoresNaFaixa(resultado.m_ganhadores[3 + faixa]))
            return ECampoDoResultado(int(ECampoDoResultado::Ganhadores3) + faixa);
    for (int faixa = 0; faixa < 3; ++faixa)
        if (!ReaisNaFaixa(resultado.m_rateio[3 + faixa]))
            return ECampoDoResultado(int(ECampoDoResultado::Rateio3) + faixa);
    if (!ReaisNaFaixa(resultado.m_valorAcumulado))
        return ECampoDoResultado::ValorAcumulado;
    return std::nullopt;
}

void ExigirFaixas(const CResultadoVarenta& resultado)
{
    if (const auto campo = CampoForaDaFaixa(resultado))
        throw CCampoForaDaFaixa(*campo, TextoDoValor(resultado, *campo));
}
