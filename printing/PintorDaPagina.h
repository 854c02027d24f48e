#pragma once

class QPainter;
struct SPaginaImpressa;

// Pinta o desenho no dispositivo do pintor: 0,01 mm pela resolução do dispositivo, y
// para cima a partir da origem do pintor (na impressora, o canto da área imprimível).
void PintarPagina(QPainter& pintor, const SPaginaImpressa& pagina);
