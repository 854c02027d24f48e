#pragma once

#include "app/shell/AjudaDeContexto.h"
#include "app/shell/ArquivosRecentes.h"
#include "app/shell/Servicos.h"

#include <QObject>
#include <QStringList>

#include <filesystem>
#include <memory>

class CComandosDeImpressao;
class CDocumento;
class CMainFrame;
class CSDIMVDocTemplate;
class CVarentaDoc;

// O programa: registra o modelo de documento com as duas telas, cria a janela principal
// e abre um documento novo ou o arquivo da linha de comando.
class CVarentaApp : public QObject {
    Q_OBJECT

public:
    explicit CVarentaApp(const SServicos& servicos);
    ~CVarentaApp() override;

    // argumentos: a linha de comando sem o nome do programa. Falso encerra o programa.
    bool InitInstance(const QStringList& argumentos);

    CMainFrame* JanelaPrincipal() const { return m_principal.get(); }
    CSDIMVDocTemplate* Modelo() const { return m_modelo.get(); }
    const SServicos& Servicos() const { return m_servicos; }
    const CArquivosRecentes& Recentes() const { return m_recentes; }
    // O documento aberto, ou nenhum.
    CDocumento* DocumentoAberto() const;

    // Abre um arquivo de apostas (o já aberto só é trazido para a frente), depois de
    // perguntar pelas alterações do documento aberto. Devolve o documento aberto ao fim:
    // o do arquivo, o de antes quando o usuário desistiu, ou nenhum se a leitura falhou.
    CDocumento* AbrirArquivo(const QString& caminho);
    void OnNovo();
    void OnAbrir();
    void OnArquivoRecente(int indice);
    void OnSobre();
    // A página "help/index.htm" da pasta de ajuda no navegador.
    void OnAjuda();
    // Uma seção do manual da pasta de ajuda no navegador.
    void AbrirAjuda(const SSecaoDaAjuda& secao);

private:
    void RegistrarModelo();
    void AdicionarRecente(const QString& caminho);
    void DefinirComandos();
    void DefinirComandosDeImpressao();
    // O documento da tela de apostas ativa; nenhum com outra tela (ou nenhuma) na frente.
    CVarentaDoc* DocDaTelaDeApostasAtiva() const;
    // A seção do manual da tela ativa; a página inicial sem tela.
    SSecaoDaAjuda SecaoDaTelaAtiva() const;
    std::filesystem::path PastaDaAjuda() const;

    SServicos m_servicos;
    CArquivosRecentes m_recentes;
    std::unique_ptr<CSDIMVDocTemplate> m_modelo;
    std::unique_ptr<CMainFrame> m_principal;
    std::unique_ptr<CComandosDeImpressao> m_impressao;
};
