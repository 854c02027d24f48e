#include "app/shell/Relatorios.h"

#include "app/shell/BloqueioDaInterface.h"
#include "app/shell/Comandos.h"
#include "app/shell/CursorDeEspera.h"
#include "core/ErroAoAbrirArquivo.h"
#include "core/ErroAoSalvarArquivo.h"
#include "reports/Graficos.h"
#include "core/ListaDeVolantes.h"
#include "reports/ListagemDeApostas.h"
#include "reports/ListagemDeResultados.h"
#include "app/shell/Mensagens.h"
#include "core/Navegador.h"
#include "reports/RelatorioInterrompido.h"
#include "app/shell/Servicos.h"
#include "document/VarentaDoc.h"
#include "app/dialogos/GravandoRelatorioDlg.h"

#include <QDir>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace {
// Uma listagem grande leva tempo e disco: o usuário sabe do tamanho antes e pode desistir.
bool ConfirmarTamanho(int64_t cartoes, QWidget* pai)
{
    if (cartoes <= kCartoesSemAvisoDeTamanho)
        return true;
    const double megabytes = static_cast<double>(TamanhoAproximadoDaListagem(cartoes)) / 1e6;
    QMessageBox caixa(QMessageBox::Question, TituloDasMensagens(),
                      QStringLiteral("A listagem dos %1 cartões terá cerca de %2 MB. Deseja gravá-la?")
                          .arg(cartoes)
                          .arg(megabytes, 0, 'f', 0),
                      QMessageBox::NoButton, pai);
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    caixa.setDefaultButton(sim);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

std::filesystem::path EscreverListagemComProgresso(const CListaDeVolantes& volantes, const SServicos& servicos,
                                                   QWidget* pai)
{
    CGravandoRelatorioDlg dialogo(pai);
    CCursorDeEspera espera;
    CBloqueioDaInterface bloqueio(&dialogo);
    try {
        const auto caminho = EscreverListagemDeApostas(servicos.pastas, volantes, dialogo);
        dialogo.hide();
        return caminho;
    } catch (...) {
        dialogo.hide();
        throw;
    }
}

// Nenhum navegador pode abrir: a barra de status diz onde o arquivo ficou.
void AnunciarRelatorio(const std::filesystem::path& caminho, QWidget* pai)
{
    auto* janela = pai ? qobject_cast<QMainWindow*>(pai->window()) : nullptr;
    if (janela == nullptr)
        return;
    janela->statusBar()->showMessage(QStringLiteral("Relatório gravado em %1")
                                         .arg(QDir::toNativeSeparators(QString::fromStdString(caminho.string()))));
}
}  // namespace

bool EhComandoDeRelatorio(int id)
{
    return id == Comando::kResultadosVarenta || id == Comando::kRelatorioDeApostas || GraficoDoComando(id).has_value();
}

void ExecutarRelatorio(int id, const CVarentaDoc& documento, const SServicos& servicos, QWidget* pai)
{
    if (id == Comando::kRelatorioDeApostas && !ConfirmarTamanho(documento.m_volantes.Quantidade(), pai))
        return;
    AbrirRelatorio(
        [&]() -> std::filesystem::path {
            if (id == Comando::kResultadosVarenta)
                return EscreverListagemDeResultados(servicos.pastas);
            if (id == Comando::kRelatorioDeApostas)
                return EscreverListagemComProgresso(documento.m_volantes, servicos, pai);
            return EscreverGrafico(servicos.pastas, *GraficoDoComando(id));
        },
        servicos, pai);
}

void AbrirRelatorio(const std::function<std::filesystem::path()>& escrever, const SServicos& servicos, QWidget* pai)
{
    std::filesystem::path caminho;
    try {
        caminho = escrever();
    } catch (const CRelatorioInterrompido&) {
        return;
    } catch (const CErroAoAbrirArquivo& erro) {
        MostrarAviso(pai, QString::fromStdString(erro.what()));
        return;
    } catch (const CErroAoSalvarArquivo& erro) {
        MostrarAviso(pai, QString::fromStdString(erro.what()));
        return;
    }
    AnunciarRelatorio(caminho, pai);
    servicos.navegador.Abrir(caminho);
}
