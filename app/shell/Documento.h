#pragma once

#include "app/shell/Comandos.h"
#include "document/ConteudoDoDocumento.h"
#include "app/shell/Servicos.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class CMvDocTemplate;
class CVarentaDoc;
class CVista;
class QWidget;

// Cadeias do tipo de documento.
inline constexpr const char* kNomeDoDocumento = "Quinaro";
inline constexpr const char* kFiltroDoDocumento = "Arquivos Quinaro (*.vrt)";
inline constexpr const char* kExtensaoDoDocumento = ".vrt";

// O documento de apostas dentro do programa de mesa: o CVarentaDoc com título, caminho,
// vistas e os comandos que são do documento (salvar, fechar, relatórios).
class CDocumento : public QObject {
    Q_OBJECT

public:
    CDocumento(const SServicos& servicos, CMvDocTemplate& modelo);
    ~CDocumento() override;

    CVarentaDoc& Doc() { return *m_doc; }
    const CVarentaDoc& Doc() const { return *m_doc; }
    const SServicos& Servicos() const { return m_servicos; }
    CMvDocTemplate& Modelo() const { return m_modelo; }

    const QString& Titulo() const { return m_titulo; }
    void DefinirTitulo(const QString& titulo);
    const QString& Caminho() const { return m_caminho; }
    // Grava o caminho e dá ao documento o nome do arquivo como título.
    void DefinirCaminho(const QString& caminho);

    bool OnNewDocument();
    // Lê o arquivo; lança CErroDoUsuario com a mensagem para o usuário.
    void OnOpenDocument(const QString& caminho);
    // Grava o arquivo e o dá como sem alterações; lança CErroDoUsuario; o documento não
    // muda se falhar.
    void OnSaveDocument(const QString& caminho);

    // Há alterações desde que o documento foi criado, aberto ou salvo.
    bool IsModified() const;
    // O conteúdo de agora passa a ser o gravado (chamado depois que as telas iniciais
    // mostraram o documento, que pode acertar nelas o que o arquivo trazia).
    void MarcarSemAlteracoes();
    // Antes de fechar um documento alterado: "Salvar alterações em %s?". Sim salva (uma
    // gravação que falha ou é desistida cancela), Não descarta, Cancelar desiste.
    // Falso: a ação que ia fechar o documento não continua.
    bool SaveModified();

    const QList<CVista*>& Vistas() const { return m_vistas; }
    void AdicionarVista(CVista* vista);
    void RemoverVista(CVista* vista);
    void AtualizarTodasAsVistas(CVista* remetente = nullptr);

    // Fechar a última vista fecha o documento (desligado enquanto o próprio documento fecha).
    bool m_auto_delete = true;

    bool OnComando(int id);
    bool EstadoDoComando(int id, SEstadoDoComando& estado) const;

signals:
    void tituloMudou();
    void salvo(const QString& caminho);

private:
    // Salvar (pergunta o nome se ainda não houver) ou Salvar Como (sempre pergunta).
    bool DoSave(bool perguntar);
    QWidget* Janela() const;

    SServicos m_servicos;
    CMvDocTemplate& m_modelo;
    std::unique_ptr<CVarentaDoc> m_doc;
    QString m_titulo;
    QString m_caminho;
    QList<CVista*> m_vistas;
    SConteudoDoDocumento m_gravado;
};
