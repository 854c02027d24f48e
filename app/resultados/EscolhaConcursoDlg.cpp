#include "app/resultados/EscolhaConcursoDlg.h"

#include "app/resultados/ResultadosNaTela.h"
#include "app/resultados/TextoDoConcurso.h"
#include "app/resultados/UnidadesDeDialogo.h"

#include <QComboBox>
#include <QPushButton>

CEscolhaConcursoDlg::CEscolhaConcursoDlg(QWidget* pai) : QDialog(pai)
{
    setWindowTitle(QStringLiteral("Selecione o concurso:"));
    const CUnidadesDeDialogo dlu(*this);
    setFixedSize(dlu.Retangulo(0, 0, 126, 95).size());
    m_combo = new QComboBox(this);
    m_combo->setGeometry(dlu.Retangulo(35, 32, 52, 14));
    m_combo->setMaxVisibleItems(12);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(dlu.Retangulo(7, 74, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setGeometry(dlu.Retangulo(69, 74, 50, 14));
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

int CEscolhaConcursoDlg::Escolher(const std::filesystem::path& caminho)
{
    m_caminho = caminho;
    OnInitDialog();
    if (exec() != QDialog::Accepted)
        return -1;
    return NumeroNoInicio(m_texto);
}

bool CEscolhaConcursoDlg::OnInitDialog()
{
    m_combo->clear();
    const auto resultados = ResultadosNaTela(this, m_caminho);
    if (!resultados)
        return false;
    for (const auto& resultado : *resultados)
        m_combo->addItem(ConcursoComCincoAlgarismos(resultado->m_concurso));
    m_combo->setCurrentIndex(0);
    return true;
}

void CEscolhaConcursoDlg::accept()
{
    m_texto = m_combo->currentText();
    QDialog::accept();
}
