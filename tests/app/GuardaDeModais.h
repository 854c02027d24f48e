#pragma once

// Falha o teste, com o título e a classe do diálogo, quando um diálogo modal que ninguém
// pediu fica aberto; ele é fechado para o teste seguir.

#include "tests/app/Interacao.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

class CGuardaDeModais : public QObject {
public:
    // respostas: os diálogos esperados, que ela atende; os outros são inesperados.
    explicit CGuardaDeModais(const CRespostasModais& respostas) : m_respostas(respostas)
    {
        connect(&m_relogio, &QTimer::timeout, this, [this] { Verificar(); });
        m_relogio.start(kIntervalo);
    }

private:
    // Um diálogo esperado é atendido bem antes de duas voltas (a resposta sai na
    // primeira volta do laço de eventos).
    static constexpr int kIntervalo = 500;

    void Verificar()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || m_respostas.Pendente()) {
            m_visto = nullptr;
            return;
        }
        if (modal != m_visto) {
            m_visto = modal;
            return;
        }
        const auto* caixa = qobject_cast<QMessageBox*>(modal);
        ADD_FAILURE() << "diálogo modal inesperado: \"" << modal->windowTitle().toStdString() << "\" ("
                      << modal->metaObject()->className() << ")"
                      << (caixa != nullptr ? ": " + caixa->text().toStdString() : std::string());
        modal->close();
        m_visto = nullptr;
    }

    const CRespostasModais& m_respostas;
    QTimer m_relogio;
    QPointer<QWidget> m_visto;
};
