#pragma once

#include <QImage>

// Desenho do volante (270 x 343) em que o mostrador marca os cartões: cabeçalho
// "JOGO" / "PLACAR", cinco jogos com as linhas "TIME 1" e "TIME 2" e, embaixo, o valor da
// aposta. As caixas ficam exatamente sob os retângulos das marcas.
const QImage& ImagemDoVolante();
