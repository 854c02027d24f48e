#pragma once

#include <QPixmap>

// Figura explicativa das páginas do diálogo: uma página de exemplo desenhada pela própria
// impressão (folha com quatro cartões e as quatro linhas de recorte, ou um volante),
// reduzida à largura dada.
QPixmap FiguraDaImpressao(int tipo, int largura);
