#include "app/shell/VarentaApp.h"

#include "app/shell/ChildFrame.h"
#include "app/shell/ComandosDeCsv.h"
#include "app/shell/Comandos.h"
#include "core/Configuracoes.h"
#include "app/shell/Documento.h"
#include "app/shell/FrameTemplate.h"
#include "app/shell/MainFrame.h"
#include "core/Navegador.h"
#include "app/shell/PastaDasApostas.h"
#include "core/Pastas.h"
#include "app/shell/SDIMVDocTemplate.h"
#include "app/apostas/ScoreForm.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/impressao/ComandosDeImpressao.h"
#include "app/resultados/ComandosDeInternet.h"
#include "app/resultados/ComandosDeResultados.h"
#include "app/shell/SobreDlg.h"
#include "app/shell/Vista.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

CVarentaApp::CVarentaApp(const SServicos& servicos)
    : m_servicos(servicos), m_recentes(servicos.configuracoes) {}

CVarentaApp::~CVarentaApp()
{
    // As telas saem antes da janela que as contém.
    if (m_modelo != nullptr)
        m_modelo->CloseAllDocuments();
    m_principal.reset();
}

bool CVarentaApp::InitInstance(const QStringList& argumentos)
{
    RegistrarModelo();

    m_principal = std::make_unique<CMainFrame>();
    if (!m_principal->Criar())
        return false;
    m_modelo->DefinirJanelaPrincipal(m_principal.get());
    m_principal->DefinirModelo(m_modelo.get());
    DefinirComandos();
    // Filha da janela principal: sai com ela.
    new CAjudaDeContexto(
        *m_principal, [this] { return SecaoDaTelaAtiva(); }, [this](const SSecaoDaAjuda& secao) { AbrirAjuda(secao); });
    m_principal->DefinirArquivosRecentes(m_recentes.Lista());
    // A janela aparece antes do documento: a tela de apostas se centra na área das telas
    // já com o seu tamanho de verdade.
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        m_principal->resize(tela->availableGeometry().size());
    m_principal->showMaximized();
    QCoreApplication::processEvents();

    const CDocumento* documento =
        argumentos.isEmpty() ? m_modelo->OpenDocumentFile(QString()) : AbrirArquivo(argumentos.constFirst());
    return documento != nullptr;
}

void CVarentaApp::RegistrarModelo()
{
    m_modelo = std::make_unique<CSDIMVDocTemplate>(Recurso::kDocumento, [this](CMvDocTemplate& modelo) {
        auto documento = std::make_unique<CDocumento>(m_servicos, modelo);
        connect(documento.get(), &CDocumento::salvo, this, &CVarentaApp::AdicionarRecente);
        return documento;
    });
    connect(m_modelo.get(), &CMvDocTemplate::documentoAberto, this, &CVarentaApp::AdicionarRecente);
    connect(m_modelo.get(), &CMvDocTemplate::documentosMudaram, this, [this] {
        if (m_principal != nullptr)
            m_principal->AtualizarInterface();
    });

    CFrameTemplate apostas;
    apostas.m_classe_da_vista = QStringLiteral("CScoreForm");
    apostas.m_criar_vista = [](CDocumento& documento) -> CVista* { return new CScoreForm(documento); };
    apostas.m_recurso = Recurso::kTelaDeApostas;
    apostas.m_comando = Comando::kTelaDeApostas;
    apostas.m_criar_no_inicio = true;
    m_modelo->AddFrameTemplate(apostas, false);

    CFrameTemplate conferencia;
    conferencia.m_classe_da_vista = QStringLiteral("CConferenciaForm");
    conferencia.m_criar_vista = [](CDocumento& documento) -> CVista* { return new CConferenciaForm(documento); };
    conferencia.m_recurso = Recurso::kTelaDeConferencia;
    conferencia.m_comando = Comando::kConferencia;
    conferencia.m_criar_no_inicio = false;
    m_modelo->AddFrameTemplate(conferencia, false);
}

void CVarentaApp::DefinirComandos()
{
    m_principal->DefinirComando(Comando::kNovo, [this] { OnNovo(); });
    m_principal->DefinirComando(Comando::kAbrir, [this] { OnAbrir(); });
    m_principal->DefinirComando(Comando::kSobre, [this] { OnSobre(); });
    m_principal->DefinirComando(Comando::kAjuda, [this] { OnAjuda(); });
    // Inserir e remover resultados à mão: comandos do documento aberto.
    const auto com_documento = [this] { return DocumentoAberto() != nullptr; };
    m_principal->DefinirComando(
        Comando::kInserirResultado,
        [this] { CComandosDeResultados(m_servicos.pastas, m_servicos.relogio, m_principal.get()).OnInserirResultado(); }, com_documento);
    m_principal->DefinirComando(
        Comando::kRemoverResultado,
        [this] { CComandosDeResultados(m_servicos.pastas, m_servicos.relogio, m_principal.get()).OnRemoverResultado(); }, com_documento);
    m_principal->DefinirComando(
        Comando::kAtualizarPelaInternet,
        [this] {
            CComandosDeInternet(m_servicos.configuracoes, m_servicos.pastas, m_principal.get()).OnAtualizarResultados();
        },
        com_documento);
    m_principal->DefinirComando(
        Comando::kImportarResultadosCsv, [this] { CComandosDeCsv(m_servicos, m_principal.get()).OnImportarResultados(); },
        com_documento);
    m_principal->DefinirComando(
        Comando::kExportarResultadosCsv, [this] { CComandosDeCsv(m_servicos, m_principal.get()).OnExportarResultados(); },
        com_documento);
    m_principal->DefinirComando(
        Comando::kExportarCartoesCsv,
        [this] {
            CComandosDeCsv(m_servicos, m_principal.get()).OnExportarCartoes(*DocDaTelaDeApostasAtiva(), DocumentoAberto()->Titulo());
        },
        [this] { return DocDaTelaDeApostasAtiva() != nullptr; });
    m_principal->DefinirComando(Comando::kConfigurarInternet, [this] {
        CComandosDeInternet(m_servicos.configuracoes, m_servicos.pastas, m_principal.get()).OnConfigurarInternet();
    });
    for (int i = 0; i < CArquivosRecentes::kTamanho; ++i)
        m_principal->DefinirComando(Comando::kArquivoRecente1 + i, [this, i] { OnArquivoRecente(i); },
                                    [this, i] { return i < m_recentes.Lista().size(); });
    DefinirComandosDeImpressao();
}

void CVarentaApp::DefinirComandosDeImpressao()
{
    m_impressao = std::make_unique<CComandosDeImpressao>(m_servicos.configuracoes);
    const auto com_documento = [this] { return DocumentoAberto() != nullptr; };
    m_principal->DefinirComando(
        Comando::kConfigurarImpressaoDoCartao, [this] { m_impressao->OnConfigurarImpressao(m_principal.get()); },
        com_documento);
    m_principal->DefinirComando(
        Comando::kConfigurarImpressora, [this] { m_impressao->OnConfigurarImpressora(m_principal.get()); },
        com_documento);
    // Imprimir e visualizar só com a tela de apostas na frente.
    const auto na_tela_de_apostas = [this] { return DocDaTelaDeApostasAtiva() != nullptr; };
    m_principal->DefinirComando(
        Comando::kImprimir, [this] { m_impressao->OnImprimir(*DocDaTelaDeApostasAtiva(), m_principal.get()); },
        na_tela_de_apostas);
    m_principal->DefinirComando(
        Comando::kVisualizarImpressao,
        [this] { m_impressao->OnVisualizar(*DocDaTelaDeApostasAtiva(), m_principal.get()); }, na_tela_de_apostas);
}

CVarentaDoc* CVarentaApp::DocDaTelaDeApostasAtiva() const
{
    const CChildFrame* frame = m_principal->FrameAtivo();
    auto* tela = frame != nullptr ? qobject_cast<CScoreForm*>(frame->Vista()) : nullptr;
    return tela != nullptr ? &tela->Doc() : nullptr;
}

CDocumento* CVarentaApp::DocumentoAberto() const
{
    const QList<CDocumento*> documentos = m_modelo->Documentos();
    return documentos.isEmpty() ? nullptr : documentos.constFirst();
}

CDocumento* CVarentaApp::AbrirArquivo(const QString& caminho)
{
    CDocumento* aberto = DocumentoAberto();
    if (aberto != nullptr && !aberto->Caminho().isEmpty() &&
        QFileInfo(aberto->Caminho()).absoluteFilePath() == QFileInfo(caminho).absoluteFilePath() &&
        !aberto->Vistas().isEmpty()) {
        CChildFrame* frame = aberto->Vistas().constFirst()->Frame();
        m_principal->MostrarFrame(frame, frame->isMaximized() ? Qt::WindowMaximized : Qt::WindowNoState);
        return aberto;
    }
    if (!m_modelo->SaveAllModified())
        return aberto;
    return m_modelo->OpenDocumentFile(caminho);
}

void CVarentaApp::OnNovo()
{
    if (m_modelo->SaveAllModified())
        m_modelo->OpenDocumentFile(QString());
}

void CVarentaApp::OnAbrir()
{
    QFileDialog dialogo(m_principal.get(), QStringLiteral("Abrir"), CPastaDasApostas(m_servicos).Inicial(),
                        QString::fromUtf8(kFiltroDoDocumento));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty())
        AbrirArquivo(dialogo.selectedFiles().constFirst());
}

void CVarentaApp::OnArquivoRecente(int indice)
{
    if (indice >= m_recentes.Lista().size())
        return;
    // Uma cópia: salvar o documento aberto antes de abrir este reordena a lista.
    const QString caminho = m_recentes.Lista()[indice];
    // Um arquivo que não abre mais sai da lista.
    if (AbrirArquivo(caminho) == nullptr) {
        m_recentes.Remover(indice);
        m_principal->DefinirArquivosRecentes(m_recentes.Lista());
    }
}

void CVarentaApp::AdicionarRecente(const QString& caminho)
{
    m_recentes.Adicionar(caminho);
    CPastaDasApostas(m_servicos).Lembrar(caminho);
    if (m_principal != nullptr)
        m_principal->DefinirArquivosRecentes(m_recentes.Lista());
}

void CVarentaApp::OnSobre()
{
    CSobreDlg sobre(m_principal.get());
    sobre.exec();
}

std::filesystem::path CVarentaApp::PastaDaAjuda() const
{
    // Sem "path" em "dados", a pasta de instalação, onde a ajuda é instalada.
    const std::string pasta = m_servicos.configuracoes.LerTexto("dados", "path", "");
    const std::filesystem::path base = pasta.empty() ? m_servicos.pastas.PastaDeInstalacao() : std::filesystem::path(pasta);
    return base / "help";
}

void CVarentaApp::OnAjuda()
{
    m_servicos.navegador.Abrir(PastaDaAjuda() / "index.htm");
}

void CVarentaApp::AbrirAjuda(const SSecaoDaAjuda& secao)
{
    m_servicos.navegador.AbrirNaSecao(PastaDaAjuda() / secao.pagina.toStdString(), secao.ancora.toStdString());
}

SSecaoDaAjuda CVarentaApp::SecaoDaTelaAtiva() const
{
    const CChildFrame* frame = m_principal->FrameAtivo();
    return SecaoDaJanela(frame != nullptr ? frame->Vista() : nullptr);
}
