#include "results/EscritorDeResultadosCsv.h"

#include "core/CamposDeCsv.h"
#include "core/GravacaoSegura.h"
#include "core/PlacaresEmTexto.h"
#include "results/DataDoResultado.h"
#include "results/FormatoDoCsvDeResultados.h"
#include "results/ValoresDoResultado.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> CamposDoResultado(const CResultadoVarenta& resultado)
{
    std::string placares;
    for (const auto& placar : resultado.m_scores)
        placares += (placares.empty() ? "" : " ") + MarcasDaEntrada(*placar);
    std::vector<std::string> campos = {std::to_string(resultado.m_concurso), TextoDaDataEHora(resultado.m_data),
                                       placares};
    for (int acertos = 3; acertos <= 5; ++acertos)
        campos.push_back(std::to_string(resultado.m_ganhadores[acertos]));
    for (int acertos = 3; acertos <= 5; ++acertos)
        campos.push_back(ReaisExatos(resultado.m_rateio[acertos]));
    campos.push_back(ReaisExatos(resultado.m_valorAcumulado));
    return campos;
}

} // namespace

void EscreverResultadosEmCsv(const CListaDeResultados& lista, std::ostream& saida)
{
    const std::vector<std::string> cabecalho(std::begin(kColunasDoCsv), std::end(kColunasDoCsv));
    saida << LinhaDeCsv(cabecalho, kSeparadorDoCsv) << '\n';
    for (const auto& resultado : lista)
        saida << LinhaDeCsv(CamposDoResultado(*resultado), kSeparadorDoCsv) << '\n';
}

bool GravarResultadosEmCsv(const CListaDeResultados& lista, const std::filesystem::path& caminho)
{
    return static_cast<bool>(GravarComSeguranca(caminho, [&](std::ostream& saida) { EscreverResultadosEmCsv(lista, saida); }));
}
