#include "app/conferencia/GradeDaAnalise.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QStylePainter>

CGradeDaAnalise::CGradeDaAnalise(QWidget* pai) : QTableWidget(pai)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // O total fica na última linha: a largura considera todas, não só as à vista.
    horizontalHeader()->setResizeContentsPrecision(-1);
    // O canto é o único botão filho da tabela; só ele precisa mostrar o título.
    m_canto = findChild<QAbstractButton*>();
    if (m_canto != nullptr)
        m_canto->installEventFilter(this);
}

void CGradeDaAnalise::DefinirTextoDoCanto(const QString& texto)
{
    m_texto_do_canto = texto;
    AjustarLarguras();
    if (m_canto != nullptr)
        m_canto->update();
}

QString CGradeDaAnalise::TextoDaLinha(int linha) const
{
    const QTableWidgetItem* item = verticalHeaderItem(linha);
    return item ? item->text() : QString();
}

void CGradeDaAnalise::DefinirTextoDaLinha(int linha, const QString& texto)
{
    auto* item = new QTableWidgetItem(texto);
    item->setTextAlignment(Qt::AlignCenter);
    setVerticalHeaderItem(linha, item);
}

void CGradeDaAnalise::AjustarLarguras()
{
    resizeColumnsToContents();
    // O cabeçalho dos concursos tem de caber também o título do canto.
    QStyleOptionHeader opcao;
    opcao.initFrom(verticalHeader());
    opcao.text = m_texto_do_canto;
    const int canto = style()->sizeFromContents(QStyle::CT_HeaderSection, &opcao, QSize(), verticalHeader()).width();
    verticalHeader()->setMinimumWidth(canto);
}

bool CGradeDaAnalise::eventFilter(QObject* alvo, QEvent* evento)
{
    if (alvo == m_canto && evento->type() == QEvent::Paint) {
        PintarCanto(m_canto);
        return true;
    }
    return QTableWidget::eventFilter(alvo, evento);
}

void CGradeDaAnalise::PintarCanto(QWidget* canto)
{
    QStyleOptionHeader opcao;
    opcao.initFrom(canto);
    opcao.state |= QStyle::State_Enabled;
    opcao.rect = canto->rect();
    opcao.position = QStyleOptionHeader::OnlyOneSection;
    opcao.text = m_texto_do_canto;
    opcao.textAlignment = Qt::AlignCenter;
    QStylePainter pintor(canto);
    pintor.drawControl(QStyle::CE_Header, opcao);
}
