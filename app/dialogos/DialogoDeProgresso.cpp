#include "app/dialogos/DialogoDeProgresso.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QStyle>

CDialogoDeProgresso::CDialogoDeProgresso(QWidget* pai) : QDialog(pai), m_botao(new QPushButton(this))
{
    setModal(false);
    connect(m_botao, &QPushButton::clicked, this, [this] { AoPressionarBotao(); });
}

void CDialogoDeProgresso::reject()
{
    if (m_botao->isEnabled())
        AoPressionarBotao();
}

void CDialogoDeProgresso::MostrarCentrado()
{
    adjustSize();
    if (const QWidget* dono = parentWidget()) {
        const QRect area = dono->window()->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
}

void CDialogoDeProgresso::MostrarBotaoParar()
{
    m_botao->setText(QStringLiteral("Parar"));
    m_botao->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
}

void CDialogoDeProgresso::MostrarBotaoFechar()
{
    m_botao->setText(QStringLiteral("Fechar"));
    m_botao->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void CDialogoDeProgresso::Fechar()
{
    done(QDialog::Rejected);
}

bool CDialogoDeProgresso::PararOuFechar()
{
    if (m_parar) {
        Fechar();
        return true;
    }
    m_parar = 1;
    MostrarBotaoFechar();
    return false;
}

void CDialogoDeProgresso::DarAVezAInterface()
{
    if (!m_ritmo.ChegouAVez())
        return;
    MostrarContadores();
    QCoreApplication::processEvents();
}
