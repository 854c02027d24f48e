#include "app/shell/ComandosDeCsv.h"

#include "app/resultados/AvisoDeResultados.h"
#include "app/resultados/ResultadosNaTela.h"
#include "app/shell/CursorDeEspera.h"
#include "app/shell/Mensagens.h"
#include "app/shell/PastaDasApostas.h"
#include "core/ErroDoUsuario.h"
#include "document/CartoesEmCsv.h"
#include "results/BancoDeDados.h"
#include "results/CaminhoDeDados.h"
#include "results/EscritorDeResultadosCsv.h"
#include "results/LeitorDeResultadosCsv.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

const QString kErroAoSalvar = QStringLiteral("Erro ao Salvar Arquivo");
const QString kFiltro = QStringLiteral("Arquivos CSV (*.csv)");
// Uma caixa com milhares de linhas não caberia na tela; o resto fica contado.
constexpr size_t kRecusasNaMensagem = 15;

std::filesystem::path Caminho(const QString& arquivo)
{
    return std::filesystem::path(arquivo.toStdString());
}

QString TextoDasRecusas(const SResultadosDoCsv& lidos, const QString& arquivo)
{
    QString texto = QStringLiteral("%1 linha(s) recusada(s) em %2:\n")
                        .arg(lidos.recusadas.size())
                        .arg(QDir::toNativeSeparators(arquivo));
    for (size_t i = 0; i < lidos.recusadas.size() && i < kRecusasNaMensagem; ++i)
        texto += QString::fromStdString(TextoDaRecusa(lidos.recusadas[i])) + QLatin1Char('\n');
    if (lidos.recusadas.size() > kRecusasNaMensagem)
        texto += QStringLiteral("... e mais %1.\n").arg(lidos.recusadas.size() - kRecusasNaMensagem);
    return texto;
}

// O CSV lido, ou vazio quando ele não serve (mensagem já mostrada).
std::optional<SResultadosDoCsv> LerCsv(QWidget* janela, const QString& arquivo)
{
    try {
        const CCursorDeEspera espera;
        return LerResultadosDeCsv(Caminho(arquivo));
    } catch (const CErroDoUsuario& erro) {
        MostrarAviso(janela, QString::fromStdString(erro.what()));
    }
    return std::nullopt;
}

} // namespace

CComandosDeCsv::CComandosDeCsv(const SServicos& servicos, QWidget* janela) : m_servicos(servicos), m_janela(janela) {}

QString CComandosDeCsv::PedirArquivo(const QString& titulo, QFileDialog::AcceptMode modo, const QString& nome)
{
    CPastaDasApostas pasta(m_servicos, kValorUltimaPastaCsv);
    QFileDialog dialogo(m_janela, titulo, nome.isEmpty() ? pasta.Inicial() : QDir(pasta.Inicial()).filePath(nome),
                        kFiltro);
    dialogo.setAcceptMode(modo);
    dialogo.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialogo.setDefaultSuffix(QStringLiteral("csv"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    const QString arquivo = dialogo.selectedFiles().constFirst();
    pasta.Lembrar(arquivo);
    return arquivo;
}

void CComandosDeCsv::OnImportarResultados()
{
    const QString arquivo = PedirArquivo(QStringLiteral("Importar Resultados CSV"), QFileDialog::AcceptOpen);
    if (arquivo.isEmpty())
        return;
    auto lidos = LerCsv(m_janela, arquivo);
    if (!lidos)
        return;
    if (!lidos->recusadas.empty()) {
        const QString recusas = TextoDasRecusas(*lidos, arquivo);
        if (lidos->resultados.empty()) {
            MostrarAviso(m_janela, recusas + QStringLiteral("\nNada foi gravado."));
            return;
        }
        if (!PerguntarSimNao(m_janela, recusas + QStringLiteral("\nGravar os %1 concursos das outras linhas?")
                                                     .arg(lidos->resultados.size())))
            return;
    }
    // Arquivo de resultados danificado: o erro acaba o comando (Proteger), nada gravado.
    const CCursorDeEspera espera;
    if (!CBancoDeDados::InserirResultados(CaminhoDeDados(m_servicos.pastas, kArquivoDeResultados),
                                          std::move(lidos->resultados)))
        MostrarAviso(m_janela, kErroAoSalvar);
    else
        CAvisoDeResultados::Instancia().Avisar();
}

void CComandosDeCsv::OnExportarResultados()
{
    const auto resultados = ResultadosNaTela(m_janela, m_servicos.pastas);
    if (!resultados)
        return;
    const QString arquivo =
        PedirArquivo(QStringLiteral("Exportar Resultados CSV"), QFileDialog::AcceptSave, QStringLiteral("resultados.csv"));
    if (arquivo.isEmpty())
        return;
    const CCursorDeEspera espera;
    if (!GravarResultadosEmCsv(*resultados, Caminho(arquivo)))
        MostrarAviso(m_janela, kErroAoSalvar);
}

void CComandosDeCsv::OnExportarCartoes(const CVarentaDoc& documento, const QString& titulo)
{
    const QString arquivo = PedirArquivo(QStringLiteral("Exportar Cartões CSV"), QFileDialog::AcceptSave,
                                         QFileInfo(titulo).completeBaseName() + QStringLiteral(".csv"));
    if (arquivo.isEmpty())
        return;
    const CCursorDeEspera espera;
    if (!GravarCartoesEmCsv(documento, Caminho(arquivo)))
        MostrarAviso(m_janela, kErroAoSalvar);
}
