#include "app/apostas/ConcursoDlg.h"

#include "app/resultados/TrocaDeDados.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

CConcursoDlg::CConcursoDlg(QWidget* pai) : QDialog(pai), m_campo(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Concurso"));
    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &CConcursoDlg::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &CConcursoDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Digite o número do concurso:")));
    layout->addWidget(m_campo);
    layout->addWidget(botoes);
}

void CConcursoDlg::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous()) {
        m_campo->setText(QString::number(m_concurso));
        m_campo->selectAll();
        m_campo->setFocus();
    }
    QDialog::showEvent(evento);
}

void CConcursoDlg::accept()
{
    // Número sem sinal de 32 bits, como o comprovante o escreve.
    const std::optional<uint32_t> numero = LerSemSinalDoCampo(m_campo->text());
    if (!numero) {
        RecusarCampo(this, m_campo, QStringLiteral("Enter a positive integer."));
        return;
    }
    m_concurso = *numero;
    QDialog::accept();
}
