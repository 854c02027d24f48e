#pragma once

#include <QString>

#include <cstdint>

// Número do concurso completado com zeros à esquerda até cinco caracteres (7 → 00007);
// com cinco ou mais fica como está.
QString ConcursoComCincoAlgarismos(int32_t concurso);

// O inteiro decimal do começo do texto ("00123" → 123); 0 quando não há nenhum.
int NumeroNoInicio(const QString& texto);
