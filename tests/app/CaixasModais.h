#pragma once

// Apoio dos testes de controles e diálogos: responder a caixa de mensagem modal que um
// clique abre e gravar capturas de tela para revisão.

#include "tests/app/SentinelaDeModais.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

struct SMensagemVista {
    bool apareceu = false;
    QString titulo;
    QString texto;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
};

// Agenda o fechamento (OK) da próxima caixa de mensagem modal, guardando o que ela dizia.
inline std::shared_ptr<SMensagemVista> ResponderProximaMensagem()
{
    auto vista = std::make_shared<SMensagemVista>();
    PlanejarRespostaModal();
    QTimer::singleShot(0, [vista] {
        CumprirRespostaModal();
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caixa)
            return;
        ReivindicarModal(caixa);
        vista->apareceu = true;
        vista->titulo = caixa->windowTitle();
        vista->texto = caixa->text();
        vista->icone = caixa->icon();
        caixa->accept();
    });
    return vista;
}

inline void GravarCaptura(QWidget& janela, const QString& nome)
{
    QDir pasta(QStringLiteral(QUINARO_SCREENSHOTS));
    ASSERT_TRUE(pasta.mkpath(QStringLiteral(".")));
    ASSERT_TRUE(janela.grab().save(pasta.filePath(nome)));
}
