#include "app/dialogos/ReduzirApostasDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// Uma hora basta para qualquer aposta; o diálogo não deixa o programa preso mais que isso.
constexpr int kMaiorTempo = 3600;
}  // namespace

CReduzirApostasDlg::CReduzirApostasDlg(QWidget* pai)
    : QDialog(pai), m_garantias(new QComboBox(this)), m_tempo(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Reduzir Apostas"));
    m_garantias->setObjectName(QStringLiteral("garantia"));
    m_garantias->addItem(QStringLiteral("3 pontos"), 3);
    m_garantias->addItem(QStringLiteral("4 pontos"), 4);
    m_garantias->addItem(QStringLiteral("5 pontos (mantém todos os cartões)"), 5);
    m_tempo->setObjectName(QStringLiteral("tempo"));
    m_tempo->setRange(0, kMaiorTempo);
    m_tempo->setSuffix(QStringLiteral(" s"));

    auto* explicacao = new QLabel(
        QStringLiteral("Escolhe, entre os cartões, menos cartões que ainda garantem os pontos abaixo "
                       "se o resultado for qualquer um dos cartões de agora."),
        this);
    explicacao->setWordWrap(true);
    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Garantia mínima:"), m_garantias);
    campos->addRow(QStringLiteral("Tempo limite:"), m_tempo);

    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &CReduzirApostasDlg::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &CReduzirApostasDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explicacao);
    layout->addLayout(campos);
    layout->addWidget(botoes);
    setMinimumWidth(360);
}

void CReduzirApostasDlg::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous()) {
        m_garantias->setCurrentIndex(m_garantias->findData(m_garantia));
        m_tempo->setValue(m_segundos);
    }
    QDialog::showEvent(evento);
}

void CReduzirApostasDlg::accept()
{
    m_garantia = m_garantias->currentData().toInt();
    m_segundos = m_tempo->value();
    QDialog::accept();
}
