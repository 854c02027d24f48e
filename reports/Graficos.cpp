#include "reports/Graficos.h"

#include "reports/ConvencoesDosRelatorios.h"
#include "core/ErroDoUsuario.h"
#include "reports/RelatorioHtml.h"
#include "results/ResultadosDoUsuario.h"
#include "core/Score.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Colunas (time 1, time 2) de cada jogo de um resultado; "+" vale 4.
using PlacaresDoConcurso = std::vector<std::array<int, 2>>;
using Valores = std::vector<int>;

struct SRotulos {
    const char* nenhum;
    const char* um;
    const char* plural;  // depois do número: "<td>%d Jogos</td>"
};

constexpr SRotulos kJogos{"<td>Nenhum Jogo</td>", "<td>1 Jogo</td>", " Jogos</td>"};
constexpr SRotulos kGols{"<td>Nenhum Gol</td>", "<td>1 Gol</td>", " Gols</td>"};
constexpr SRotulos kOcorrencias{"<td>Nenhuma ocorrencia</td>", "<td>1 ocorrencia</td>", " ocorrencias</td>"};

struct SCabecalho {
    const char* rotulo;
    int largura;
    bool um_espaco;
};

struct SDefinicao {
    EGrafico grafico;
    const char* titulo;
    std::vector<SCabecalho> cabecalho;
    int linhas;
    const SRotulos* rotulos;
    Valores (*valores)(const PlacaresDoConcurso&);
};

Valores Vitorias(const PlacaresDoConcurso& placares)
{
    Valores contagem(3, 0);
    for (const auto& [time1, time2] : placares)
        ++contagem[time1 > time2 ? 0 : time1 == time2 ? 1 : 2];
    return contagem;
}

Valores GolsDosTimes(const PlacaresDoConcurso& placares)
{
    Valores soma(2, 0);
    for (const auto& [time1, time2] : placares) {
        soma[0] += time1;
        soma[1] += time2;
    }
    return soma;
}

Valores GolsNoTotal(const PlacaresDoConcurso& placares)
{
    const Valores soma = GolsDosTimes(placares);
    return {soma[0] + soma[1]};
}

Valores ColunasDoTime(const PlacaresDoConcurso& placares, bool time1, bool time2)
{
    Valores contagem(5, 0);
    for (const auto& placar : placares) {
        contagem[size_t(placar[0])] += time1;
        contagem[size_t(placar[1])] += time2;
    }
    return contagem;
}

Valores ColunasDoTime1(const PlacaresDoConcurso& placares)
{
    return ColunasDoTime(placares, true, false);
}

Valores ColunasDoTime2(const PlacaresDoConcurso& placares)
{
    return ColunasDoTime(placares, false, true);
}

Valores ColunasDosDoisTimes(const PlacaresDoConcurso& placares)
{
    return ColunasDoTime(placares, true, true);
}

const std::vector<SCabecalho> kCabecalhoDasColunas{
    {"&nbsp;", 100, false},        {"Col. \"0\"", 130, true}, {"Col. \"1\"", 130, true},
    {"Col. \"2\"", 130, true},     {"Col. \"3\"", 130, true}, {"Col. \"+\"", 130, true},
};

const std::vector<SDefinicao>& Definicoes()
{
    static const std::vector<SDefinicao> definicoes{
        {EGrafico::FrequenciaDeResultados,
         "Análise de Frequência na  Varenta",
         {{"Qtde de jogos por rodada ", 150, false},
          {"Time 1 vence (núm. de ocorrências)", 200, true},
          {"Empate (núm. de ocorrências)", 200, false},
          {"Time 2 vence (núm. de ocorrências)", 200, false}},
         6, &kJogos, Vitorias},
        {EGrafico::GolsPorTime,
         "Quantidade de Gols por Time na Varenta",
         {{"Qtde de gols por rodada ", 200, false},
          {"Time 1 (núm. de gols)", 300, true},
          {"Time 2 (núm. de gols)", 300, false}},
         21, &kGols, GolsDosTimes},
        {EGrafico::TotalDeGols,
         "Quantidade de Gols por Time na Varenta",
         {{"Qtde de gols por rodada ", 200, false}, {"Time 1 (núm. de gols)", 400, true}},
         41, &kGols, GolsNoTotal},
        {EGrafico::ResultadosPorColunaTime1, "Quantidade de resultados na coluna para o Time 1",
         kCabecalhoDasColunas, 6, &kOcorrencias, ColunasDoTime1},
        {EGrafico::ResultadosPorColunaTime2, "Quantidade de resultados na coluna para o Time 2",
         kCabecalhoDasColunas, 6, &kOcorrencias, ColunasDoTime2},
        {EGrafico::TotalDeResultadosPorColuna, "Quantidade Total de Resultados Por Coluna",
         kCabecalhoDasColunas, 11, &kOcorrencias, ColunasDosDoisTimes},
    };
    return definicoes;
}

const SDefinicao* DefinicaoDoComando(int comando)
{
    for (const SDefinicao& definicao : Definicoes())
        if (static_cast<int>(definicao.grafico) == comando)
            return &definicao;
    return nullptr;
}

// Menor coluna marcada de cada time (0 sem nenhuma); placares vazios ficam de fora.
PlacaresDoConcurso Placares(const CResultadoVarenta& resultado)
{
    PlacaresDoConcurso placares;
    for (const auto& placar : resultado.m_scores)
        if (placar != nullptr)
            placares.push_back({placar->ColunaDoTime1(), placar->ColunaDoTime2()});
    return placares;
}

// Uma contagem por coluna do gráfico, indexada pelo valor do concurso.
using Distribuicoes = std::vector<std::vector<int>>;

Distribuicoes Contar(const SDefinicao& definicao, const CListaDeResultados& resultados)
{
    const size_t colunas = definicao.cabecalho.size() - 1;
    Distribuicoes distribuicoes(colunas, std::vector<int>(size_t(definicao.linhas), 0));
    for (const auto& resultado : resultados) {
        // Mais de cinco jogos passaria das linhas do gráfico: o registro não entra.
        if (resultado->m_scores.size() > 5)
            continue;
        const Valores valores = definicao.valores(Placares(*resultado));
        for (size_t coluna = 0; coluna < colunas; ++coluna)
            ++distribuicoes[coluna][size_t(valores[coluna])];
    }
    return distribuicoes;
}

int Maximo(const Distribuicoes& distribuicoes)
{
    int maximo = 0;
    for (const auto& distribuicao : distribuicoes)
        maximo = std::max(maximo, *std::max_element(distribuicao.begin(), distribuicao.end()));
    return maximo;
}

std::string RotuloDaLinha(const SRotulos& rotulos, int valor)
{
    if (valor == 0)
        return rotulos.nenhum;
    if (valor == 1)
        return rotulos.um;
    return "<td>" + std::to_string(valor) + rotulos.plural;
}

// Conta em precisão simples, como a largura sempre foi calculada.
int LarguraDaBarra(int quantidade, int maximo)
{
    if (maximo == 0)
        return 0;
    const float razao = static_cast<float>(quantidade) / static_cast<float>(maximo);
    const float porcento = razao * 100.0f;
    return static_cast<int>(porcento);
}

void EscreverGraficoNoRelatorio(CRelatorioHtml& relatorio, const SDefinicao& definicao,
                                const Distribuicoes& distribuicoes)
{
    const int maximo = Maximo(distribuicoes);
    EscreverCabecalhoHtml(relatorio);
    relatorio << BlocoDeTitulo(definicao.titulo) << kAberturaDaTabela << "<tr>";
    for (const SCabecalho& celula : definicao.cabecalho)
        relatorio << CelulaDeCabecalho(celula.rotulo, celula.largura, celula.um_espaco);
    for (int linha = 0; linha < definicao.linhas; ++linha) {
        relatorio << "<tr heigth=\"15\" bgcolor=#D9E6F4>" << RotuloDaLinha(*definicao.rotulos, linha);
        for (const auto& distribuicao : distribuicoes)
            relatorio << "<td>" + BarraPercentual(distribuicao[size_t(linha)], maximo) + "</td>";
        relatorio << "</tr>";
    }
    for (const char* peca : {"</table>", "</body> </tr>", "</table>", kRodapeDaEmpresa, "</body>", "</html>"})
        relatorio << peca;
}

} // namespace

std::optional<EGrafico> GraficoDoComando(int comando)
{
    const SDefinicao* definicao = DefinicaoDoComando(comando);
    if (definicao == nullptr)
        return std::nullopt;
    return definicao->grafico;
}

std::string BarraPercentual(int quantidade, int maximo)
{
    return "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">\n"
           "<tr>\n"
           "   <td width=\"14%\" height=\"12\"><font size=\"2\" face=\"Arial, Helvetica, sans-serif\">" +
           std::to_string(quantidade) +
           "</font></td>\n"
           "  <td width=\"86%\" height=\"12\">\n"
           "      <table width=\"" +
           std::to_string(LarguraDaBarra(quantidade, maximo)) +
           "%\" border=\"1\" cellspacing=\"0\" cellpadding=\"0\" bgcolor=\"#FFCC33\" bordercolor=\"#000000\" "
           "height=\"8\">\n"
           "          <tr> \n"
           "        <td><font size=\"1\" face=\"Arial, Helvetica, sans-serif\">"
           "        </font></td>\n"
           "        </tr>\n"
           "     </table>\n"
           "       </td>\n"
           "    </tr>\n"
           "  </table>\n";
}

std::filesystem::path EscreverGrafico(const IPastas& pastas, EGrafico grafico)
{
    const SDefinicao* definicao = DefinicaoDoComando(static_cast<int>(grafico));
    if (definicao == nullptr)
        throw CErroDoUsuario("Gráfico desconhecido: " + std::to_string(static_cast<int>(grafico)) + ".");
    const CListaDeResultados resultados = LerResultadosDoUsuario(pastas);
    const Distribuicoes distribuicoes = Contar(*definicao, resultados);
    return GravarRelatorio(pastas, kRelatorioFrequencia, [&](CRelatorioHtml& relatorio) {
        EscreverGraficoNoRelatorio(relatorio, *definicao, distribuicoes);
    });
}
