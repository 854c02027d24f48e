#pragma once

#include "app/shell/MvDocTemplate.h"

// Modelo de várias telas com um documento aberto no máximo: abrir ou criar outro fecha
// antes o que estava aberto, sem perguntar (o documento nunca fica modificado).
class CSDIMVDocTemplate : public CMvDocTemplate {
    Q_OBJECT

public:
    using CMvDocTemplate::CMvDocTemplate;
    ~CSDIMVDocTemplate() override;

    QList<CDocumento*> Documentos() const override;

protected:
    void AddDocument(std::unique_ptr<CDocumento> documento) override;
    std::unique_ptr<CDocumento> RemoveDocument(CDocumento* documento) override;

private:
    std::unique_ptr<CDocumento> m_documento;
};
