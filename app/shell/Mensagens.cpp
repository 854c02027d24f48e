#include "app/shell/Mensagens.h"

#include "platform/ConfiguracoesQt.h"

#include <QMessageBox>
#include <QPushButton>

#include <exception>
#include <new>

namespace {
void Mostrar(QWidget* pai, QMessageBox::Icon icone, const QString& texto)
{
    QMessageBox caixa(icone, TituloDasMensagens(), texto, QMessageBox::Ok, pai);
    caixa.exec();
}
}  // namespace

QString TituloDasMensagens()
{
    return QString::fromUtf8(kAplicacao);
}

void MostrarAviso(QWidget* pai, const QString& texto)
{
    Mostrar(pai, QMessageBox::Warning, texto);
}

void MostrarErro(QWidget* pai, const QString& texto)
{
    Mostrar(pai, QMessageBox::Critical, texto.isEmpty() ? QStringLiteral("Command failed.") : texto);
}

ERespostaDeTres PerguntarSimNaoCancelar(QWidget* pai, const QString& texto)
{
    QMessageBox caixa(QMessageBox::Warning, TituloDasMensagens(), texto, QMessageBox::NoButton, pai);
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    QPushButton* cancelar = caixa.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    caixa.setDefaultButton(sim);
    caixa.setEscapeButton(cancelar);
    caixa.exec();
    if (caixa.clickedButton() == sim)
        return ERespostaDeTres::kSim;
    if (caixa.clickedButton() == nao)
        return ERespostaDeTres::kNao;
    return ERespostaDeTres::kCancelar;
}

bool PerguntarSimNao(QWidget* pai, const QString& texto)
{
    QMessageBox caixa(QMessageBox::Warning, TituloDasMensagens(), texto, QMessageBox::NoButton, pai);
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    caixa.setDefaultButton(nao);
    caixa.setEscapeButton(nao);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

void MostrarErroEmCurso(QWidget* pai)
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        MostrarErro(pai, QStringLiteral("Memória insuficiente."));
    } catch (const std::exception& erro) {
        MostrarErro(pai, QString::fromStdString(erro.what()));
    } catch (...) {
        MostrarErro(pai, QString());
    }
}

void Proteger(QWidget* pai, const std::function<void()>& acao)
{
    try {
        acao();
    } catch (...) {
        MostrarErroEmCurso(pai);
    }
}
