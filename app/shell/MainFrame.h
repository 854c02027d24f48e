#pragma once

#include "app/shell/Comandos.h"

#include <QHash>
#include <QMainWindow>
#include <QMdiArea>
#include <QStringList>

#include <functional>
#include <map>

class CChildFrame;
class CMvDocTemplate;
class QAction;
class QMenu;
class QToolBar;

// Janela principal: área das telas, barra de ferramentas, barra de status e os menus
// (128 sem tela; o da tela ativa, 143 ou 151, com tela). Cada comando tem uma QAction;
// um comando sem quem o trate fica desabilitado.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* pai = nullptr);
    ~CMainFrame() override;

    // Barra de ferramentas e barra de status; falso se alguma não pôde ser criada.
    bool Criar();

    QMdiArea* AreaMdi() const { return m_area; }
    QToolBar* BarraDeFerramentas() const { return m_barra; }
    QAction* Acao(int id) const;
    // Recurso do menu mostrado agora (128, 143 ou 151).
    int MenuAtual() const { return m_menu_atual; }

    // Quem trata um comando fora das telas e do documento (programa, janela, resultados).
    // Sem `habilitado`, o comando fica sempre disponível.
    void DefinirComando(int id, std::function<void()> executar, std::function<bool()> habilitado = {});
    void DefinirModelo(CMvDocTemplate* modelo) { m_modelo = modelo; }

    // A moldura da tela ativa; nenhuma sem tela.
    CChildFrame* FrameAtivo() const;
    void AdicionarFrame(CChildFrame* frame);
    void MostrarFrame(CChildFrame* frame, Qt::WindowState estado);

    // Roteia o comando: tela ativa, documento, telas do documento, tratadores definidos.
    void ExecutarComando(int id);
    SEstadoDoComando EstadoDoComando(int id) const;
    // Menus, estado dos comandos e título.
    void AtualizarInterface();

    void DefinirArquivosRecentes(const QStringList& arquivos);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    struct STratador {
        std::function<void()> executar;
        std::function<bool()> habilitado;
    };

    QAction* CriarAcao(int id, const QString& texto);
    void CriarAcoes();
    void CriarMenus();
    // com_cartoes: a tela de apostas, que exporta os cartões do documento.
    QMenu* MenuArquivo(bool com_documento, bool com_cartoes = false);
    QMenu* NovoMenu(const QString& titulo, const QList<int>& comandos);
    void CriarBarraDeFerramentas();
    void CriarBarraDeStatus();
    void DefinirComandosDaJanela();
    // "&Janela": os comandos de arrumar e, ao abrir, a lista numerada das telas.
    QMenu* MenuJanela();
    void ListarJanelas(QMenu& menu);
    QString NomeDaTela(const CChildFrame& frame) const;
    QList<QMdiSubWindow*> JanelasParaArrumar(QMdiArea::WindowOrder ordem) const;
    void Cascata();
    void Faixas();
    void OrganizarIcones();
    void AtualizarMenus();
    void AtualizarComandos();
    void AtualizarTitulo();

    QMdiArea* m_area = nullptr;
    QToolBar* m_barra = nullptr;
    CMvDocTemplate* m_modelo = nullptr;
    QHash<int, QAction*> m_acoes;
    std::map<int, STratador> m_tratadores;
    std::map<int, QList<QMenu*>> m_menus;  // por recurso
    QAction* m_sem_recentes = nullptr;
    int m_menu_atual = 0;
};
