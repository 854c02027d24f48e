#include "app/controles/BuscaDlg.h"

#include "app/resultados/TrocaDeDados.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

CBuscaDlg::CBuscaDlg(QWidget* pai) : QDialog(pai), m_campo(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Busca"));
    auto* formulario = new QFormLayout;
    formulario->addRow(QStringLiteral("Número do cartão:"), m_campo);
    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botoes->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &CBuscaDlg::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &CBuscaDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formulario);
    layout->addWidget(botoes);
}

// O campo mostra o número de quem abriu o diálogo (não quando a janela só volta à tela).
void CBuscaDlg::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous()) {
        m_campo->setText(QString::number(m_numero));
        m_campo->selectAll();
        m_campo->setFocus();
    }
    QDialog::showEvent(evento);
}

void CBuscaDlg::accept()
{
    const std::optional<int32_t> numero = LerInteiroDoCampo(m_campo->text());
    if (!numero) {
        RecusarCampo(this, m_campo, QStringLiteral("Enter an integer."));
        return;
    }
    m_numero = *numero;
    QDialog::accept();
}
