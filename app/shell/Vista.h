#pragma once

#include "app/shell/Comandos.h"

#include <QWidget>

class CChildFrame;
class CDocumento;
class CVarentaDoc;
struct SServicos;

// Base das telas do documento: cada uma vive numa moldura filha e se registra no
// documento enquanto existe.
class CVista : public QWidget {
    Q_OBJECT

public:
    explicit CVista(CDocumento& documento, QWidget* pai = nullptr);
    ~CVista() override;

    CDocumento& Documento() const { return m_documento; }
    CVarentaDoc& Doc() const;
    const SServicos& Servicos() const;

    CChildFrame* Frame() const { return m_frame; }
    void DefinirFrame(CChildFrame* frame) { m_frame = frame; }

    // Uma vez, depois de criada a moldura e antes de mostrá-la.
    virtual void OnInitialUpdate();
    // O documento mudou (remetente: a vista que mudou, ou nenhuma).
    virtual void OnUpdate(CVista* remetente);

    // Comandos de menu tratados pela tela quando ela é a ativa.
    virtual bool OnComando(int id);
    virtual bool EstadoDoComando(int id, SEstadoDoComando& estado) const;

protected:
    // Pede à janela principal que refaça menus, botões e título.
    void AtualizarInterface();

private:
    CDocumento& m_documento;
    CChildFrame* m_frame = nullptr;
};
