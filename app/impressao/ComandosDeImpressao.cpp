#include "app/impressao/ComandosDeImpressao.h"

#include "app/impressao/ConfigurarImpressaoDlg.h"
#include "printing/ImpressaoDeCartoes.h"
#include "printing/ImpressaoNaImpressora.h"
#include "app/shell/CursorDeEspera.h"
#include "app/shell/Mensagens.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

CComandosDeImpressao::CComandosDeImpressao(IConfiguracoes& configuracoes)
    : m_configuracoes(configuracoes), m_impressora(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

CComandosDeImpressao::~CComandosDeImpressao() = default;

void CComandosDeImpressao::OnConfigurarImpressao(QWidget* janela)
{
    CConfigurarImpressaoDlg dialogo(m_configuracoes, janela);
    dialogo.exec();
}

void CComandosDeImpressao::OnConfigurarImpressora(QWidget* janela)
{
    QPageSetupDialog dialogo(m_impressora.get(), janela);
    dialogo.exec();
}

void CComandosDeImpressao::OnImprimir(const CVarentaDoc& documento, QWidget* janela)
{
    CImpressaoDeCartoes impressao(documento, m_configuracoes);
    const int paginas = impressao.PrepararImpressao();
    QPrintDialog dialogo(m_impressora.get(), janela);
    dialogo.setMinMax(1, std::max(1, paginas));
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    CCursorDeEspera espera;
    if (!ImprimirPaginas(*m_impressora, impressao, paginas))
        MostrarAviso(janela, QString::fromUtf8(kImpressaoNaoComecou));
}

void CComandosDeImpressao::OnVisualizar(const CVarentaDoc& documento, QWidget* janela)
{
    CImpressaoDeCartoes impressao(documento, m_configuracoes);
    const int paginas = impressao.PrepararImpressao();
    QPrintPreviewDialog dialogo(m_impressora.get(), janela);
    dialogo.setWindowTitle(QStringLiteral("Visualizar Impressão"));
    // A visualização pede as páginas de novo a cada mudança; o estado anda até elas.
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
                     [&](QPrinter* impressora) { PintarVisualizacao(*impressora, impressao, paginas); });
    dialogo.exec();
}
