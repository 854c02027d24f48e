#include "app/resultados/AtualizandoDlg.h"

#include "app/resultados/UnidadesDeDialogo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

CAtualizandoDlg::CAtualizandoDlg(QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Atualizando"));
    setWindowModality(Qt::ApplicationModal);
    const CUnidadesDeDialogo unidades(*this);
    resize(unidades.Retangulo(0, 0, 382, 79).size());
    m_rotulo_do_titulo = new QLabel(QStringLiteral("Título"), this);
    m_rotulo_do_titulo->setGeometry(unidades.Retangulo(31, 22, 158, 8));
    m_concurso = new QLabel(this);
    m_concurso->setGeometry(unidades.Retangulo(31, 36, 158, 8));
    m_progresso = new QProgressBar(this);
    m_progresso->setGeometry(unidades.Retangulo(31, 49, 329, 14));
    m_progresso->setTextVisible(false);
    m_parar = new QPushButton(QStringLiteral("Parar"), this);
    m_parar->setGeometry(unidades.Retangulo(310, 19, 50, 14));
    m_parar->setAutoDefault(false);
    connect(m_parar, &QPushButton::clicked, this, &CAtualizandoDlg::Parar);
}

void CAtualizandoDlg::Parar()
{
    m_parada.Pedir();
    m_parar->setEnabled(false);
    m_parar->setText(QStringLiteral("Parando..."));
}

void CAtualizandoDlg::Mostrar()
{
    m_titulo = QStringLiteral("Puxando dados da Varenta");
    m_rotulo_do_titulo->setText(m_titulo);
    const QWidget* referencia = parentWidget();
    const QRect area = referencia != nullptr ? referencia->geometry()
                                             : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    show();
    // A interface se põe em dia antes do primeiro pedido.
    for (int i = 0; i < 100; ++i)
        BombearMensagens();
}

void CAtualizandoDlg::DefinirUltimo(int ultimo)
{
    m_progresso->setRange(0, ultimo);
}

void CAtualizandoDlg::MostrarConcurso(int n)
{
    m_concurso->setText(QStringLiteral("Concurso: %1").arg(n - 1));
    m_progresso->setValue(std::min(n, m_progresso->maximum()));
}

void CAtualizandoDlg::BombearMensagens()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
