// imprimir: as páginas dos cartões, como na impressão do programa de mesa, num PDF ou
// numa impressora do sistema.
#include "cli/Argumentos.h"
#include "cli/ComandosDoCli.h"

#include "document/ArquivoDeApostas.h"
#include "platform/ConfiguracoesQt.h"
#include "printing/ImpressaoNaImpressora.h"
#include "document/VarentaDoc.h"

int ComandoImprimir(const std::vector<std::string>& argumentos, std::ostream&, std::ostream&)
{
    const CArgumentos args(argumentos, {"--pdf", "--impressora"});
    args.ExigirPosicionais(1);
    const auto pdf = args.Valor("--pdf");
    const auto impressora = args.Valor("--impressora");
    if (pdf.has_value() == impressora.has_value() || (pdf && pdf->empty()) || (impressora && impressora->empty()))
        throw CErroDeUso("informe --pdf SAIDA.pdf ou --impressora NOME");
    const auto documento = LerArquivoDeApostas(args.Posicionais()[0]);
    CConfiguracoesQt configuracoes;
    if (pdf)
        ImprimirEmPdf(*documento, configuracoes, *pdf);
    else
        ImprimirNaImpressora(*documento, configuracoes, *impressora);
    return 0;
}
