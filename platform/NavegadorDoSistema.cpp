#include "platform/NavegadorDoSistema.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

void CNavegadorDoSistema::Abrir(const std::filesystem::path& arquivo)
{
    const QString caminho = QString::fromStdString(arquivo.string());
    // QDesktopServices precisa de uma aplicação de interface.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(caminho)))
        return;
    QProcess::startDetached(QStringLiteral("xdg-open"), {caminho});
}
