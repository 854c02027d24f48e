#include "platform/NavegadorDoSistema.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

namespace {
QUrl EnderecoDoArquivo(const std::filesystem::path& arquivo)
{
    return QUrl::fromLocalFile(QString::fromStdString(arquivo.string()));
}
}  // namespace

void CNavegadorDoSistema::Abrir(const std::filesystem::path& arquivo)
{
    AbrirEndereco(EnderecoDoArquivo(arquivo));
}

void CNavegadorDoSistema::AbrirNaSecao(const std::filesystem::path& pagina, const std::string& secao)
{
    QUrl endereco = EnderecoDoArquivo(pagina);
    endereco.setFragment(QString::fromStdString(secao));
    AbrirEndereco(endereco);
}

void CNavegadorDoSistema::AbrirEndereco(const QUrl& endereco)
{
    // QDesktopServices precisa de uma aplicação de interface.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr && QDesktopServices::openUrl(endereco))
        return;
    // Sem âncora, o caminho, como sempre foi pedido ao xdg-open.
    QProcess::startDetached(QStringLiteral("xdg-open"),
                            {endereco.hasFragment() ? endereco.toString() : endereco.toLocalFile()});
}
