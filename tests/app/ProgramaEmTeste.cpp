#include "tests/app/ProgramaEmTeste.h"

#include "app/apostas/ScoreForm.h"
#include "app/shell/Documento.h"
#include "app/shell/MainFrame.h"

#include <QAction>
#include <QApplication>

CProgramaEmTeste::CProgramaEmTeste()
    : m_pastas(m_pasta / "documentos", m_pasta / "instalacao"),
      m_app(SServicos{m_configuracoes, m_pastas, m_navegador, m_relogio})
{
    std::filesystem::create_directories(Documentos());
    std::filesystem::create_directories(Instalacao());
}

CProgramaEmTeste::~CProgramaEmTeste() = default;

bool CProgramaEmTeste::Iniciar(const QStringList& argumentos)
{
    const bool iniciado = m_app.InitInstance(argumentos);
    QApplication::processEvents();
    return iniciado;
}

CMainFrame& CProgramaEmTeste::Janela() const
{
    return *m_app.JanelaPrincipal();
}

CDocumento* CProgramaEmTeste::Documento() const
{
    return m_app.DocumentoAberto();
}

CScoreForm* CProgramaEmTeste::TelaDeApostas() const
{
    const CDocumento* documento = Documento();
    if (documento == nullptr)
        return nullptr;
    for (CVista* vista : documento->Vistas())
        if (auto* tela = qobject_cast<CScoreForm*>(vista))
            return tela;
    return nullptr;
}

QAction* CProgramaEmTeste::Acao(int id) const
{
    return Janela().Acao(id);
}

void CProgramaEmTeste::Comando(int id) const
{
    Janela().AtualizarInterface();
    Acao(id)->trigger();
    QApplication::processEvents();
}
