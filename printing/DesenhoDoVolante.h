#pragma once

#include <cstdint>

class CVolante;
struct SPaginaImpressa;

// Um cartão no volante oficial: as marcas caem nas quadrículas do volante, a partir da
// margem (x, y) em centésimos de milímetro; número = posição do cartão no documento.
void DesenharVolante(const CVolante& cartao, int numero, int32_t valor_da_aposta, int x, int y,
                     SPaginaImpressa& pagina);
