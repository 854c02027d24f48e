#include "app/resultados/TextoDoConcurso.h"

#include <cstdlib>

QString ConcursoComCincoAlgarismos(int32_t concurso)
{
    return QStringLiteral("%1").arg(QString::number(concurso), 5, QLatin1Char('0'));
}

int NumeroNoInicio(const QString& texto)
{
    return std::atoi(texto.toLatin1().constData());
}
