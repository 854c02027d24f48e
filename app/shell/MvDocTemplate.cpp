#include "app/shell/MvDocTemplate.h"

#include "app/shell/ChildFrame.h"
#include "app/shell/CursorDeEspera.h"
#include "app/shell/DocFrameMgr.h"
#include "app/shell/Documento.h"
#include "core/ErroDoUsuario.h"
#include "app/shell/Frame.h"
#include "app/shell/MainFrame.h"
#include "app/shell/Mensagens.h"
#include "app/shell/Vista.h"

#include <algorithm>

CMvDocTemplate::CMvDocTemplate(int recurso, FabricaDeDocumento fabrica)
    : m_recurso(recurso), m_fabrica(std::move(fabrica)) {}

CMvDocTemplate::~CMvDocTemplate()
{
    while (!m_documentos.empty())
        FecharDocumento(m_documentos.back().get());
}

void CMvDocTemplate::AddFrameTemplate(const CFrameTemplate& modelo, bool padrao)
{
    m_modelos.push_back(std::make_unique<CFrameTemplate>(modelo));
    if (padrao)
        m_padrao = m_modelos.back().get();
}

void CMvDocTemplate::RemoveDocFrames(CDocumento* documento)
{
    std::erase_if(m_gerenciadores, [documento](const auto& gerenciador) {
        return &gerenciador->Documento() == documento;
    });
}

CDocFrameMgr* CMvDocTemplate::Gerenciador(const CDocumento* documento) const
{
    for (const auto& gerenciador : m_gerenciadores)
        if (&gerenciador->Documento() == documento)
            return gerenciador.get();
    return nullptr;
}

QList<CDocumento*> CMvDocTemplate::Documentos() const
{
    QList<CDocumento*> documentos;
    for (const auto& documento : m_documentos)
        documentos.append(documento.get());
    return documentos;
}

void CMvDocTemplate::AddDocument(std::unique_ptr<CDocumento> documento)
{
    m_documentos.push_back(std::move(documento));
}

std::unique_ptr<CDocumento> CMvDocTemplate::RemoveDocument(CDocumento* documento)
{
    const auto posicao = std::find_if(m_documentos.begin(), m_documentos.end(),
                                      [documento](const auto& d) { return d.get() == documento; });
    if (posicao == m_documentos.end())
        return nullptr;
    std::unique_ptr<CDocumento> removido = std::move(*posicao);
    m_documentos.erase(posicao);
    return removido;
}

CDocumento* CMvDocTemplate::OpenDocumentFile(const QString& caminho)
{
    std::unique_ptr<CDocumento> novo = m_fabrica(*this);
    CDocumento* documento = novo.get();
    AddDocument(std::move(novo));

    if (caminho.isEmpty()) {
        documento->DefinirTitulo(QString::fromUtf8(kNomeDoDocumento) + QString::number(m_sem_titulo + 1));
        if (!documento->OnNewDocument()) {
            Descartar(documento);
            return nullptr;
        }
        ++m_sem_titulo;
    } else {
        QString erro;
        {
            CCursorDeEspera espera;
            try {
                documento->OnOpenDocument(caminho);
            } catch (const CErroDoUsuario& falha) {
                erro = QString::fromStdString(falha.what());
            }
        }
        if (!erro.isNull()) {
            MostrarAviso(m_principal, erro);
            Descartar(documento);
            return nullptr;
        }
        documento->DefinirCaminho(caminho);
        emit documentoAberto(caminho);
    }

    if (!CriarTelasIniciais(*documento)) {
        Descartar(documento);
        return nullptr;
    }
    documento->MarcarSemAlteracoes();
    emit documentosMudaram();
    return documento;
}

bool CMvDocTemplate::CriarTelasIniciais(CDocumento& documento)
{
    if (m_principal == nullptr)
        return false;
    auto gerenciador = std::make_unique<CDocFrameMgr>(documento, m_modelos, *m_principal);
    CChildFrame* foco = nullptr;
    for (const auto& frame : gerenciador->Frames()) {
        if (!frame->Modelo().m_criar_no_inicio)
            continue;
        CChildFrame* criado = frame->CriarFrame();
        if (criado == nullptr)
            return false;
        m_principal->MostrarFrame(criado, frame->Modelo().m_mostrar);
        if (m_padrao == nullptr || &frame->Modelo() == m_padrao)
            foco = criado;
    }
    m_gerenciadores.push_back(std::move(gerenciador));
    if (foco != nullptr)
        m_principal->MostrarFrame(foco, foco->isMaximized() ? Qt::WindowMaximized : Qt::WindowNoState);
    return true;
}

void CMvDocTemplate::Descartar(CDocumento* documento)
{
    FecharDocumento(documento);
    CloseAllDocuments();
}

void CMvDocTemplate::FecharDocumento(CDocumento* documento)
{
    RemoveDocFrames(documento);
    documento->m_auto_delete = false;
    const QList<CVista*> vistas = documento->Vistas();
    for (CVista* vista : vistas) {
        if (vista->Frame() != nullptr)
            delete vista->Frame();
        else
            delete vista;
    }
    // Apagado ao sair do escopo, depois de fora da lista.
    std::unique_ptr<CDocumento> removido = RemoveDocument(documento);
    emit documentosMudaram();
}

bool CMvDocTemplate::SaveAllModified()
{
    for (CDocumento* documento : Documentos())
        if (!documento->SaveModified())
            return false;
    return true;
}

void CMvDocTemplate::CloseAllDocuments()
{
    for (CDocumento* documento : Documentos())
        FecharDocumento(documento);
}

bool CMvDocTemplate::OnCmdMsg(int id, SEstadoDoComando* estado)
{
    if (m_principal == nullptr)
        return false;
    const CChildFrame* ativo = m_principal->FrameAtivo();
    if (ativo == nullptr || ativo->Vista() == nullptr)
        return false;
    const CDocFrameMgr* gerenciador = Gerenciador(&ativo->Vista()->Documento());
    return gerenciador != nullptr && gerenciador->OnCmdMsg(id, estado, *m_principal);
}
