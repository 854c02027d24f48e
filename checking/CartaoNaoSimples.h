#pragma once

#include "core/ErroDoUsuario.h"

// Cartão com mais de um placar num jogo (ou sem um placar em cada jogo): a redução só
// sabe o que garante um cartão de uma aposta simples.
class CCartaoNaoSimples : public CErroDoUsuario {
public:
    // posicao: o número do cartão na lista, a partir de 1.
    explicit CCartaoNaoSimples(int posicao);

    int Posicao() const { return m_posicao; }

private:
    int m_posicao;
};
