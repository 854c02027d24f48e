#include "PastasDoSistema.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <unistd.h>

std::filesystem::path CPastasDoSistema::PastaDeDocumentos() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::filesystem::path CPastasDoSistema::PastaDeInstalacao() const
{
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationDirPath().toStdString();
    // Sem aplicação Qt: o executável em /proc.
    std::error_code erro;
    const auto executavel = std::filesystem::read_symlink("/proc/self/exe", erro);
    return erro ? std::filesystem::path() : executavel.parent_path();
}
