#include "app/dialogos/CombinandoApostasDlg.h"

#include "core/TextosDeProgresso.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* NovoContador(QWidget* pai)
{
    auto* contador = new QLabel(QStringLiteral("0"), pai);
    contador->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    contador->setMinimumWidth(90);
    return contador;
}
}  // namespace

CCombinandoApostasDlg::CCombinandoApostasDlg(QWidget* pai)
    : CDialogoDeProgresso(pai),
      m_rotulo(new QLabel(this)),
      m_geradas(NovoContador(this)),
      m_aprovadas(NovoContador(this)),
      m_reprovadas(NovoContador(this)),
      m_barra(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Processando..."));
    auto* contadores = new QFormLayout;
    contadores->addRow(QStringLiteral("Quantidade de apostas geradas:"), m_geradas);
    contadores->addRow(QStringLiteral("Quantidade de apostas aprovadas:"), m_aprovadas);
    contadores->addRow(QStringLiteral("Quantidade de apostas reprovadas:"), m_reprovadas);
    m_barra->setRange(0, kFimDaBarraDeProgresso);
    m_barra->setTextVisible(false);
    auto* linha_do_botao = new QHBoxLayout;
    linha_do_botao->addStretch();
    linha_do_botao->addWidget(m_botao);
    linha_do_botao->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_rotulo);
    layout->addLayout(contadores);
    layout->addWidget(m_barra);
    layout->addLayout(linha_do_botao);
    setMinimumWidth(340);
    MostrarBotaoParar();
}

void CCombinandoApostasDlg::Iniciar(const std::string& rotulo, bool habilitar_parar, double a_gerar)
{
    MostrarCentrado();
    m_executando = 1;
    m_rotulo->setText(QString::fromStdString(rotulo));
    m_geradas->setText(QStringLiteral("0"));
    m_parar = 0;
    MostrarBotaoParar();
    m_botao->setEnabled(habilitar_parar);
    m_aprovadas->setText(QStringLiteral("0"));
    m_reprovadas->setText(QStringLiteral("0"));
    m_barra->setRange(0, kFimDaBarraDeProgresso);
    m_barra->setValue(0);
    m_contagem_geradas = 0;
    m_contagem_aprovadas = 0;
    m_a_gerar = a_gerar;
    m_ritmo.Reiniciar();
}

// Só guarda: os textos são refeitos quando a interface tem a vez.
void CCombinandoApostasDlg::Atualizar(double geradas, double aprovadas)
{
    m_contagem_geradas = geradas;
    m_contagem_aprovadas = aprovadas;
    emit Atualizado(geradas);
}

void CCombinandoApostasDlg::BombearMensagens()
{
    DarAVezAInterface();
}

void CCombinandoApostasDlg::MostrarContadores()
{
    m_geradas->setText(QString::fromStdString(FormatarContador(m_contagem_geradas)));
    m_aprovadas->setText(QString::fromStdString(FormatarContador(m_contagem_aprovadas)));
    m_reprovadas->setText(QString::fromStdString(FormatarContador(m_contagem_geradas - m_contagem_aprovadas)));
    m_barra->setValue(PosicaoDaGeracao(m_contagem_geradas, m_a_gerar));
}

bool CCombinandoApostasDlg::PararSolicitado() const
{
    return m_parar != 0;
}

// Mesmo uma execução que começou com o botão desabilitado termina com ele usável.
void CCombinandoApostasDlg::Concluir(double geradas, double aprovadas)
{
    Atualizar(geradas, aprovadas);
    MostrarContadores();
    m_rotulo->setText(QStringLiteral("Operação Concluída ..."));
    m_barra->setValue(kFimDaBarraDeProgresso);
    m_executando = 0;
    m_parar = 1;
    MostrarBotaoFechar();
    m_botao->setEnabled(true);
}

void CCombinandoApostasDlg::AoPressionarBotao()
{
    if (!PararOuFechar() && !m_executando)
        Fechar();
}

QString CCombinandoApostasDlg::Rotulo() const
{
    return m_rotulo->text();
}

QString CCombinandoApostasDlg::Geradas() const
{
    return m_geradas->text();
}

QString CCombinandoApostasDlg::Aprovadas() const
{
    return m_aprovadas->text();
}

QString CCombinandoApostasDlg::Reprovadas() const
{
    return m_reprovadas->text();
}
