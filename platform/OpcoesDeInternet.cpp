#include "platform/OpcoesDeInternet.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

struct SFerramenta {
    const char* programa;
    const char* argumento;
};

// As configurações de proxy de cada área de trabalho, na ordem de preferência.
constexpr SFerramenta kFerramentas[] = {
    {"gnome-control-center", "network"},
    {"systemsettings", "kcm_proxy"},
    {"kcmshell6", "kcm_proxy"},
    {"kcmshell5", "proxy"},
};

} // namespace

void AbrirOpcoesDeInternet()
{
    for (const SFerramenta& ferramenta : kFerramentas) {
        const QString programa = QStandardPaths::findExecutable(QString::fromLatin1(ferramenta.programa));
        if (programa.isEmpty())
            continue;
        // Uma falha ao iniciar é ignorada, como manda o botão.
        QProcess::startDetached(programa, {QString::fromLatin1(ferramenta.argumento)});
        return;
    }
}
