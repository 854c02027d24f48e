#pragma once

#include "app/shell/Comandos.h"

#include <memory>
#include <vector>

class CDocumento;
class CFrame;
class CMainFrame;
struct CFrameTemplate;

// As telas de um documento: um CFrame por tipo de tela, na ordem de registro.
class CDocFrameMgr {
public:
    CDocFrameMgr(CDocumento& documento, const std::vector<std::unique_ptr<CFrameTemplate>>& modelos,
                 CMainFrame& principal);
    ~CDocFrameMgr();

    CDocumento& Documento() const { return m_documento; }
    const std::vector<std::unique_ptr<CFrame>>& Frames() const { return m_frames; }

    // Comandos que mostram as telas (131, 149). estado nulo: executar; senão, só o estado.
    bool OnCmdMsg(int id, SEstadoDoComando* estado, const CMainFrame& principal) const;

private:
    CDocumento& m_documento;
    std::vector<std::unique_ptr<CFrame>> m_frames;
};
