#include "app/impressao/ConfigurarImpressaoFolhaDlg.h"

#include "app/impressao/CamposDeMargem.h"
#include "printing/ConfiguracaoDeImpressao.h"
#include "app/impressao/FiguraDaImpressao.h"
#include "app/impressao/MargemEmMilimetros.h"
#include "app/controles/ColorPickerCB.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CConfigurarImpressaoFolhaDlg::CConfigurarImpressaoFolhaDlg(QWidget* pai) : QWidget(pai)
{
    auto* medidas = new QGroupBox(QStringLiteral("Medidas"));
    auto* grade = new QGridLayout(medidas);
    m_campo_x = AdicionarCampoDeMargem(grade, 0, QStringLiteral("Margem x:"));
    m_campo_y = AdicionarCampoDeMargem(grade, 1, QStringLiteral("Margem y:"));

    auto* recorte = new QGroupBox(QStringLiteral("Linhas de Recorte"));
    auto* linhas = new QVBoxLayout(recorte);
    const char* textos[] = {"Imprimir primeira linha vertical", "Imprimir segunda linha vertical",
                            "Imprimir terceira linha vertical", "Imprimir linha horizontal"};
    for (size_t i = 0; i < m_caixas.size(); ++i) {
        m_caixas[i] = new QCheckBox(QString::fromUtf8(textos[i]));
        linhas->addWidget(m_caixas[i]);
    }
    auto* cor = new QHBoxLayout;
    m_seletor = new CColorPickerCB;
    cor->addWidget(new QLabel(QStringLiteral("Cor:")));
    cor->addWidget(m_seletor, 1);
    linhas->addLayout(cor);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(medidas);
    esquerda->addWidget(recorte);
    esquerda->addStretch(1);
    auto* figura = new QLabel;
    figura->setPixmap(FiguraDaImpressao(kTipoFolhas, 200));
    figura->setAlignment(Qt::AlignTop);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(esquerda, 1);
    layout->addWidget(figura);
}

void CConfigurarImpressaoFolhaDlg::MostrarValores()
{
    m_campo_x->setText(TextoDaMargem(m_margem_x));
    m_campo_y->setText(TextoDaMargem(m_margem_y));
    for (size_t i = 0; i < m_caixas.size(); ++i)
        m_caixas[i]->setChecked(m_linhas[i]);
    m_seletor->setCurrentIndex(m_cor);
    // A cor que vale se a leitura parar antes do seletor.
    m_cor_rgb = m_seletor->currentIndex() >= 0 ? m_seletor->currentData().toUInt() : 0;
}

bool CConfigurarImpressaoFolhaDlg::LerValores()
{
    if (!LerCampoDeMargem(this, m_campo_x, m_margem_x) || !LerCampoDeMargem(this, m_campo_y, m_margem_y))
        return false;
    for (size_t i = 0; i < m_caixas.size(); ++i)
        m_linhas[i] = m_caixas[i]->isChecked();
    m_cor = m_seletor->currentIndex();
    m_cor_rgb = m_cor >= 0 ? m_seletor->currentData().toUInt() : 0;
    return true;
}
