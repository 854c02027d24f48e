#include "tests/reports/RetornoDeExemplo.h"

#include "checking/AnaliseDeConcursos.h"
#include "checking/ProgressoDaAnalise.h"
#include "core/ListaDeVolantes.h"
#include "tests/support/Montagem.h"

namespace {

CRetornoDaAposta Retorno(int inicial, int final)
{
    CListaDeResultados resultados;
    const auto concurso = [&](int32_t numero, const std::string& placares, const std::array<double, 3>& rateios) {
        resultados.push_back(ResultadoDosPlacares(numero, placares));
        for (size_t faixa = 0; faixa < 3; ++faixa)
            resultados.back()->m_rateio[faixa + 3] = rateios[faixa];
    };
    concurso(101, "1x0 2x2 +x1 0x0 3x+", {10.50, 200.00, 5000.00});
    concurso(102, "0x1 2x2 +x1 0x0 3x+", {8.00, 150.25, 0.0});
    concurso(103, "3x3 3x3 3x3 3x3 3x3", {5.00, 90.00, 7000.00});
    CListaDeVolantes volantes;
    for (const char* cartao :
         {"1x0 2x2 +x1 0x0 3x+", "1x0 2x2 +x1 1x1 1x1", "0x1 2x2 +x1 0x0 1x1", "3x3 3x3 3x3 0x0 3x+"})
        AdicionarCartao(volantes, cartao);
    CAnaliseDeConcursos analise(resultados);
    CProgressoAnaliseSilencioso progresso;
    analise.Analisar(volantes, inicial, final, progresso);
    return CRetornoDaAposta(resultados, inicial, analise, 8.0);
}

} // namespace

CRetornoDaAposta RetornoDeExemplo()
{
    return Retorno(0, 2);
}

CRetornoDaAposta RetornoSemConcursos()
{
    return Retorno(2, 0);
}
