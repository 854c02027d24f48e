#include "app/controles/ComboGridCtrl.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

// Editor de lista suspensa no lugar da célula; as células fixas são pintadas como
// cabeçalho.
class CComboGridCtrl::CDelegado : public QStyledItemDelegate {
public:
    explicit CDelegado(CComboGridCtrl* grade) : QStyledItemDelegate(grade), m_grade(grade) {}

    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem&, const QModelIndex& indice) const override
    {
        const QStringList escolhas = m_grade->Escolhas(indice.row(), indice.column());
        if (escolhas.isEmpty())
            return nullptr;
        auto* lista = new QComboBox(pai);
        lista->addItems(escolhas);
        // Escolher um item já grava e fecha a edição.
        auto* delegado = const_cast<CDelegado*>(this);
        connect(lista, &QComboBox::activated, delegado, [delegado, lista] {
            emit delegado->commitData(lista);
            emit delegado->closeEditor(lista);
        });
        return lista;
    }

    // A tecla que abriu a edição escolhe o primeiro item que começa por ela; sem
    // tecla, fica o valor atual da célula.
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override
    {
        auto* lista = static_cast<QComboBox*>(editor);
        const QString tecla = std::exchange(m_grade->m_tecla_inicial, QString());
        int escolhido = -1;
        if (!tecla.isEmpty())
            escolhido = lista->findText(tecla, Qt::MatchStartsWith);
        if (escolhido < 0)
            escolhido = lista->findText(indice.data(Qt::DisplayRole).toString());
        lista->setCurrentIndex(std::max(escolhido, 0));
    }

    void setModelData(QWidget* editor, QAbstractItemModel* modelo, const QModelIndex& indice) const override
    {
        const QString escolhido = static_cast<QComboBox*>(editor)->currentText();
        modelo->setData(indice, escolhido, Qt::DisplayRole);
        modelo->setData(indice, Qt::AlignCenter, Qt::TextAlignmentRole);
        emit m_grade->celulaAlterada(indice.row(), indice.column());
    }

protected:
    void initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const override
    {
        QStyledItemDelegate::initStyleOption(opcao, indice);
        if (m_grade->EhFixa(indice.row(), indice.column()))
            opcao->backgroundBrush = m_grade->palette().button();
    }

private:
    CComboGridCtrl* m_grade;
};

// Célula que dá ao leitor de tela o texto com a linha e a coluna, sempre o valor atual.
class CComboGridCtrl::CCelula : public QTableWidgetItem {
public:
    QVariant data(int papel) const override
    {
        if (papel == Qt::AccessibleTextRole && tableWidget() != nullptr)
            return static_cast<const CComboGridCtrl*>(tableWidget())->NomeAcessivel(row(), column());
        return QTableWidgetItem::data(papel);
    }
};

CComboGridCtrl::CComboGridCtrl(QWidget* pai) : QTableWidget(pai)
{
    setTabKeyNavigation(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new CDelegado(this));
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionMode(SingleSelection);
}

void CComboGridCtrl::DefinirLimite(int linha, int n)
{
    m_limites[linha] = n;
}

QStringList CComboGridCtrl::Escolhas(int linha, int coluna) const
{
    const int limite = Limite(linha);
    const int primeiro = coluna == 1 ? 0 : 1;
    const int ultimo = coluna == 1 ? limite - 1 : limite;
    QStringList escolhas;
    for (int n = primeiro; n <= ultimo; ++n)
        escolhas.append(QString::number(n));
    return escolhas;
}

void CComboGridCtrl::DefinirTexto(int linha, int coluna, const QString& texto)
{
    QTableWidgetItem* celula = item(linha, coluna);
    if (!celula) {
        celula = new CCelula;
        celula->setTextAlignment(Qt::AlignCenter);
        setItem(linha, coluna, celula);
    }
    celula->setText(texto);
}

QString CComboGridCtrl::Texto(int linha, int coluna) const
{
    const QTableWidgetItem* celula = item(linha, coluna);
    return celula ? celula->text() : QString();
}

QString CComboGridCtrl::NomeAcessivel(int linha, int coluna) const
{
    if (EhFixa(linha, coluna))
        return Texto(linha, coluna);
    return Texto(linha, 0) + QStringLiteral(", ") + Texto(0, coluna) + QStringLiteral(" ") + Texto(linha, coluna);
}

bool CComboGridCtrl::edit(const QModelIndex& indice, EditTrigger gatilho, QEvent* evento)
{
    if (indice.isValid() && EhFixa(indice.row(), indice.column()))
        return false;
    m_tecla_inicial.clear();
    if (evento && evento->type() == QEvent::KeyPress)
        m_tecla_inicial = static_cast<QKeyEvent*>(evento)->text().trimmed();
    return QTableWidget::edit(indice, gatilho, evento);
}

// O Tab na lista aberta grava a escolha e passa ao controle seguinte da tela, em vez de
// abrir a célula seguinte (o que prenderia o foco na grade).
void CComboGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint dica)
{
    const bool para_frente = dica == QAbstractItemDelegate::EditNextItem;
    const bool para_tras = dica == QAbstractItemDelegate::EditPreviousItem;
    QTableWidget::closeEditor(editor, para_frente || para_tras ? QAbstractItemDelegate::NoHint : dica);
    if (para_frente || para_tras)
        focusNextPrevChild(para_frente);
}
