#include "app/dialogos/GravandoRelatorioDlg.h"

#include "core/TextosDeProgresso.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CGravandoRelatorioDlg::CGravandoRelatorioDlg(QWidget* pai)
    : CDialogoDeProgresso(pai), m_escritos(new QLabel(QStringLiteral("0"), this)), m_barra(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Gravando Relatório..."));
    m_escritos->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_escritos->setMinimumWidth(90);
    auto* contadores = new QFormLayout;
    contadores->addRow(QStringLiteral("Cartões escritos:"), m_escritos);
    m_barra->setRange(0, kFimDaBarraDeProgresso);
    m_barra->setTextVisible(false);
    auto* linha_do_botao = new QHBoxLayout;
    linha_do_botao->addStretch();
    linha_do_botao->addWidget(m_botao);
    linha_do_botao->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Gravando a listagem das apostas ..."), this));
    layout->addLayout(contadores);
    layout->addWidget(m_barra);
    layout->addLayout(linha_do_botao);
    setMinimumWidth(340);
    MostrarBotaoParar();
}

void CGravandoRelatorioDlg::Iniciar(int64_t total)
{
    m_total = total;
    m_contagem_escritos = 0;
    m_parar = 0;
    MostrarBotaoParar();
    m_botao->setEnabled(true);
    MostrarContadores();
    MostrarCentrado();
    m_ritmo.Reiniciar();
}

void CGravandoRelatorioDlg::Atualizar(int64_t escritos)
{
    m_contagem_escritos = escritos;
    emit Atualizado(escritos);
    DarAVezAInterface();
}

bool CGravandoRelatorioDlg::PararSolicitado() const
{
    return m_parar != 0;
}

// O relatório para no próximo milhar de cartões e o diálogo some com ele.
void CGravandoRelatorioDlg::AoPressionarBotao()
{
    m_parar = 1;
    m_botao->setEnabled(false);
}

void CGravandoRelatorioDlg::MostrarContadores()
{
    m_escritos->setText(QString::number(m_contagem_escritos));
    const int64_t posicao = m_total <= 0 ? 0 : m_contagem_escritos * kFimDaBarraDeProgresso / m_total;
    m_barra->setValue(static_cast<int>(std::min<int64_t>(posicao, kFimDaBarraDeProgresso)));
}

QString CGravandoRelatorioDlg::Escritos() const
{
    return m_escritos->text();
}
