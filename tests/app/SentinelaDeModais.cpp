#include "tests/app/SentinelaDeModais.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QThread>

#include <gtest/gtest.h>

namespace {

int g_planejadas = 0;
QList<QPointer<QWidget>> g_reivindicados;

bool Reivindicado(const QWidget* modal)
{
    for (const QPointer<QWidget>& dono : g_reivindicados)
        if (dono == modal)
            return true;
    return false;
}

std::string Descricao(QWidget* modal)
{
    std::string texto = "\"" + modal->windowTitle().toStdString() + "\" (" + modal->metaObject()->className() + ")";
    if (const auto* caixa = qobject_cast<QMessageBox*>(modal))
        texto += ": " + caixa->text().toStdString();
    return texto;
}

void Fechar(QWidget* modal)
{
    if (auto* dialogo = qobject_cast<QDialog*>(modal))
        dialogo->done(QDialog::Rejected);
    else
        modal->close();
}

// Vezes seguidas que um modal sem dono precisa ser visto antes de contar como inesperado:
// dá a vez a uma resposta que já está na fila de eventos.
constexpr int kVistasAntesDeFalhar = 3;

} // namespace

void PlanejarRespostaModal()
{
    ++g_planejadas;
}

void CumprirRespostaModal()
{
    if (g_planejadas > 0)
        --g_planejadas;
}

void ReivindicarModal(QWidget* modal)
{
    g_reivindicados.append(modal);
}

CSentinelaDeModais::CSentinelaDeModais()
{
    g_planejadas = 0;
    g_reivindicados.clear();
    connect(&m_relogio, &QTimer::timeout, this, &CSentinelaDeModais::Verificar);
    m_relogio.start(20);
}

CSentinelaDeModais::~CSentinelaDeModais()
{
    g_reivindicados.clear();
}

void CSentinelaDeModais::Verificar()
{
    QWidget* modal = QApplication::activeModalWidget();
    // Só um modal que prende alguém num exec() pode travar o teste.
    const bool preso = QThread::currentThread()->loopLevel() > 0;
    if (modal == nullptr || !modal->isVisible() || !preso || g_planejadas > 0 || Reivindicado(modal)) {
        m_suspeito = nullptr;
        m_vistas = 0;
        return;
    }
    if (modal != m_suspeito) {
        m_suspeito = modal;
        m_vistas = 1;
        return;
    }
    if (++m_vistas < kVistasAntesDeFalhar)
        return;
    ADD_FAILURE() << "Diálogo modal inesperado: " << Descricao(modal);
    m_suspeito = nullptr;
    m_vistas = 0;
    Fechar(modal);
}
