#include "app/shell/ChildFrame.h"

#include "app/shell/Documento.h"
#include "app/shell/Icones.h"
#include "app/shell/Vista.h"

#include <QCloseEvent>
#include <QScrollArea>

CChildFrame::CChildFrame(int recurso, QWidget* pai) : QMdiSubWindow(pai), m_recurso(recurso)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(IconeDoRecurso(recurso));
    setWindowTitle(QString());
}

void CChildFrame::DefinirVista(CVista* vista)
{
    auto* rolagem = new QScrollArea;
    rolagem->setWidget(vista);
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    // A rolagem só emoldura a tela: não é parada do Tab (nem tem o que o leitor de tela leia).
    rolagem->setFocusPolicy(Qt::NoFocus);
    setWidget(rolagem);
    m_vista = vista;
    vista->DefinirFrame(this);
}

void CChildFrame::closeEvent(QCloseEvent* evento)
{
    // A última tela leva o documento junto: antes, as alterações dele.
    if (m_vista != nullptr && m_vista->Documento().Vistas().size() == 1 && !m_vista->Documento().SaveModified()) {
        evento->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(evento);
    if (!evento->isAccepted() || m_vista == nullptr)
        return;
    m_vista = nullptr;
    delete widget();  // a rolagem e a vista dentro dela
}
