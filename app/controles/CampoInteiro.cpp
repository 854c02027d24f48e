#include "app/controles/CampoInteiro.h"

#include "app/resultados/TrocaDeDados.h"

#include <QLineEdit>

#include <algorithm>

CCampoInteiro::CCampoInteiro(QWidget* pai) : QAbstractSpinBox(pai)
{
    setAlignment(Qt::AlignRight);
}

void CCampoInteiro::DefinirFaixa(int minimo, int maximo)
{
    m_minimo = minimo;
    m_maximo = maximo;
    update();
}

void CCampoInteiro::DefinirValor(int valor)
{
    lineEdit()->setText(QString::number(valor));
}

std::optional<int> CCampoInteiro::Valor() const
{
    return LerInteiroDoCampo(text());
}

// Um texto que não é número conta como o mínimo; o resultado fica sempre na faixa.
void CCampoInteiro::stepBy(int passos)
{
    const int atual = Valor().value_or(m_minimo);
    const long long novo = static_cast<long long>(atual) + passos;
    DefinirValor(static_cast<int>(std::clamp<long long>(novo, m_minimo, m_maximo)));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CCampoInteiro::stepEnabled() const
{
    const std::optional<int> valor = Valor();
    if (!valor)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled permitido = StepNone;
    if (*valor < m_maximo)
        permitido |= StepUpEnabled;
    if (*valor > m_minimo)
        permitido |= StepDownEnabled;
    return permitido;
}

// Aceita qualquer texto: a conferência é a do diálogo, ao confirmar.
QValidator::State CCampoInteiro::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}
