#include "app/impressao/ConfigurarImpressaoVolanteDlg.h"

#include "app/impressao/CamposDeMargem.h"
#include "printing/ConfiguracaoDeImpressao.h"
#include "app/impressao/FiguraDaImpressao.h"
#include "app/impressao/MargemEmMilimetros.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CConfigurarImpressaoVolanteDlg::CConfigurarImpressaoVolanteDlg(QWidget* pai) : QWidget(pai)
{
    auto* medidas = new QGroupBox(QStringLiteral("Medidas"));
    auto* grade = new QGridLayout(medidas);
    m_campo_x = AdicionarCampoDeMargem(grade, 0, QStringLiteral("Margem x:"));
    m_campo_y = AdicionarCampoDeMargem(grade, 1, QStringLiteral("Margem y:"));
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(medidas);
    esquerda->addStretch(1);
    auto* figura = new QLabel;
    figura->setPixmap(FiguraDaImpressao(kTipoVolantes, 200));
    figura->setAlignment(Qt::AlignTop);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(esquerda, 1);
    layout->addWidget(figura);
}

void CConfigurarImpressaoVolanteDlg::MostrarValores()
{
    m_campo_x->setText(TextoDaMargem(m_margem_x));
    m_campo_y->setText(TextoDaMargem(m_margem_y));
}

bool CConfigurarImpressaoVolanteDlg::LerValores()
{
    return LerCampoDeMargem(this, m_campo_x, m_margem_x) && LerCampoDeMargem(this, m_campo_y, m_margem_y);
}
