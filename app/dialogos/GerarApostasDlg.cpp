#include "app/dialogos/GerarApostasDlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

CGerarApostasDlg::CGerarApostasDlg(QWidget* pai) : QDialog(pai), m_opcoes(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Gerar Apostas"));
    auto* layout = new QVBoxLayout(this);
    auto* somente_gerar = new QRadioButton(QStringLiteral("Somente gerar as apostas."), this);
    auto* gerar_e_filtrar = new QRadioButton(QStringLiteral("Gerar e filtrar as apostas."), this);
    m_opcoes->addButton(somente_gerar, kSomenteGerar);
    m_opcoes->addButton(gerar_e_filtrar, kGerarEFiltrar);
    layout->addWidget(somente_gerar);
    layout->addWidget(gerar_e_filtrar);

    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &CGerarApostasDlg::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &CGerarApostasDlg::reject);
    layout->addWidget(botoes);
}

void CGerarApostasDlg::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous()) {
        if (QAbstractButton* marcado = m_opcoes->button(m_opcao))
            marcado->setChecked(true);
    }
    QDialog::showEvent(evento);
}

void CGerarApostasDlg::accept()
{
    m_opcao = m_opcoes->checkedId();
    QDialog::accept();
}
