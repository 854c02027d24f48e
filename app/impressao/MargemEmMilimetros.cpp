#include "app/impressao/MargemEmMilimetros.h"

#include "app/resultados/TrocaDeDados.h"

#include <cmath>
#include <limits>

QString TextoDaMargem(int centesimos)
{
    return QString::number(static_cast<float>(centesimos) / 100.0f, 'g', 6);
}

std::optional<int> MargemDoTexto(const QString& texto)
{
    const std::optional<double> milimetros = LerNumeroDoCampo(texto);
    if (!milimetros)
        return std::nullopt;
    // Arredonda o resto binário antes de truncar: "12.29" guarda 1229, não 1228, e a
    // margem mostrada e confirmada sem mudança nunca anda.
    const double centesimos = std::trunc(std::round(*milimetros * 100.0 * 1e4) / 1e4);
    if (std::fabs(centesimos) > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(centesimos);
}
