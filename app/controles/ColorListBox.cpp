#include "app/controles/ColorListBox.h"

#include "app/controles/Cores.h"

#include <QStyledItemDelegate>

namespace {
// Troca as cores padrão do texto pela cor da linha, selecionada ou não.
class CDelegadoDeCor : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const override
    {
        QStyledItemDelegate::initStyleOption(opcao, indice);
        const uint32_t cor = indice.data(CColorListBox::kPapelDaCor).toUInt();
        if (cor == 0)
            return;
        for (const QPalette::ColorGroup grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            opcao->palette.setColor(grupo, QPalette::Text, CorDoRgb(cor));
            opcao->palette.setColor(grupo, QPalette::HighlightedText, CorDoRgb(cor));
        }
    }
};
}  // namespace

CColorListBox::CColorListBox(QWidget* pai) : QListWidget(pai)
{
    setItemDelegate(new CDelegadoDeCor(this));
}

void CColorListBox::AdicionarLinha(const QString& texto, uint32_t cor)
{
    auto* item = new QListWidgetItem(texto, this);
    item->setData(kPapelDaCor, cor);
}

uint32_t CColorListBox::CorDaLinha(int linha) const
{
    const QListWidgetItem* linha_da_lista = item(linha);
    return linha_da_lista ? linha_da_lista->data(kPapelDaCor).toUInt() : 0;
}
