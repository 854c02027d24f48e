#include "app/shell/BloqueioDaInterface.h"

#include "app/shell/MainFrame.h"

#include <QApplication>
#include <QEvent>

namespace {
int g_bloqueios = 0;
}

CBloqueioDaInterface::CBloqueioDaInterface(QWidget* permitido) : m_permitido(permitido)
{
    ++g_bloqueios;
    qApp->installEventFilter(this);
    AtualizarJanelasPrincipais();
}

CBloqueioDaInterface::~CBloqueioDaInterface()
{
    qApp->removeEventFilter(this);
    --g_bloqueios;
    AtualizarJanelasPrincipais();
}

bool CBloqueioDaInterface::Ativo()
{
    return g_bloqueios > 0;
}

void CBloqueioDaInterface::AtualizarJanelasPrincipais()
{
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (auto* principal = qobject_cast<CMainFrame*>(janela))
            principal->AtualizarInterface();
}

bool CBloqueioDaInterface::EntradaDoUsuario(const QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool CBloqueioDaInterface::Permitido(const QObject* alvo) const
{
    // A janela nativa repassa o evento ao widget de destino, que é filtrado em seguida.
    if (alvo->isWindowType())
        return true;
    const auto* widget = qobject_cast<const QWidget*>(alvo);
    if (widget == nullptr || m_permitido == nullptr)
        return false;
    return widget == m_permitido || m_permitido->isAncestorOf(widget);
}

bool CBloqueioDaInterface::eventFilter(QObject* alvo, QEvent* evento)
{
    if (!EntradaDoUsuario(evento) || Permitido(alvo))
        return false;
    evento->ignore();
    return true;
}
