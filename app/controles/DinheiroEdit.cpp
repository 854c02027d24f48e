#include "app/controles/DinheiroEdit.h"

#include <QKeyEvent>

#include <algorithm>

namespace {
constexpr int kPosicaoAposOPrimeiroDigito = 4;

int FimDaSelecao(const QLineEdit& campo)
{
    return campo.hasSelectedText() ? campo.selectionEnd() : campo.cursorPosition();
}

// Uma tecla que chega ao campo como caractere: imprimível ou Backspace, sem Ctrl nem Alt.
bool EhCaractere(const QKeyEvent& tecla)
{
    if (tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (tecla.key() == Qt::Key_Backspace)
        return true;
    const QString texto = tecla.text();
    return !texto.isEmpty() && texto.at(0).isPrint();
}
}  // namespace

CDinheiroEdit::CDinheiroEdit(QWidget* pai) : QLineEdit(pai)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (m_eventos_em_curso == 0)
            EditadoForaDeEvento();
    });
}

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

// Cada evento passa por aqui: a colagem pode vir do teclado, do menu de contexto, do
// botão do meio (seleção do X) ou de um arraste, e todas mudam o texto dentro de um
// evento do próprio campo. Eventos que não mexem no texto (selecionar tudo, copiar,
// setas) não são normalizados: desfariam a seleção ou moveriam o cursor.
bool CDinheiroEdit::event(QEvent* evento)
{
    const int fim_da_selecao = FimDaSelecao(*this);
    const QString anterior = text();
    const bool caractere = evento->type() == QEvent::KeyPress && EhCaractere(*static_cast<QKeyEvent*>(evento));
    ++m_eventos_em_curso;
    const bool tratado = QLineEdit::event(evento);
    --m_eventos_em_curso;
    if (caractere || text() != anterior)
        AplicarNormalizacao(fim_da_selecao, static_cast<int>(anterior.size()));
    GuardarEstado();
    return tratado;
}

void CDinheiroEdit::EditadoForaDeEvento()
{
    AplicarNormalizacao(m_fim_da_selecao, m_comprimento);
    GuardarEstado();
}

void CDinheiroEdit::GuardarEstado()
{
    m_fim_da_selecao = FimDaSelecao(*this);
    m_comprimento = static_cast<int>(text().size());
}
