#include "bench/QuadroInteiro.h"

#include "core/CartaoCheio.h"
#include "core/ListaDeVolantes.h"
#include "core/Volante.h"

void AcrescentarOQuadroInteiro(CListaDeVolantes& volantes)
{
    const CCartaoCheio& cheio = CCartaoCheio::Instancia();
    volantes.Reservar(static_cast<size_t>(volantes.Quantidade()) + 9'765'625);
    for (int numero = 0; numero < 9'765'625; ++numero) {
        CVolante volante;
        volante.m_qtde = 5;
        for (int jogo = 4, resto = numero; jogo >= 0; --jogo, resto /= 25)
            volante.m_scores[jogo] = cheio.Celula(jogo, resto % 25);
        volantes.Adicionar(volante);
    }
}
