#pragma once

#include "app/shell/Comandos.h"
#include "app/shell/FrameTemplate.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CDocFrameMgr;
class CDocumento;
class CMainFrame;

// Modelo de documento com várias telas, cada uma na sua moldura: guarda os tipos de
// tela e, para cada documento aberto, o gerenciador das suas telas.
class CMvDocTemplate : public QObject {
    Q_OBJECT

public:
    using FabricaDeDocumento = std::function<std::unique_ptr<CDocumento>(CMvDocTemplate&)>;

    CMvDocTemplate(int recurso, FabricaDeDocumento fabrica);
    ~CMvDocTemplate() override;

    void DefinirJanelaPrincipal(CMainFrame* principal) { m_principal = principal; }
    int Recurso() const { return m_recurso; }

    virtual void RemoveDocFrames(CDocumento* documento);
    virtual void AddFrameTemplate(const CFrameTemplate& modelo, bool padrao);

    // Caminho vazio: documento novo. Nulo se falhar (a mensagem já foi mostrada e não
    // sobra documento aberto).
    CDocumento* OpenDocumentFile(const QString& caminho);
    // Fecha as telas do documento e o apaga.
    void FecharDocumento(CDocumento* documento);
    void CloseAllDocuments();
    // Pergunta por cada documento alterado; falso se o usuário desistiu de fechar.
    bool SaveAllModified();

    virtual QList<CDocumento*> Documentos() const;
    CDocFrameMgr* Gerenciador(const CDocumento* documento) const;

    // Roteamento dos comandos das telas para o documento da moldura ativa.
    // estado nulo: executar; senão, só o estado.
    bool OnCmdMsg(int id, SEstadoDoComando* estado);

signals:
    void documentoAberto(const QString& caminho);
    void documentosMudaram();

protected:
    virtual void AddDocument(std::unique_ptr<CDocumento> documento);
    virtual std::unique_ptr<CDocumento> RemoveDocument(CDocumento* documento);

private:
    bool CriarTelasIniciais(CDocumento& documento);
    void Descartar(CDocumento* documento);

    int m_recurso;
    FabricaDeDocumento m_fabrica;
    CMainFrame* m_principal = nullptr;
    std::vector<std::unique_ptr<CFrameTemplate>> m_modelos;
    const CFrameTemplate* m_padrao = nullptr;
    std::vector<std::unique_ptr<CDocFrameMgr>> m_gerenciadores;
    std::vector<std::unique_ptr<CDocumento>> m_documentos;
    int m_sem_titulo = 0;
};
