#include "checking/CartaoNaoSimples.h"

#include <string>

CCartaoNaoSimples::CCartaoNaoSimples(int posicao)
    : CErroDoUsuario("O cartão " + std::to_string(posicao) +
                     " tem mais de um placar num jogo: só cartões com um placar por jogo podem ser reduzidos."),
      m_posicao(posicao)
{
}
