#include "reports/RelatorioDoRetorno.h"

#include "checking/RetornoDaAposta.h"
#include "reports/ConvencoesDosRelatorios.h"
#include "reports/RelatorioHtml.h"

#include <algorithm>
#include <cmath>

namespace {

struct SColuna {
    const char* rotulo;
    int largura;
};

constexpr SColuna kColunas[] = {
    {"Concurso", 60},  {"3 acertos", 80}, {"4 acertos", 80},        {"5 acertos", 80},
    {"Prêmio", 100}, {"Custo", 100},    {"Saldo", 100}, {"Saldo do concurso", 300},
};

constexpr const char* kCorDoLucro = "#FFCC33";
constexpr const char* kCorDoPrejuizo = "#FF3300";

std::string Celula(const std::string& texto)
{
    return "<td>" + texto + "</td>";
}

// Maior saldo em valor absoluto: a barra dele ocupa a célula inteira.
double MaiorSaldo(const CRetornoDaAposta& retorno)
{
    double maior = 0.0;
    for (const SRetornoDoConcurso& concurso : retorno.Concursos())
        if (std::isfinite(concurso.Saldo()))
            maior = std::max(maior, std::fabs(concurso.Saldo()));
    return maior;
}

int LarguraDaBarra(double saldo, double maior)
{
    if (maior <= 0.0 || !std::isfinite(saldo))
        return 0;
    // Um saldo pequeno perto do maior ainda aparece: uma barra de 0% seria só a borda.
    return std::max(1, static_cast<int>(std::fabs(saldo) / maior * 100.0));
}

// A barra de um lado do eixo, só a cor (numa barra estreita a borda cobriria a cor); sem
// largura, nada.
std::string Barra(int largura, const char* cor, const char* alinhamento)
{
    if (largura == 0)
        return "";
    return std::string("      <table width=\"") + std::to_string(largura) +
           "%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" bgcolor=\"" + cor +
           "\" height=\"8\" align=\"" + alinhamento +
           "\">\n"
           "          <tr> \n"
           "        <td><font size=\"1\" face=\"Arial, Helvetica, sans-serif\">"
           "        </font></td>\n"
           "        </tr>\n"
           "     </table>\n";
}

void EscreverValores(CRelatorioHtml& relatorio, const SRetornoDoConcurso& concurso)
{
    for (int64_t premiados : concurso.m_premiados)
        relatorio << Celula(std::to_string(premiados));
    for (double valor : {concurso.m_premio, concurso.m_custo, concurso.Saldo()})
        relatorio << Celula(FormatarValor(valor));
}

void EscreverTabela(CRelatorioHtml& relatorio, const CRetornoDaAposta& retorno)
{
    relatorio << kAberturaDaTabela << "<tr>";
    for (const SColuna& coluna : kColunas)
        relatorio << CelulaDeCabecalho(coluna.rotulo, coluna.largura);
    relatorio << "</tr>";
    const double maior = MaiorSaldo(retorno);
    int numero = 1;
    for (const SRetornoDoConcurso& concurso : retorno.Concursos()) {
        relatorio << (numero++ % 2 == 1 ? "<tr>" : "<tr bgcolor=#D9E6F4>")
                  << Celula(std::to_string(concurso.m_concurso));
        EscreverValores(relatorio, concurso);
        relatorio << Celula(BarraDoSaldo(concurso.Saldo(), maior)) << "</tr>";
    }
    relatorio << "<tr bgcolor=#F0F096>" << Celula("Total:");
    EscreverValores(relatorio, retorno.Total());
    relatorio << Celula("&nbsp;") << "</tr>" << "</table>";
}

} // namespace

std::string BarraDoSaldo(double saldo, double maior)
{
    // O eixo no meio da célula: o prejuízo cresce dele para a esquerda, o lucro para a direita.
    const int largura = LarguraDaBarra(saldo, maior);
    return "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">\n"
           "<tr>\n"
           "   <td width=\"50%\" height=\"12\" align=\"right\">\n" +
           Barra(saldo < 0.0 ? largura : 0, kCorDoPrejuizo, "right") +
           "       </td>\n"
           "   <td width=\"50%\" height=\"12\" style=\"border-left: 1px solid #000000\">\n" +
           Barra(saldo > 0.0 ? largura : 0, kCorDoLucro, "left") +
           "       </td>\n"
           "    </tr>\n"
           "  </table>\n";
}

std::filesystem::path EscreverRelatorioDoRetorno(const IPastas& pastas, const CRetornoDaAposta& retorno)
{
    return GravarRelatorio(pastas, kRelatorioRetorno, [&](CRelatorioHtml& relatorio) {
        EscreverCabecalhoHtml(relatorio);
        relatorio << BlocoDeTitulo("Retorno da Aposta na Varenta");
        EscreverTabela(relatorio, retorno);
        for (const char* peca : {kRodapeDaEmpresa, "</body>", "</html>"})
            relatorio << peca;
    });
}
