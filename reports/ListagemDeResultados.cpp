#include "reports/ListagemDeResultados.h"

#include "results/CaminhoDeDados.h"
#include "reports/ConvencoesDosRelatorios.h"
#include "results/DataDoResultado.h"
#include "reports/RelatorioHtml.h"
#include "results/ResultadosDoUsuario.h"

#include <string>

namespace {

struct SColuna {
    const char* rotulo;
    int largura;
    bool um_espaco;
};

constexpr SColuna kColunas[] = {
    {"Concurso", 50, false},        {"Data Sorteio", 130, true},    {"Ganhadores 3", 80, false},
    {"Ganhadores 4", 80, false},    {"Ganhadores 5", 80, false},    {"Valor Rateio 3", 100, false},
    {"Valor Rateio 4", 100, false}, {"Valor Rateio 5", 100, false}, {"Acumulado", 80, false},
    {"Valor Acumulado", 100, false}, {"Placar 1", 60, false},       {"Placar 2", 60, false},
    {"Placar 3", 60, false},        {"Placar 4", 60, false},        {"Placar 5", 60, false},
};

constexpr const char* kImagem = "relatorios\\t3.gif";

std::string Celula(const std::string& texto)
{
    return "<td>" + texto + "</td>";
}

void EscreverCabecalhoDaTabela(CRelatorioHtml& relatorio)
{
    relatorio << "<tr>";
    for (const SColuna& coluna : kColunas)
        relatorio << CelulaDeCabecalho(coluna.rotulo, coluna.largura, coluna.um_espaco);
    relatorio << "</tr>";
}

void EscreverLinha(CRelatorioHtml& relatorio, const CResultadoVarenta& resultado, int numero)
{
    relatorio << (numero % 2 == 1 ? "<tr>" : "<tr bgcolor=#D9E6F4>");
    relatorio << Celula(std::to_string(resultado.m_concurso));
    relatorio << Celula(TextoDaData(resultado.m_data));
    for (int acertos = 3; acertos <= 5; ++acertos)
        relatorio << Celula(std::to_string(resultado.m_ganhadores[acertos]));
    for (int acertos = 3; acertos <= 5; ++acertos)
        relatorio << Celula(FormatarValor(resultado.m_rateio[acertos]));
    relatorio << (resultado.m_acumulado != 0 ? "<td>SIM</td>" : "<td>NÃO</td>");
    relatorio << Celula(FormatarValor(resultado.m_valorAcumulado));
    for (const auto& placar : resultado.m_scores)
        relatorio << Celula(TextoDoPlacar(*placar));
    relatorio << "</tr>";
}

} // namespace

std::filesystem::path EscreverListagemDeResultados(const IPastas& pastas)
{
    const CListaDeResultados resultados = LerResultadosDoUsuario(pastas);
    // A imagem do título vem da instalação na primeira vez.
    CaminhoDeDados(pastas, kImagem);
    return GravarRelatorio(pastas, kRelatorioVarenta, [&](CRelatorioHtml& relatorio) {
        EscreverCabecalhoHtml(relatorio);
        relatorio << BlocoDeTitulo("Resultados da Varenta") << "<p><img src=\"t3.gif\">" << "</p>"
                  << kAberturaDaTabela;
        EscreverCabecalhoDaTabela(relatorio);
        int numero = 1;
        for (const auto& resultado : resultados)
            EscreverLinha(relatorio, *resultado, numero++);
        for (const char* peca :
             {"</table> </tr>", "</table>", kRodapeDaEmpresa, "</body> </tr>", "</table>", "</body>", "</html>"})
            relatorio << peca;
    });
}
