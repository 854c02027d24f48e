#pragma once

#include <QString>

#include <optional>

// Margens guardadas em centésimos de milímetro e editadas em milímetros.

// O valor guardado dividido por 100, com no máximo seis algarismos significativos.
QString TextoDaMargem(int centesimos);
// Milímetros digitados x 100, truncados para zero; nenhum se não for número ou não
// couber num inteiro.
std::optional<int> MargemDoTexto(const QString& texto);
