#include "app/shell/Frame.h"

#include "app/shell/ChildFrame.h"
#include "app/shell/Documento.h"
#include "app/shell/FrameTemplate.h"
#include "app/shell/MainFrame.h"
#include "app/shell/Vista.h"

#include <QMdiArea>

CFrame::CFrame(const CFrameTemplate& modelo, CDocumento& documento, CMainFrame& principal)
    : m_modelo(modelo), m_documento(documento), m_principal(principal) {}

CChildFrame* CFrame::FindFrame() const
{
    for (CVista* vista : m_documento.Vistas())
        if (EhDoTipo(vista->Frame()))
            return vista->Frame();
    return nullptr;
}

bool CFrame::EhDoTipo(const CChildFrame* frame) const
{
    return frame != nullptr && frame->Vista() != nullptr &&
           m_modelo.m_classe_da_vista == QLatin1String(frame->Vista()->metaObject()->className());
}

CChildFrame* CFrame::CriarFrame()
{
    if (!m_modelo.m_criar_vista)
        return nullptr;
    CVista* vista = m_modelo.m_criar_vista(m_documento);
    if (vista == nullptr)
        return nullptr;
    auto* frame = new CChildFrame(m_modelo.m_recurso);
    frame->DefinirVista(vista);
    m_principal.AdicionarFrame(frame);
    frame->hide();
    vista->OnInitialUpdate();
    return frame;
}

bool CFrame::ActivateFrame()
{
    CChildFrame* frame = FindFrame();
    if (frame == nullptr) {
        frame = CriarFrame();
        if (frame == nullptr)
            return false;
    }
    const CChildFrame* ativo = m_principal.FrameAtivo();
    const bool maximizar = ativo != nullptr && ativo->isMaximized();
    m_principal.MostrarFrame(frame, maximizar ? Qt::WindowMaximized : Qt::WindowNoState);
    return true;
}
