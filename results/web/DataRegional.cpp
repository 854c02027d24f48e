#include "results/web/DataRegional.h"

#include <QDateTime>
#include <QLocale>

FLerDataRegional DataRegionalDoSistema()
{
    return [](const std::string& texto) -> std::optional<SDiaEHora> {
        const QLocale regional = QLocale::system();
        const QString data = QString::fromStdString(texto);
        QDateTime momento = regional.toDateTime(data, QLocale::ShortFormat);
        if (!momento.isValid())
            momento = QDateTime(regional.toDate(data, QLocale::ShortFormat), QTime(0, 0));
        if (!momento.isValid())
            return std::nullopt;
        const QDate dia = momento.date();
        const QTime hora = momento.time();
        return SDiaEHora{dia.year(), dia.month(), dia.day(), hora.hour(), hora.minute(), hora.second()};
    };
}
