#pragma once

class CChildFrame;
class CDocumento;
class CMainFrame;
struct CFrameTemplate;

// Um tipo de tela de um documento: acha, cria e ativa a moldura dessa tela.
class CFrame {
public:
    CFrame(const CFrameTemplate& modelo, CDocumento& documento, CMainFrame& principal);

    const CFrameTemplate& Modelo() const { return m_modelo; }
    CDocumento& Documento() const { return m_documento; }

    // A moldura da primeira vista do documento que é deste tipo; nenhuma se não houver.
    CChildFrame* FindFrame() const;
    // Traz a tela para a frente, criando-a se preciso, no estado da moldura ativa
    // (maximizada continua maximizada; minimizada ou nenhuma: normal).
    bool ActivateFrame();
    // Cria moldura e vista e faz a atualização inicial, sem mostrar.
    CChildFrame* CriarFrame();
    // A moldura mostra uma tela deste tipo?
    bool EhDoTipo(const CChildFrame* frame) const;

private:
    const CFrameTemplate& m_modelo;
    CDocumento& m_documento;
    CMainFrame& m_principal;
};
