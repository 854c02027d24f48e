#include "app/dialogos/ReduzindoDlg.h"

#include "core/TextosDeProgresso.h"
#include "document/ReducaoDeApostas.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* NovoValor(QWidget* pai, const char* nome)
{
    auto* valor = new QLabel(pai);
    valor->setObjectName(QString::fromLatin1(nome));
    valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valor->setMinimumWidth(120);
    return valor;
}

QString TextoDaEtapa(EEtapaDoFechamento etapa)
{
    switch (etapa) {
    case EEtapaDoFechamento::Contando:
        return QStringLiteral("Contando os vizinhos de cada cartão ...");
    case EEtapaDoFechamento::Escolhendo:
        return QStringLiteral("Escolhendo os cartões ...");
    case EEtapaDoFechamento::Completando:
        return QStringLiteral("Completando a garantia ...");
    case EEtapaDoFechamento::Retirando:
        return QStringLiteral("Retirando os cartões que sobram ...");
    case EEtapaDoFechamento::Buscando:
        return QStringLiteral("Procurando um conjunto menor ...");
    case EEtapaDoFechamento::Verificando:
        return QStringLiteral("Conferindo a garantia ...");
    }
    return {};
}

}  // namespace

CReduzindoDlg::CReduzindoDlg(QWidget* pai)
    : CDialogoDeProgresso(pai),
      m_situacao(new QLabel(this)),
      m_decorrido(NovoValor(this, "decorrido")),
      m_passos(NovoValor(this, "passos")),
      m_cobertos(NovoValor(this, "cobertos")),
      m_escolhidos(NovoValor(this, "escolhidos")),
      m_melhor(NovoValor(this, "melhor")),
      m_cartoes(NovoValor(this, "cartoes")),
      m_preco(NovoValor(this, "preco")),
      m_piso(new QLabel(this)),
      m_barra(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Reduzindo..."));
    m_situacao->setWordWrap(true);
    m_piso->setObjectName(QStringLiteral("piso"));
    m_piso->setWordWrap(true);
    auto* valores = new QFormLayout;
    valores->addRow(QStringLiteral("Tempo Decorrido:"), m_decorrido);
    valores->addRow(QStringLiteral("Trocas da Busca:"), m_passos);
    valores->addRow(QStringLiteral("Cartões Garantidos:"), m_cobertos);
    valores->addRow(QStringLiteral("Cartões Escolhidos:"), m_escolhidos);
    valores->addRow(QStringLiteral("Menor Conjunto até Agora:"), m_melhor);
    valores->addRow(QStringLiteral("Cartões (antes / depois):"), m_cartoes);
    valores->addRow(QStringLiteral("Preço (antes / depois):"), m_preco);
    m_barra->setRange(0, kFimDaBarraDeProgresso);
    m_barra->setTextVisible(false);
    auto* linha_do_botao = new QHBoxLayout;
    linha_do_botao->addStretch();
    linha_do_botao->addWidget(m_botao);
    linha_do_botao->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_situacao);
    layout->addLayout(valores);
    layout->addWidget(m_piso);
    layout->addWidget(m_barra);
    layout->addLayout(linha_do_botao);
    setMinimumWidth(420);
    MostrarBotaoParar();
}

void CReduzindoDlg::Iniciar()
{
    setWindowTitle(QStringLiteral("Reduzindo..."));
    MostrarCentrado();
    m_parar = 0;
    MostrarBotaoParar();
    m_progresso = {};
    m_inicio.start();
    m_cartoes->clear();
    m_preco->clear();
    m_piso->clear();
    MostrarContadores();
    m_ritmo.Reiniciar();
}

// Só guarda: os textos são refeitos quando a interface tem a vez e no fim.
void CReduzindoDlg::Atualizar(const SProgressoDoFechamento& progresso)
{
    m_progresso = progresso;
}

void CReduzindoDlg::MostrarContadores()
{
    m_situacao->setText(TextoDaEtapa(m_progresso.etapa));
    m_decorrido->setText(QString::fromStdString(FormatarDuracao(static_cast<double>(m_inicio.elapsed() / 1000))));
    m_passos->setText(QString::number(m_progresso.passos));
    m_cobertos->setText(QStringLiteral("%1 de %2").arg(m_progresso.cobertos).arg(m_progresso.distintos));
    m_escolhidos->setText(QString::number(m_progresso.escolhidos));
    m_melhor->setText(m_progresso.melhor > 0 ? QString::number(m_progresso.melhor) : QStringLiteral("-"));
    const double parte = m_progresso.distintos > 0
                             ? static_cast<double>(m_progresso.cobertos) / static_cast<double>(m_progresso.distintos)
                             : 0.0;
    m_barra->setValue(static_cast<int>(parte * kFimDaBarraDeProgresso));
}

void CReduzindoDlg::BombearMensagens()
{
    DarAVezAInterface();
}

bool CReduzindoDlg::PararSolicitado() const
{
    return m_parar != 0;
}

void CReduzindoDlg::Concluir(const SReducaoDeApostas& reducao, const QString& preco_antes, const QString& preco_depois)
{
    // A conferência final e a tabela dos cartões não dão a vez à interface: um clique em
    // "Parar" feito nelas ainda está na fila e vale como "Parar", não como o "Fechar" que
    // vem a seguir (senão o resultado sumiria sem ser visto).
    QCoreApplication::processEvents();
    // Os números do fim são os do conjunto que ficou, conferido: todos os cartões garantidos.
    m_progresso.distintos = reducao.cartoes_antes;
    m_progresso.cobertos = reducao.cartoes_antes;
    m_progresso.escolhidos = reducao.cartoes_depois;
    m_progresso.melhor = reducao.cartoes_depois;
    MostrarContadores();
    setWindowTitle(reducao.interrompida ? QStringLiteral("Redução interrompida") : QStringLiteral("Redução concluída"));
    m_piso->setText(QString::fromStdString(TextoDoPiso(reducao)));
    m_situacao->setText(reducao.interrompida
                            ? QStringLiteral("Redução interrompida: os cartões que ficaram garantem os pontos, "
                                             "mas com mais tempo poderiam ser menos.")
                            : QStringLiteral("Redução concluída."));
    m_cartoes->setText(QStringLiteral("%1 / %2").arg(reducao.cartoes_antes).arg(reducao.cartoes_depois));
    m_preco->setText(QStringLiteral("%1 / %2").arg(preco_antes, preco_depois));
    m_barra->setValue(kFimDaBarraDeProgresso);
    m_parar = 1;
    MostrarBotaoFechar();
    showNormal();
}

void CReduzindoDlg::AoPressionarBotao()
{
    PararOuFechar();
}

QString CReduzindoDlg::Situacao() const
{
    return m_situacao->text();
}

QString CReduzindoDlg::Cartoes() const
{
    return m_cartoes->text();
}

QString CReduzindoDlg::Preco() const
{
    return m_preco->text();
}

QString CReduzindoDlg::Piso() const
{
    return m_piso->text();
}
