#include "app/shell/Documento.h"

#include "document/ArquivoDeApostas.h"
#include "core/ErroDoUsuario.h"
#include "app/shell/Mensagens.h"
#include "app/shell/MvDocTemplate.h"
#include "app/shell/PastaDasApostas.h"
#include "app/shell/Relatorios.h"
#include "document/VarentaDoc.h"
#include "app/shell/Vista.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

CDocumento::CDocumento(const SServicos& servicos, CMvDocTemplate& modelo)
    : m_servicos(servicos), m_modelo(modelo), m_doc(std::make_unique<CVarentaDoc>()) {}

CDocumento::~CDocumento() = default;

void CDocumento::DefinirTitulo(const QString& titulo)
{
    m_titulo = titulo;
    emit tituloMudou();
}

void CDocumento::DefinirCaminho(const QString& caminho)
{
    m_caminho = caminho;
    DefinirTitulo(QFileInfo(caminho).fileName());
}

bool CDocumento::OnNewDocument()
{
    m_doc = std::make_unique<CVarentaDoc>();
    return m_doc->OnNewDocument();
}

void CDocumento::OnOpenDocument(const QString& caminho)
{
    m_doc = LerArquivoDeApostas(caminho.toStdString());
    AtualizarTodasAsVistas();
}

void CDocumento::OnSaveDocument(const QString& caminho)
{
    GravarArquivoDeApostas(*m_doc, caminho.toStdString());
    MarcarSemAlteracoes();
}

bool CDocumento::IsModified() const
{
    return ConteudoDoDocumento(*m_doc) != m_gravado;
}

void CDocumento::MarcarSemAlteracoes()
{
    m_gravado = ConteudoDoDocumento(*m_doc);
}

bool CDocumento::SaveModified()
{
    if (!IsModified())
        return true;
    switch (PerguntarSimNaoCancelar(Janela(), QStringLiteral("Salvar alterações em %1?").arg(m_titulo))) {
    case ERespostaDeTres::kSim:
        return DoSave(m_caminho.isEmpty());
    case ERespostaDeTres::kNao:
        return true;
    case ERespostaDeTres::kCancelar:
        break;
    }
    return false;
}

void CDocumento::AdicionarVista(CVista* vista)
{
    m_vistas.append(vista);
}

void CDocumento::RemoverVista(CVista* vista)
{
    m_vistas.removeOne(vista);
    // O modelo apaga este documento: nada dele pode ser usado depois daqui.
    if (m_vistas.isEmpty() && m_auto_delete)
        m_modelo.FecharDocumento(this);
}

void CDocumento::AtualizarTodasAsVistas(CVista* remetente)
{
    for (CVista* vista : m_vistas)
        if (vista != remetente)
            vista->OnUpdate(remetente);
}

bool CDocumento::OnComando(int id)
{
    switch (id) {
    case Comando::kFechar:
        if (!SaveModified())
            return true;
        // O modelo apaga este documento: nada dele pode ser usado depois daqui.
        m_modelo.FecharDocumento(this);
        return true;
    case Comando::kSalvar:
        DoSave(m_caminho.isEmpty());
        return true;
    case Comando::kSalvarComo:
        DoSave(true);
        return true;
    default:
        if (!EhComandoDeRelatorio(id))
            return false;
        ExecutarRelatorio(id, *m_doc, m_servicos, Janela());
        return true;
    }
}

bool CDocumento::EstadoDoComando(int id, SEstadoDoComando& estado) const
{
    if (id != Comando::kFechar && id != Comando::kSalvar && id != Comando::kSalvarComo && !EhComandoDeRelatorio(id))
        return false;
    estado.habilitado = true;
    return true;
}

bool CDocumento::DoSave(bool perguntar)
{
    QString caminho = m_caminho;
    if (perguntar) {
        const QString nome = m_caminho.isEmpty() ? m_titulo : QFileInfo(m_caminho).fileName();
        QFileDialog dialogo(Janela(), QString(), QDir(CPastaDasApostas(m_servicos).Inicial()).filePath(nome),
                            QString::fromUtf8(kFiltroDoDocumento));
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setDefaultSuffix(QString::fromUtf8(kExtensaoDoDocumento).mid(1));
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
            return false;
        caminho = dialogo.selectedFiles().constFirst();
    }
    try {
        OnSaveDocument(caminho);
    } catch (const CErroDoUsuario& erro) {
        MostrarAviso(Janela(), QString::fromStdString(erro.what()));
        return false;
    }
    DefinirCaminho(caminho);
    emit salvo(caminho);
    return true;
}

QWidget* CDocumento::Janela() const
{
    return m_vistas.isEmpty() ? nullptr : m_vistas.constFirst()->window();
}
