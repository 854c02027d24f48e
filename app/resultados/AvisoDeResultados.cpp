#include "app/resultados/AvisoDeResultados.h"

CAvisoDeResultados& CAvisoDeResultados::Instancia()
{
    // Um só para o programa: os comandos e as telas não se conhecem.
    static CAvisoDeResultados aviso;
    return aviso;
}
