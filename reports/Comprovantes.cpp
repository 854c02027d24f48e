#include "reports/Comprovantes.h"

#include "core/CartaoCheio.h"
#include "reports/ConvencoesDosRelatorios.h"
#include "reports/RelatorioHtml.h"
#include "reports/TextoSeguroHtml.h"

namespace {

constexpr const char* kFonte = "<font size=\"2\" face=\"Arial, Helvetica, sans-serif\">";

constexpr const char* kCabecalho[] = {
    "<html>",
    "<head>",
    "<title>Comprovantes</title>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">",
    "<script language=\"javascript\">",
    "function Fixar(elemento,valor)",
    "{",
    "\tif(valor==0)",
    "\telemento.checked = false;",
    "\telse",
    "\telemento.checked = true;",
    "}",
    "</script>",
    "</head>",
};

// "+x3", "2x2", ...: gols do time 1, "x", gols do time 2, na ordem do quadro.
std::string RotuloDaCelula(int k)
{
    return TextoDaColuna(kColunasDaCelula[k][0]) + "x" + TextoDaColuna(kColunasDaCelula[k][1]);
}

void EscreverAbertura(CRelatorioHtml& relatorio, uint32_t concurso)
{
    for (const char* peca : kCabecalho)
        relatorio << peca;
    relatorio << "<body bgcolor=\"#FFFFFF\" text=\"#000000\">"
              << "<table width=\"700\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" height=\"655\">"
              << "<tr valign=\"top\"> " << "<td  height=\"216\"> "
              << "<div align=\"center\"><font size=\"4\" face=\"Arial, Helvetica, sans-serif\">Concurso : "
              << std::to_string(concurso) << "</font><br>" << "   <br>" << "</div>";
}

void EscreverCabecalhoDosPlacares(CRelatorioHtml& relatorio)
{
    relatorio << "<table width=\"98%\" border=\"1\" cellspacing=\"0\" cellpadding=\"0\" height=\"133\" "
                 "align=\"center\">"
              << " <tr bordercolor=\"#666666\"> " << "  <td width=\"20\"> " << "    <div align=\"center\"></div>"
              << "  </td>";
    for (int k = 0; k < 25; ++k)
        relatorio << "  \t<td> " << "  <div align=\"center\"><font size=\"1\">" << RotuloDaCelula(k)
                  << "</font></div>" << "  </td>";
    relatorio << "  <td width=\"20\"> "
              << "   <div align=\"center\">" + std::string(kFonte) + "Ch.</font></div>" << "   </td>" << " </tr>";
}

const char* MarcaDaCelula(uint16_t estado, bool jogo_com_chave)
{
    if (estado == kFavorito)
        return "          <input type=\"checkbox\" name=\"checkbox\" value=\"checkbox\" checked "
               "onclick=\"Fixar(this,1)\" >";
    if (estado == kAlternativa && jogo_com_chave)
        return "          <input type=\"checkbox\" name=\"checkbox\" value=\"checkbox\" onclick=\"Fixar(this,0)\">";
    return "&nbsp;";
}

void EscreverFim(CRelatorioHtml& relatorio, const std::string& resumo)
{
    relatorio << "</tr>" << "</table>" << "  <br>" << "  <div align=\"center\"> "
              << "    <p align=\"justify\">" + std::string(kFonte) << ResumoEmHtml(resumo) << "</font></p>"
              << "    </div>" << kEnderecoDoFabricante << "</td>" << "</tr>" << "</table>" << "</body>" << "</html>";
}

} // namespace

void EscreverLinhaComprovante(int jogo, const std::array<uint16_t, 25>& celulas, const std::string& chave,
                              CRelatorioHtml& relatorio)
{
    relatorio << "<tr bordercolor=\"#666666\"> " << "      <td > " << "        <div align=\"center\">"
              << std::to_string(jogo + 1) << "</div>" << "       </td>";
    for (const uint16_t estado : celulas)
        relatorio << "      <td > " << "        <div align=\"center\"> " + std::string(kFonte) + " "
                  << MarcaDaCelula(estado, !chave.empty()) << "          </font></div>" << "      </td>";
    relatorio << "      <td > " << "        <div align=\"center\"> " + std::string(kFonte) + " "
              << "       <div align=\"center\">" + std::string(kFonte)
              << (chave.empty() ? "&nbsp;" : EscaparHtml(chave))
              << "</font></div>" << "     </td>" << "   </tr>";
}

std::filesystem::path EscreverComprovantes(const IPastas& pastas, uint32_t concurso, const CelulasDoQuadro& celulas,
                                           const std::array<std::string, 5>& chave_do_jogo,
                                           const std::string& resumo)
{
    return GravarRelatorio(pastas, kRelatorioVarenta, [&](CRelatorioHtml& relatorio) {
        EscreverAbertura(relatorio, concurso);
        EscreverCabecalhoDosPlacares(relatorio);
        for (int jogo = 0; jogo < 5; ++jogo)
            EscreverLinhaComprovante(jogo, celulas[size_t(jogo)], chave_do_jogo[size_t(jogo)], relatorio);
        EscreverFim(relatorio, resumo);
    });
}
