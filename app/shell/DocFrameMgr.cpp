#include "app/shell/DocFrameMgr.h"

#include "app/shell/Frame.h"
#include "app/shell/FrameTemplate.h"
#include "app/shell/MainFrame.h"

CDocFrameMgr::CDocFrameMgr(CDocumento& documento, const std::vector<std::unique_ptr<CFrameTemplate>>& modelos,
                           CMainFrame& principal)
    : m_documento(documento)
{
    for (const auto& modelo : modelos)
        m_frames.push_back(std::make_unique<CFrame>(*modelo, documento, principal));
}

CDocFrameMgr::~CDocFrameMgr() = default;

bool CDocFrameMgr::OnCmdMsg(int id, SEstadoDoComando* estado, const CMainFrame& principal) const
{
    for (const auto& frame : m_frames) {
        if (frame->Modelo().m_comando != id)
            continue;
        if (estado == nullptr) {
            frame->ActivateFrame();
        } else {
            estado->habilitado = static_cast<bool>(frame->Modelo().m_criar_vista);
            estado->marcado = frame->EhDoTipo(principal.FrameAtivo());
        }
        return true;
    }
    return false;
}
