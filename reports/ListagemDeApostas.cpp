#include "reports/ListagemDeApostas.h"

#include "reports/ConvencoesDosRelatorios.h"
#include "core/ListaDeVolantes.h"
#include "reports/ProgressoDoRelatorio.h"
#include "reports/RelatorioHtml.h"
#include "reports/RelatorioInterrompido.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <string>

namespace {

constexpr int64_t kCartoesPorAtualizacao = 1000;
// Linha de um cartão com as dez células: "<tr>" ou "<tr bgcolor=#D9E6F4>" (em média 12
// bytes), dez "<td>0</td>" e "</tr>".
constexpr int64_t kBytesPorCartao = 12 + 10 * 10 + 5;
// Cabeçalho, títulos da tabela e rodapé, com folga.
constexpr int64_t kBytesFixos = 4096;

constexpr const char* kCabecalhoDaFonte = "<font size=\"2\" face=\"Arial, Helvetica, sans-serif\">";

// Menor coluna marcada do time, ou -1.
int ColunaMarcada(const int16_t (&marcas)[5])
{
    for (int c = 0; c < 5; ++c)
        if (marcas[c] == 1)
            return c;
    return -1;
}

// Time sem coluna marcada não escreve célula.
std::string CelulaDoTime(const int16_t (&marcas)[5])
{
    const int coluna = ColunaMarcada(marcas);
    return coluna < 0 ? std::string() : "<td>" + TextoDaColuna(coluna) + "</td>";
}

void EscreverCabecalhoDaTabela(CRelatorioHtml& relatorio)
{
    relatorio << "<tr bgcolor=\"#ACD5AE\"> ";
    for (int jogo = 1; jogo <= 5; ++jogo)
        relatorio << "<td colspan=\"2\"><div align=\"center\">" + std::string(kCabecalhoDaFonte) + "Jogo " +
                         std::to_string(jogo) + "</font></div></td>";
    relatorio << "</tr>";
    relatorio << "<tr bgcolor=\"#ACD5AE\"> ";
    for (int celula = 0; celula < 10; ++celula)
        relatorio << "<td><div align=\"center\">" + std::string(kCabecalhoDaFonte) + "Time " +
                         std::to_string(celula % 2 + 1) + "</font></div> </td>";
    relatorio << " </tr>";
}

void EscreverLinha(CRelatorioHtml& relatorio, const CVolante& volante, int64_t numero)
{
    relatorio << (numero % 2 == 1 ? "<tr>" : "<tr bgcolor=#D9E6F4>");
    for (const CScore* placar : volante.m_scores) {
        if (placar == nullptr)
            continue;
        relatorio << CelulaDoTime(placar->m_time1);
        relatorio << CelulaDoTime(placar->m_time2);
    }
    relatorio << "</tr>";
}

} // namespace

int64_t TamanhoAproximadoDaListagem(int64_t cartoes)
{
    return kBytesFixos + cartoes * kBytesPorCartao;
}

std::filesystem::path EscreverListagemDeApostas(const IPastas& pastas, const CListaDeVolantes& volantes)
{
    CProgressoDoRelatorioSilencioso silencioso;
    return EscreverListagemDeApostas(pastas, volantes, silencioso);
}

std::filesystem::path EscreverListagemDeApostas(const IPastas& pastas, const CListaDeVolantes& volantes,
                                                IProgressoDoRelatorio& progresso)
{
    progresso.Iniciar(volantes.Quantidade());
    return GravarRelatorio(pastas, kRelatorioVarenta, [&](CRelatorioHtml& relatorio) {
        EscreverCabecalhoHtml(relatorio);
        relatorio << "<b><font face=\"Arial, Helvetica, sans-serif\" size=\"4\">Listagem das Apostas</font></b><br><br>"
                  << "<table width=\"640\" border=\"0\">";
        EscreverCabecalhoDaTabela(relatorio);
        int64_t numero = 1;
        for (const CVolante volante : volantes) {
            EscreverLinha(relatorio, volante, numero);
            if (numero++ % kCartoesPorAtualizacao == 0) {
                progresso.Atualizar(numero - 1);
                if (progresso.PararSolicitado())
                    throw CRelatorioInterrompido();
            }
        }
        for (const char* peca :
             {"</table> </tr>", "</table>", "</body> </tr>", "</table>", kRodapeDaEmpresa, "</body>", "</html>"})
            relatorio << peca;
    });
}
