#include "printing/ImpressaoNaImpressora.h"

#include "core/ErroDoUsuario.h"
#include "printing/ImpressaoDeCartoes.h"
#include "printing/PintorDaPagina.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {

void PintarIntervalo(QPainter& pintor, QPrinter& impressora, CImpressaoDeCartoes& impressao, int de, int ate)
{
    for (int pagina = de; pagina <= ate; ++pagina) {
        if (pagina != de)
            impressora.newPage();
        PintarPagina(pintor, impressao.ImprimirPagina(pagina));
    }
}

}  // namespace

bool ImprimirPaginas(QPrinter& impressora, CImpressaoDeCartoes& impressao, int paginas)
{
    int de = 1;
    int ate = paginas;
    if (impressora.printRange() == QPrinter::PageRange && impressora.fromPage() > 0) {
        de = std::max(1, impressora.fromPage());
        ate = std::min(paginas, impressora.toPage() > 0 ? impressora.toPage() : paginas);
    }
    if (de > ate)
        return true;
    QPainter pintor;
    if (!pintor.begin(&impressora))
        return false;
    PintarIntervalo(pintor, impressora, impressao, de, ate);
    return pintor.end();
}

void PintarVisualizacao(QPrinter& impressora, CImpressaoDeCartoes& impressao, int paginas)
{
    QPainter pintor(&impressora);
    PintarIntervalo(pintor, impressora, impressao, 1, std::max(1, paginas));
}

namespace {

int PrepararComCartoes(CImpressaoDeCartoes& impressao)
{
    const int paginas = impressao.PrepararImpressao();
    if (paginas == 0)
        throw CErroDoUsuario("O arquivo não tem cartões para imprimir.");
    return paginas;
}

}  // namespace

void ImprimirEmPdf(const CVarentaDoc& documento, const IConfiguracoes& configuracoes, const std::string& caminho)
{
    CImpressaoDeCartoes impressao(documento, configuracoes);
    const int paginas = PrepararComCartoes(impressao);
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(QString::fromStdString(caminho));
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageOrientation(QPageLayout::Portrait);
    impressora.setFullPage(true);
    if (!ImprimirPaginas(impressora, impressao, paginas))
        throw CErroDoUsuario("Erro ao Salvar Arquivo");
}

void ImprimirNaImpressora(const CVarentaDoc& documento, const IConfiguracoes& configuracoes, const std::string& nome)
{
    CImpressaoDeCartoes impressao(documento, configuracoes);
    const int paginas = PrepararComCartoes(impressao);
    const QPrinterInfo informacoes = QPrinterInfo::printerInfo(QString::fromStdString(nome));
    if (informacoes.isNull())
        throw CErroDoUsuario("Impressora não encontrada: " + nome);
    QPrinter impressora(informacoes, QPrinter::HighResolution);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageOrientation(QPageLayout::Portrait);
    impressora.setDocName(QStringLiteral("Quinaro"));
    if (!ImprimirPaginas(impressora, impressao, paginas))
        throw CErroDoUsuario(kImpressaoNaoComecou);
}
