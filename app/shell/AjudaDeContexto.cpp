#include "app/shell/AjudaDeContexto.h"

#include "app/apostas/ConcursoDlg.h"
#include "app/apostas/ScoreForm.h"
#include "app/conferencia/ConferenciaAvancadaDlg.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/controles/BuscaDlg.h"
#include "app/dialogos/CombinandoApostasDlg.h"
#include "app/dialogos/FiltrandoDlg.h"
#include "app/dialogos/FiltrosDlg.h"
#include "app/dialogos/GerarApostasDlg.h"
#include "app/dialogos/GravandoRelatorioDlg.h"
#include "app/dialogos/ReduzindoDlg.h"
#include "app/dialogos/ReduzirApostasDlg.h"
#include "app/impressao/ConfigurarImpressaoDlg.h"
#include "app/resultados/AtualizandoDlg.h"
#include "app/resultados/DlgProxy.h"
#include "app/resultados/EscolhaConcursoDlg.h"
#include "app/resultados/ResultadoVarentaDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QWidget>

namespace {
struct SSecaoDaClasse {
    const QMetaObject* classe;
    const char* pagina;
    const char* ancora;
};

// A tabela única: janela ou tela -> seção do manual.
const SSecaoDaClasse kSecoes[] = {
    {&CScoreForm::staticMetaObject, "apostas.htm", "quadro"},
    {&CConferenciaForm::staticMetaObject, "conferencia.htm", "tela"},
    {&CGerarApostasDlg::staticMetaObject, "apostas.htm", "executar"},
    {&CCombinandoApostasDlg::staticMetaObject, "apostas.htm", "executar"},
    {&CBuscaDlg::staticMetaObject, "apostas.htm", "cartoes"},
    {&CFiltrosDlg::staticMetaObject, "filtros.htm", "filtros"},
    {&CFiltrandoDlg::staticMetaObject, "filtros.htm", "filtrar"},
    {&CReduzirApostasDlg::staticMetaObject, "reducao.htm", "reduzir"},
    {&CReduzindoDlg::staticMetaObject, "reducao.htm", "resultado"},
    {&CConferenciaAvancadaDlg::staticMetaObject, "conferencia.htm", "analise"},
    {&CConcursoDlg::staticMetaObject, "relatorios.htm", "comprovantes"},
    {&CGravandoRelatorioDlg::staticMetaObject, "relatorios.htm", "relatorios"},
    {&CDlgProxy::staticMetaObject, "internet.htm", "configurar"},
    {&CAtualizandoDlg::staticMetaObject, "internet.htm", "atualizar"},
    {&CResultadoVarentaDlg::staticMetaObject, "internet.htm", "manual"},
    {&CEscolhaConcursoDlg::staticMetaObject, "internet.htm", "manual"},
    {&CConfigurarImpressaoDlg::staticMetaObject, "impressao.htm", "configurar"},
    {&QPrintPreviewDialog::staticMetaObject, "impressao.htm", "visualizar"},
    {&QPrintDialog::staticMetaObject, "impressao.htm", "imprimir"},
};

const SSecaoDaClasse* SecaoDaClasse(const QWidget& widget)
{
    for (const SSecaoDaClasse& secao : kSecoes)
        if (widget.metaObject()->inherits(secao.classe))
            return &secao;
    return nullptr;
}

bool EhF1(const QEvent& evento)
{
    if (evento.type() != QEvent::KeyPress && evento.type() != QEvent::ShortcutOverride)
        return false;
    const auto& tecla = static_cast<const QKeyEvent&>(evento);
    return tecla.key() == Qt::Key_F1 && tecla.modifiers() == Qt::NoModifier;
}
}  // namespace

SSecaoDaAjuda SecaoDaJanela(const QWidget* janela)
{
    for (; janela != nullptr; janela = janela->parentWidget() ? janela->parentWidget()->window() : nullptr)
        if (const SSecaoDaClasse* secao = SecaoDaClasse(*janela))
            return {QString::fromLatin1(secao->pagina), QString::fromLatin1(secao->ancora)};
    return {QStringLiteral("index.htm"), QStringLiteral("inicio")};
}

CAjudaDeContexto::CAjudaDeContexto(QWidget& principal, FuncaoDaTela secao_da_tela, FuncaoAbrir abrir)
    : QObject(&principal), m_principal(&principal), m_secao_da_tela(std::move(secao_da_tela)), m_abrir(std::move(abrir))
{
    qApp->installEventFilter(this);
}

bool CAjudaDeContexto::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* widget = qobject_cast<QWidget*>(objeto);
    if (widget == nullptr || !EhF1(*evento))
        return QObject::eventFilter(objeto, evento);
    // Aceito aqui, o F1 chega como tecla e nenhum atalho o consome antes.
    evento->accept();
    if (evento->type() == QEvent::KeyPress)
        m_abrir(SecaoDe(*widget));
    return true;
}

SSecaoDaAjuda CAjudaDeContexto::SecaoDe(const QWidget& widget) const
{
    const QWidget* janela = widget.window();
    return janela == m_principal ? m_secao_da_tela() : SecaoDaJanela(janela);
}
