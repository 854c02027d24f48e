#include "ConferenciaAvancadaVarentaDlg.h"

#include "AnaliseDeConcursos.h"
#include "shell/CursorDeEspera.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kColunas = 7;
const QColor kCorDoTotal(240, 240, 150);

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
    QStringList textos = {QStringLiteral("Concursos"), QStringLiteral("Sem Acerto"), QStringLiteral("1 Acerto")};
    for (int acertos = 2; acertos <= 5; ++acertos)
        textos.append(QStringLiteral("%1 acertos").arg(acertos));
    return textos;
}

} // namespace

void CConferenciaAvancadaVarentaDlg::PrepararGrade()
{
    CConferenciaAvancadaDlg::PrepararGrade();
    m_grade->setColumnCount(kColunas);
    const QStringList cabecalhos = Cabecalhos();
    for (int coluna = 0; coluna < kColunas; ++coluna) {
        auto* item = new QTableWidgetItem(cabecalhos[coluna]);
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(palette().button());
        m_grade->setItem(0, coluna, item);
    }
    m_grade->resizeColumnsToContents();
    CarregarResultados();
}

void CConferenciaAvancadaVarentaDlg::Analisar()
{
    MarcarAnalise(true);
    m_parar = false;
    m_grade->setRowCount(1);
    const int inicial = PosicaoInicial();
    const int final = PosicaoFinal();
    m_grade->setRowCount(CAnaliseDeConcursos::LinhasDaGrade(inicial, final));
    m_linha_atual = 1;

    CAnaliseDeConcursos analise(m_resultados);
    analise.Analisar(*m_volantes, inicial, final, *this);

    auto* total = new QTableWidgetItem(QStringLiteral("Total:"));
    total->setTextAlignment(Qt::AlignCenter);
    total->setBackground(palette().button());
    m_grade->setItem(m_linha_atual, 0, total);
    EscreverContagens(m_linha_atual, analise.Total(), true);
    m_grade->viewport()->update();
    MarcarAnalise(false);
}

void CConferenciaAvancadaVarentaDlg::BombearMensagens()
{
    QCoreApplication::processEvents();
}

void CConferenciaAvancadaVarentaDlg::ConcursoConcluido(const SLinhaDaAnalise& linha)
{
    auto* concurso = new QTableWidgetItem(QString::number(linha.m_concurso));
    concurso->setTextAlignment(Qt::AlignCenter);
    concurso->setBackground(palette().button());
    m_grade->setItem(m_linha_atual, 0, concurso);
    EscreverContagens(m_linha_atual, linha.m_acertos, false);
    ++m_linha_atual;
    m_grade->viewport()->update();
}

void CConferenciaAvancadaVarentaDlg::EscreverContagens(int linha, const std::array<int64_t, 6>& acertos, bool total)
{
    for (int k = 0; k < 6; ++k) {
        auto* item = new QTableWidgetItem(QString::number(acertos[k]));
        item->setTextAlignment(Qt::AlignCenter);
        if (total)
            item->setBackground(kCorDoTotal);
        else if (acertos[k] > 0 && CorDaClasse(k).isValid())
            item->setBackground(CorDaClasse(k));
        m_grade->setItem(linha, k + 1, item);
    }
}
