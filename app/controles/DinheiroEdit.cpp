#include "DinheiroEdit.h"

#include <QKeyEvent>

#include <algorithm>

namespace {
constexpr int kPosicaoAposOPrimeiroDigito = 4;

int FimDaSelecao(const QLineEdit& campo)
{
    return campo.hasSelectedText() ? campo.selectionEnd() : campo.cursorPosition();
}
}  // namespace

QString CDinheiroEdit::Normalizar(const QString& texto)
{
    QString digitos;
    for (const QChar caractere : texto)
        if (caractere >= u'0' && caractere <= u'9')
            digitos.append(caractere);
    while (digitos.size() < 3)
        digitos.prepend(u'0');
    QString resultado = digitos.left(digitos.size() - 2) + u'.' + digitos.right(2);
    while (resultado.size() > 4 && resultado.startsWith(u'0'))
        resultado.remove(0, 1);
    return resultado;
}

// Só uma edição que mudou o texto é normalizada: teclas que não mexem nele (selecionar
// tudo, copiar, setas) não podem desfazer a seleção nem mover o cursor.
template <typename Edicao>
void CDinheiroEdit::EditarENormalizar(Edicao edicao)
{
    const int fim_da_selecao = FimDaSelecao(*this);
    const QString anterior = text();
    edicao();
    if (text() != anterior)
        AplicarNormalizacao(fim_da_selecao, static_cast<int>(anterior.size()));
}

void CDinheiroEdit::AplicarNormalizacao(int fim_da_selecao, int comprimento_anterior)
{
    const QString normalizado = Normalizar(text());
    setText(normalizado);
    const int novo = static_cast<int>(normalizado.size());
    int cursor = fim_da_selecao;
    if (comprimento_anterior <= 1)
        cursor = kPosicaoAposOPrimeiroDigito;
    else if (novo > comprimento_anterior)
        cursor = fim_da_selecao + 1;
    else if (novo < comprimento_anterior)
        cursor = fim_da_selecao - 1;
    setCursorPosition(std::clamp(cursor, 0, novo));
}

void CDinheiroEdit::keyPressEvent(QKeyEvent* evento)
{
    EditarENormalizar([&] { QLineEdit::keyPressEvent(evento); });
}

void CDinheiroEdit::inputMethodEvent(QInputMethodEvent* evento)
{
    EditarENormalizar([&] { QLineEdit::inputMethodEvent(evento); });
}

void CDinheiroEdit::contextMenuEvent(QContextMenuEvent* evento)
{
    EditarENormalizar([&] { QLineEdit::contextMenuEvent(evento); });
}

void CDinheiroEdit::dropEvent(QDropEvent* evento)
{
    EditarENormalizar([&] { QLineEdit::dropEvent(evento); });
}
