#include "app/shell/Vista.h"

#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"

CVista::CVista(CDocumento& documento, QWidget* pai) : QWidget(pai), m_documento(documento)
{
    m_documento.AdicionarVista(this);
}

CVista::~CVista()
{
    m_documento.RemoverVista(this);
}

CVarentaDoc& CVista::Doc() const
{
    return m_documento.Doc();
}

const SServicos& CVista::Servicos() const
{
    return m_documento.Servicos();
}

void CVista::OnInitialUpdate()
{
    OnUpdate(nullptr);
}

void CVista::OnUpdate(CVista*)
{
    update();
}

bool CVista::OnComando(int)
{
    return false;
}

bool CVista::EstadoDoComando(int, SEstadoDoComando&) const
{
    return false;
}

void CVista::AtualizarInterface()
{
    if (auto* principal = qobject_cast<CMainFrame*>(window()))
        principal->AtualizarInterface();
}
