#pragma once

#include "ResultadoVarenta.h"

// Comandos que regravam o arquivo de resultados e as operações de lista que os deixam
// ordenados e sem concursos repetidos.
class CBancoDeDados {
public:
    // Ordem crescente de concurso; iguais mantêm a ordem relativa.
    static void OrdenarPorConcurso(CListaDeResultados& lista);
    // Apaga cada registro que repete o número do anterior mantido e os de número
    // negativo. Depois de OrdenarPorConcurso fica o primeiro de cada número.
    static void RemoverDuplicados(CListaDeResultados& lista);
};
