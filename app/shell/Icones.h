#pragma once

#include <QIcon>

// Ícones desenhados pelo programa: o das telas (recursos 143 e 151), o do programa
// (128) e o de impressão, que o estilo não traz.
QIcon IconeDoRecurso(int recurso);
QIcon IconeDeImpressao();
