#include "app/dialogos/FiltrandoDlg.h"

#include "core/TextosDeProgresso.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <ctime>
#include <utility>

namespace {
QLabel* NovoValor(QWidget* pai)
{
    auto* valor = new QLabel(pai);
    valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valor->setMinimumWidth(90);
    return valor;
}

QString Texto(const std::string& texto)
{
    return QString::fromStdString(texto);
}
}  // namespace

int64_t CFiltrandoDlg::SegundosAgora()
{
    return static_cast<int64_t>(std::time(nullptr));
}

CFiltrandoDlg::CFiltrandoDlg(QWidget* pai, Relogio relogio)
    : CDialogoDeProgresso(pai),
      m_relogio(std::move(relogio)),
      m_decorrido_texto(NovoValor(this)),
      m_estimado(NovoValor(this)),
      m_verificadas(NovoValor(this)),
      m_aprovadas(NovoValor(this)),
      m_reprovadas(NovoValor(this)),
      m_porcentagem(new QLabel(this)),
      m_barra(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Filtrando..."));
    auto* valores = new QFormLayout;
    valores->addRow(QStringLiteral("Tempo Decorrido:"), m_decorrido_texto);
    valores->addRow(QStringLiteral("Tempo Estimado para Término dessa etapa :"), m_estimado);
    valores->addRow(QStringLiteral("Quantidade de Apostas Verificadas:"), m_verificadas);
    valores->addRow(QStringLiteral("Quantidade de Apostas Aprovadas:"), m_aprovadas);
    valores->addRow(QStringLiteral("Quantidade de Apostas Reprovadas:"), m_reprovadas);
    m_porcentagem->setAlignment(Qt::AlignCenter);
    m_barra->setRange(0, kFimDaBarraDeProgresso);
    m_barra->setTextVisible(false);
    auto* linha_do_botao = new QHBoxLayout;
    linha_do_botao->addStretch();
    linha_do_botao->addWidget(m_botao);
    linha_do_botao->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Desmembrando e filtrando cartões ..."), this));
    layout->addLayout(valores);
    layout->addWidget(m_porcentagem);
    layout->addWidget(m_barra);
    layout->addLayout(linha_do_botao);
    setMinimumWidth(400);
    MostrarBotaoParar();
}

void CFiltrandoDlg::Iniciar(int total)
{
    MostrarCentrado();
    m_total = total;
    m_barra->setRange(0, kFimDaBarraDeProgresso);
    m_barra->setValue(0);
    Iniciar();
}

void CFiltrandoDlg::Iniciar()
{
    m_inicio = m_relogio();
    m_parar = 0;
    MostrarBotaoParar();
    m_decorrido_texto->setText(Texto(FormatarDuracao(0)));
    m_verificadas->setText(QStringLiteral("0"));
    m_aprovadas->setText(QStringLiteral("0"));
    m_reprovadas->setText(QStringLiteral("0"));
    m_estimado->setText(Texto(FormatarDuracao(0)));
    m_porcentagem->setText(QStringLiteral("0"));
    m_contagem_verificadas = 0;
    m_contagem_reprovadas = 0;
    m_ritmo.Reiniciar();
}

// Só guarda: os textos são refeitos quando a interface tem a vez e no fim.
void CFiltrandoDlg::Atualizar(int verificadas, int reprovadas)
{
    m_contagem_verificadas = verificadas;
    m_contagem_reprovadas = reprovadas;
}

void CFiltrandoDlg::MostrarContadores()
{
    const int verificadas = m_contagem_verificadas;
    const int reprovadas = m_contagem_reprovadas;
    m_barra->setValue(PosicaoDaFiltragem(verificadas, m_total));
    const int64_t decorrido = m_relogio() - m_inicio;
    m_decorrido_texto->setText(Texto(FormatarDuracao(static_cast<double>(decorrido))));
    m_verificadas->setText(QString::number(verificadas));
    m_aprovadas->setText(QString::number(verificadas - reprovadas));
    m_reprovadas->setText(QString::number(reprovadas));
    if (MostraEstimativa(verificadas))
        m_estimado->setText(Texto(FormatarDuracao(SegundosParaTerminar(decorrido, verificadas, m_total))));
    m_porcentagem->setText(Texto(FormatarPorcentagem(verificadas, m_total)));
}

void CFiltrandoDlg::BombearMensagens()
{
    DarAVezAInterface();
}

bool CFiltrandoDlg::PararSolicitado() const
{
    return m_parar != 0;
}

void CFiltrandoDlg::Concluir()
{
    MostrarContadores();
    m_parar = 1;
    MostrarBotaoFechar();
    showNormal();
}

void CFiltrandoDlg::AoPressionarBotao()
{
    PararOuFechar();
}

QString CFiltrandoDlg::TempoDecorrido() const
{
    return m_decorrido_texto->text();
}

QString CFiltrandoDlg::TempoEstimado() const
{
    return m_estimado->text();
}

QString CFiltrandoDlg::Verificadas() const
{
    return m_verificadas->text();
}

QString CFiltrandoDlg::Aprovadas() const
{
    return m_aprovadas->text();
}

QString CFiltrandoDlg::Reprovadas() const
{
    return m_reprovadas->text();
}

QString CFiltrandoDlg::Porcentagem() const
{
    return m_porcentagem->text();
}
