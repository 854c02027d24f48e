// O programa de mesa: os serviços da plataforma e a aplicação.
#include "platform/ConfiguracoesQt.h"
#include "platform/NavegadorDoSistema.h"
#include "platform/PastasDoSistema.h"
#include "results/RelogioDoSistema.h"
#include "app/shell/AplicacaoProtegida.h"
#include "platform/TraducoesDoQt.h"
#include "app/shell/VarentaApp.h"

int main(int argc, char** argv)
{
    CAplicacaoProtegida aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quinaro"));
    // Liga as janelas à entrada do menu (ícone e nome no painel).
    QGuiApplication::setDesktopFileName(QStringLiteral("quinaro"));
    const CTraducoesDoQt traducoes;
    CConfiguracoesQt configuracoes;
    CPastasDoSistema pastas;
    CNavegadorDoSistema navegador;
    CRelogioDoSistema relogio;
    CVarentaApp programa(SServicos{configuracoes, pastas, navegador, relogio});
    if (!programa.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
