#include "app/shell/SDIMVDocTemplate.h"

#include "app/shell/Documento.h"

CSDIMVDocTemplate::~CSDIMVDocTemplate()
{
    CloseAllDocuments();
}

QList<CDocumento*> CSDIMVDocTemplate::Documentos() const
{
    if (m_documento == nullptr)
        return {};
    return {m_documento.get()};
}

void CSDIMVDocTemplate::AddDocument(std::unique_ptr<CDocumento> documento)
{
    CloseAllDocuments();
    m_documento = std::move(documento);
}

std::unique_ptr<CDocumento> CSDIMVDocTemplate::RemoveDocument(CDocumento* documento)
{
    if (m_documento.get() != documento)
        return nullptr;
    return std::move(m_documento);
}
