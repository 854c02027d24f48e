#include "app/shell/AplicacaoProtegida.h"

#include "app/shell/Mensagens.h"

#include <QWidget>

CAplicacaoProtegida::CAplicacaoProtegida(int& argc, char** argv) : QApplication(argc, argv) {}

bool CAplicacaoProtegida::notify(QObject* receptor, QEvent* evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        QWidget* pai = activeModalWidget();
        MostrarErroEmCurso(pai != nullptr ? pai : activeWindow());
    }
    return false;
}
