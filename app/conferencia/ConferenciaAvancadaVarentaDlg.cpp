#include "app/conferencia/ConferenciaAvancadaVarentaDlg.h"

#include "app/conferencia/GradeDaAnalise.h"

#include "checking/AnaliseDeConcursos.h"
#include "app/shell/CursorDeEspera.h"
#include "app/shell/Relatorios.h"
#include "app/shell/Servicos.h"
#include "reports/RelatorioDoRetorno.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

namespace {

// As seis classes de acertos e os três valores do retorno; os concursos ficam no
// cabeçalho das linhas.
constexpr int kClasses = 6;
constexpr int kColunas = kClasses + 3;
// Prêmio, custo e saldo entre os textos do retorno (os três primeiros são os premiados,
// já nas colunas das classes).
constexpr size_t kPrimeiroValor = 3;
const QColor kCorDoTotal(240, 240, 150);
const QColor kCorDoPrejuizo(200, 0, 0);

// Fundo das células de 3, 4 e 5 acertos de um concurso (só quando passam de 0).
QColor CorDaClasse(int acertos)
{
    switch (acertos) {
    case 3:
        return QColor(15, 150, 240);
    case 4:
        return QColor(150, 240, 150);
    case 5:
        return QColor(240, 150, 150);
    default:
        return QColor();
    }
}

QStringList Cabecalhos()
{
    QStringList textos = {QStringLiteral("Sem Acerto"), QStringLiteral("1 Acerto")};
    for (int acertos = 2; acertos <= 5; ++acertos)
        textos.append(QStringLiteral("%1 acertos").arg(acertos));
    textos << QStringLiteral("Prêmio") << QStringLiteral("Custo") << QStringLiteral("Saldo");
    return textos;
}

} // namespace

CConferenciaAvancadaVarentaDlg::CConferenciaAvancadaVarentaDlg(const SServicos& servicos, QWidget* pai)
    : CConferenciaAvancadaDlg(servicos.pastas, pai), m_servicos(servicos)
{
    m_botao_relatorio = new QPushButton(QStringLiteral("Relatório"), this);
    // Só há o que relatar depois de uma análise.
    m_botao_relatorio->setEnabled(false);
    AcrescentarBotao(m_botao_relatorio);
    // Largura para as seis classes e os três valores sem rolar.
    resize(840, height());
    connect(m_botao_relatorio, &QPushButton::clicked, this, &CConferenciaAvancadaVarentaDlg::OnRelatorio);
}

void CConferenciaAvancadaVarentaDlg::PrepararGrade()
{
    CConferenciaAvancadaDlg::PrepararGrade();
    m_grade->setColumnCount(kColunas);
    m_grade->setHorizontalHeaderLabels(Cabecalhos());
    m_grade->DefinirTextoDoCanto(QStringLiteral("Concursos"));
    CarregarResultados();
}

void CConferenciaAvancadaVarentaDlg::Analisar()
{
    MarcarAnalise(true);
    m_botao_relatorio->setEnabled(false);
    m_retorno.reset();
    m_parar = false;
    m_grade->setRowCount(0);
    const int inicial = PosicaoInicial();
    const int final = PosicaoFinal();
    // A linha de títulos da faixa é o cabeçalho da grade.
    const int linhas = CAnaliseDeConcursos::LinhasDaGrade(inicial, final) - 1;
    m_grade->setRowCount(linhas);
    for (int linha = 0; linha < linhas; ++linha)
        m_grade->DefinirTextoDaLinha(linha, QString());
    m_linha_atual = 0;
    m_ritmo.Reiniciar();

    CAnaliseDeConcursos analise(m_resultados);
    analise.Analisar(*m_volantes, inicial, final, *this);

    m_grade->DefinirTextoDaLinha(m_linha_atual, QStringLiteral("Total:"));
    EscreverContagens(m_linha_atual, analise.Total(), true);
    EscreverRetorno(m_retorno.emplace(m_resultados, inicial, analise, m_preco));
    // Só agora as contagens são conhecidas: larguras antes disso cortariam os números.
    m_grade->AjustarLarguras();
    m_grade->viewport()->update();
    MarcarAnalise(false);
    m_botao_relatorio->setEnabled(true);
}

void CConferenciaAvancadaVarentaDlg::OnRelatorio()
{
    if (!m_retorno)
        return;
    AbrirRelatorio([this] { return EscreverRelatorioDoRetorno(m_servicos.pastas, *m_retorno); }, m_servicos, this);
}

void CConferenciaAvancadaVarentaDlg::BombearMensagens()
{
    if (m_ritmo.ChegouAVez())
        QCoreApplication::processEvents();
}

void CConferenciaAvancadaVarentaDlg::ConcursoConcluido(const SLinhaDaAnalise& linha)
{
    m_grade->DefinirTextoDaLinha(m_linha_atual, QString::number(linha.m_concurso));
    EscreverContagens(m_linha_atual, linha.m_acertos, false);
    ++m_linha_atual;
    m_grade->viewport()->update();
}

void CConferenciaAvancadaVarentaDlg::EscreverContagens(int linha, const std::array<int64_t, 6>& acertos, bool total)
{
    for (int k = 0; k < kClasses; ++k) {
        auto* item = new QTableWidgetItem(QString::number(acertos[k]));
        item->setTextAlignment(Qt::AlignCenter);
        if (total)
            item->setBackground(kCorDoTotal);
        else if (acertos[k] > 0 && CorDaClasse(k).isValid())
            item->setBackground(CorDaClasse(k));
        m_grade->setItem(linha, k, item);
    }
}

void CConferenciaAvancadaVarentaDlg::EscreverRetorno(const CRetornoDaAposta& retorno)
{
    // Os valores chegam só no fim: as linhas dos concursos terminados e a do total.
    int linha = 0;
    for (const SRetornoDoConcurso& concurso : retorno.Concursos())
        EscreverValores(linha++, concurso, false);
    EscreverValores(linha, retorno.Total(), true);
}

void CConferenciaAvancadaVarentaDlg::EscreverValores(int linha, const SRetornoDoConcurso& retorno, bool total)
{
    const auto textos = TextosDoRetorno(retorno);
    for (size_t k = kPrimeiroValor; k < textos.size(); ++k) {
        auto* item = new QTableWidgetItem(QString::fromStdString(textos[k]));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (total)
            item->setBackground(kCorDoTotal);
        if (k + 1 == textos.size() && retorno.Saldo() < 0)
            item->setForeground(kCorDoPrejuizo);
        m_grade->setItem(linha, kClasses + int(k - kPrimeiroValor), item);
    }
}
