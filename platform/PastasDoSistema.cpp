#include "platform/PastasDoSistema.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace fs = std::filesystem;

namespace {

fs::path PastaDoExecutavel()
{
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationDirPath().toStdString();
    // Sem aplicação Qt: o executável em /proc.
    std::error_code erro;
    const auto executavel = fs::read_symlink("/proc/self/exe", erro);
    return erro ? fs::path() : executavel.parent_path();
}

} // namespace

fs::path CPastasDoSistema::PastaDeDocumentos() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

fs::path CPastasDoSistema::PastaDeInstalacao() const
{
    return ConteudoDaInstalacao(PastaDoExecutavel());
}

fs::path CPastasDoSistema::ConteudoDaInstalacao(const fs::path& pasta_do_executavel)
{
    if (pasta_do_executavel.empty())
        return {};
    std::error_code erro;
    if (fs::is_directory(pasta_do_executavel / "help", erro))
        return pasta_do_executavel;
    const fs::path instalada = (pasta_do_executavel / QUINARO_CONTEUDO_RELATIVO).lexically_normal();
    if (fs::is_directory(instalada, erro))
        return instalada;
    return pasta_do_executavel;
}
