#include "app/conferencia/ConferenciaAvancadaDlg.h"

#include "app/conferencia/GradeDaAnalise.h"

#include "app/resultados/AvisoDeResultados.h"
#include "app/resultados/ResultadosNaTela.h"
#include "app/resultados/TextoDoConcurso.h"
#include "app/shell/Mensagens.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

int PosicaoDoItem(const QComboBox* seletor)
{
    return seletor->currentIndex() < 0 ? -1 : seletor->currentData().toInt();
}

} // namespace

CConferenciaAvancadaDlg::CConferenciaAvancadaDlg(const IPastas& pastas, QWidget* pai)
    : QDialog(pai), m_pastas(pastas)
{
    setWindowTitle(QStringLiteral("Conferência"));
    m_inicial = new QComboBox(this);
    m_final = new QComboBox(this);
    m_grade = new CGradeDaAnalise(this);
    m_botao_analisar = new QPushButton(QStringLiteral("Analisar"), this);
    m_botao_parar = new QPushButton(QStringLiteral("Parar"), this);
    m_botao_ok = new QPushButton(QStringLiteral("OK"), this);
    m_botao_ok->setDefault(true);

    auto* seletores = new QGridLayout;
    seletores->addWidget(new QLabel(QStringLiteral("Concurso Inicial:"), this), 0, 0);
    seletores->addWidget(m_inicial, 1, 0);
    seletores->addWidget(new QLabel(QStringLiteral("Concurso Final:"), this), 0, 1);
    seletores->addWidget(m_final, 1, 1);
    seletores->setColumnStretch(2, 1);
    m_botoes = new QHBoxLayout;
    m_botoes->addStretch();
    for (QPushButton* botao : {m_botao_analisar, m_botao_parar, m_botao_ok})
        m_botoes->addWidget(botao);
    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(seletores);
    tudo->addWidget(m_grade, 1);
    tudo->addLayout(m_botoes);
    resize(560, 420);

    connect(m_botao_analisar, &QPushButton::clicked, this, &CConferenciaAvancadaDlg::Analisar);
    connect(m_botao_parar, &QPushButton::clicked, this, &CConferenciaAvancadaDlg::OnParar);
    connect(m_botao_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(&CAvisoDeResultados::Instancia(), &CAvisoDeResultados::resultadosMudaram, this,
            &CConferenciaAvancadaDlg::RecarregarResultados);
}

CConferenciaAvancadaDlg::~CConferenciaAvancadaDlg() = default;

int CConferenciaAvancadaDlg::AbrirAnalise(const CListaDeVolantes& volantes)
{
    m_volantes = &volantes;
    PrepararGrade();
    return exec();
}

// A linha e a coluna fixas são os cabeçalhos da grade.
void CConferenciaAvancadaDlg::PrepararGrade()
{
    m_grade->setRowCount(0);
    m_grade->setColumnCount(0);
}

void CConferenciaAvancadaDlg::Analisar() {}

void CConferenciaAvancadaDlg::OnParar()
{
    m_parar = true;
}

int CConferenciaAvancadaDlg::PosicaoInicial() const
{
    return PosicaoDoItem(m_inicial);
}

int CConferenciaAvancadaDlg::PosicaoFinal() const
{
    return PosicaoDoItem(m_final);
}

void CConferenciaAvancadaDlg::reject()
{
    if (!m_analisando)
        QDialog::reject();
}

void CConferenciaAvancadaDlg::MarcarAnalise(bool analisando)
{
    m_analisando = analisando;
    m_botao_ok->setEnabled(!analisando);
    m_botao_analisar->setEnabled(!analisando);
    if (!analisando && m_recarregar_ao_fim) {
        m_recarregar_ao_fim = false;
        RecarregarResultados();
    }
}

void CConferenciaAvancadaDlg::AcrescentarBotao(QPushButton* botao)
{
    m_botoes->insertWidget(m_botoes->indexOf(m_botao_analisar), botao);
}

void CConferenciaAvancadaDlg::CarregarResultados()
{
    // Arquivo danificado: a mensagem do erro e os seletores vazios, como sem arquivo.
    Proteger(this, [this] {
        auto lidos = ResultadosNaTela(this, m_pastas);
        if (!lidos)
            return;
        m_resultados = std::move(*lidos);
        PreencherSeletores();
    });
}

void CConferenciaAvancadaDlg::RecarregarResultados()
{
    if (m_analisando) {
        m_recarregar_ao_fim = true;
        return;
    }
    const QString inicial = m_inicial->currentText();
    const QString final = m_final->currentText();
    // O final no último concurso segue no último: a faixa inteira ganha os novos.
    const bool ate_o_ultimo = m_final->currentIndex() == m_final->count() - 1;
    CarregarResultados();
    if (const int item = m_inicial->findText(inicial); item >= 0)
        m_inicial->setCurrentIndex(item);
    if (const int item = m_final->findText(final); item >= 0 && !ate_o_ultimo)
        m_final->setCurrentIndex(item);
}

void CConferenciaAvancadaDlg::PreencherSeletores()
{
    // Cada item leva a posição do seu concurso na lista: a ordem alfabética dos itens
    // não precisa coincidir com a do arquivo para a faixa ser a escolhida.
    for (QComboBox* seletor : {m_inicial, m_final}) {
        seletor->clear();
        for (size_t posicao = 0; posicao < m_resultados.size(); ++posicao)
            seletor->addItem(ConcursoComCincoAlgarismos(m_resultados[posicao]->m_concurso), int(posicao));
        seletor->model()->sort(0);
    }
    m_inicial->setCurrentIndex(0);
    m_final->setCurrentIndex(m_final->count() - 1);
}
