#pragma once

#include <cstdint>
#include <vector>

class CListaDeVolantes;

// A ponte entre a lista de cartões e a redução: só aqui a redução lê e muda a lista.

// Os cartões da lista, na ordem dela, como números do espaço de cartões da CFechamento
// (jogo j vale 25^j x célula, com a célula das colunas marcadas). Um cartão que não tem
// exatamente um placar por jogo lança CCartaoNaoSimples.
std::vector<int32_t> NumerosDosCartoes(const CListaDeVolantes& volantes);

// Tira da lista os cartões com manter falso (manter tem um valor por cartão, na ordem da
// lista); devolve quantos saíram.
int32_t ManterCartoes(CListaDeVolantes& volantes, const std::vector<bool>& manter);
