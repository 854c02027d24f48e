#include "app/controles/ColorPickerCB.h"

#include "checking/Conferencia.h"
#include "app/controles/Cores.h"

#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {
struct SItemDeCor {
    QString nome;
    QColor cor;
    bool selecionado;
    bool com_foco;
    bool habilitado;
};

// Fundo, moldura de foco, nome a um quarto da largura e a amostra à esquerda dele.
void DesenharItem(QPainter& pintor, const QRect& area, const QPalette& paleta, const SItemDeCor& item)
{
    const int quarto = area.width() / 4;
    const QColor texto_da_janela = paleta.color(QPalette::Active, QPalette::Text);
    QColor texto = item.selecionado ? QColor::fromRgb(~texto_da_janela.rgb() & 0xFFFFFF) : texto_da_janela;
    const QColor fundo = paleta.color(QPalette::Active, item.selecionado ? QPalette::Highlight : QPalette::Base);
    pintor.fillRect(area, fundo);
    if (item.com_foco) {
        pintor.setPen(QPen(texto, 1, Qt::DotLine));
        pintor.drawRect(area.adjusted(0, 0, -1, -1));
    }
    QColor amostra = item.cor;
    if (!item.habilitado) {
        amostra = paleta.color(QPalette::Disabled, QPalette::WindowText);
        texto = amostra;
    }
    pintor.setPen(texto);
    pintor.drawText(QRect(area.left() + quarto + 2, area.top() + 2, area.width() - quarto - 2, area.height() - 2),
                    Qt::AlignLeft | Qt::AlignTop, item.nome);
    QRect caixa = area.adjusted(2, 2, -2, -2);
    caixa.setRight(area.left() + quarto);
    pintor.fillRect(caixa, amostra);
    pintor.setPen(Qt::black);
    pintor.drawRect(caixa.adjusted(0, 0, -1, -1));
}

SItemDeCor ItemDaLista(const QModelIndex& indice, const QStyleOptionViewItem& opcao)
{
    return {indice.data(Qt::DisplayRole).toString(), CorDoRgb(indice.data(Qt::UserRole).toUInt()),
            (opcao.state & QStyle::State_Selected) != 0, (opcao.state & QStyle::State_HasFocus) != 0,
            (opcao.state & QStyle::State_Enabled) != 0};
}

class CDelegadoDaCor : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        pintor->save();
        DesenharItem(*pintor, opcao.rect, opcao.palette, ItemDaLista(indice, opcao));
        pintor->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        const QSize base = QStyledItemDelegate::sizeHint(opcao, indice);
        return {base.width(), opcao.fontMetrics.height() + 6};
    }
};
}  // namespace

const std::array<CColorPickerCB::SCor, CColorPickerCB::kQtdeDeCores> CColorPickerCB::kCores = {{
    {"Preto", Rgb(0, 0, 0)},
    {"Laranja", Rgb(240, 80, 20)},
    {"Marrom", Rgb(128, 0, 0)},
    {"Verde", Rgb(0, 128, 0)},
    {"Oliva", Rgb(128, 128, 0)},
    {"Azul Marinho", Rgb(0, 0, 128)},
    {"Púrpura", Rgb(128, 0, 128)},
    {"Verde Musgo", Rgb(0, 128, 128)},
    {"Cinza Escuro", Rgb(128, 128, 128)},
    {"Cinza Claro", Rgb(192, 192, 192)},
    {"Vermelho", Rgb(255, 0, 0)},
    {"Verde Limão", Rgb(0, 255, 0)},
    {"Amarelo", Rgb(255, 255, 0)},
    {"Azul", Rgb(0, 0, 255)},
    {"Rosa", Rgb(255, 0, 255)},
    {"Azul Claro", Rgb(0, 255, 255)},
    {"Branco", Rgb(255, 255, 255)},
}};

CColorPickerCB::CColorPickerCB(QWidget* pai) : QComboBox(pai)
{
    setItemDelegate(new CDelegadoDaCor(this));
    Preencher();
}

void CColorPickerCB::Preencher()
{
    if (m_preenchido)
        return;
    for (const SCor& cor : kCores) {
        // Caixa cheia: as cores restantes simplesmente ficam de fora.
        if (count() >= maxCount())
            break;
        addItem(QString::fromUtf8(cor.nome), cor.rgb);
    }
    m_preenchido = true;
    setCurrentIndex(0);
}

void CColorPickerCB::paintEvent(QPaintEvent*)
{
    QStylePainter pintor(this);
    QStyleOptionComboBox opcao;
    initStyleOption(&opcao);
    opcao.currentText.clear();
    opcao.currentIcon = QIcon();
    pintor.drawComplexControl(QStyle::CC_ComboBox, opcao);
    if (currentIndex() < 0)
        return;
    const QRect campo = style()->subControlRect(QStyle::CC_ComboBox, &opcao, QStyle::SC_ComboBoxEditField, this);
    const SItemDeCor item{currentText(), CorDoRgb(currentData().toUInt()), hasFocus(), hasFocus(), isEnabled()};
    DesenharItem(pintor, campo, palette(), item);
}
