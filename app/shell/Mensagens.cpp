#include "Mensagens.h"

#include <QMessageBox>

#include <exception>
#include <new>

namespace {
void Mostrar(QWidget* pai, QMessageBox::Icon icone, const QString& texto)
{
    QMessageBox caixa(icone, QStringLiteral("Quinaro"), texto, QMessageBox::Ok, pai);
    caixa.exec();
}
}  // namespace

void MostrarAviso(QWidget* pai, const QString& texto)
{
    Mostrar(pai, QMessageBox::Warning, texto);
}

void MostrarErro(QWidget* pai, const QString& texto)
{
    Mostrar(pai, QMessageBox::Critical, texto.isEmpty() ? QStringLiteral("Command failed.") : texto);
}

void MostrarErroEmCurso(QWidget* pai)
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        MostrarErro(pai, QStringLiteral("Out of memory."));
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
