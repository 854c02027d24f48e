#pragma once

#include <cstdint>

class CVolante;
struct SConfiguracaoDeImpressao;
struct SPaginaImpressa;

// Cartões por folha: 2 x 2, para recortar.
inline constexpr int kCartoesPorFolha = 4;

// Cartão na posição 0..3 da folha (esquerda/direita, em cima/embaixo) com as suas
// próprias marcas de alinhamento. (x, y): a margem da folha, y já com os 5 mm a menos.
void DesenharCartaoNaFolha(const CVolante& cartao, int numero, int posicao, int32_t valor_da_aposta, int x, int y,
                           uint32_t cor_rgb, SPaginaImpressa& pagina);
// As linhas de recorte ligadas na configuração, tracejadas na cor dela.
void DesenharLinhasDeRecorte(const SConfiguracaoDeImpressao& configuracao, int x, int y, SPaginaImpressa& pagina);
