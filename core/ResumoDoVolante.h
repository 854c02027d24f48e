#pragma once

#include <cstdint>

class CScore;
class CVolante;

// Estatísticas de um cartão para os 26 critérios dos filtros, apuradas de uma vez.
// O placar de uma entrada é o par de colunas (primeira marcada de cada time, ou 0).
// Cada estatística ocupa um byte (uma faixa) de quatro palavras de 64 bits: as três
// primeiras são somas das entradas, a última as repetições de placares. Nenhuma passa
// de 40, e por isso todas as faixas podem ser conferidas contra os limites de uma vez.
class CResumoDoVolante {
public:
    static constexpr int kPalavrasDeSomas = 3;
    static constexpr int kPalavras = kPalavrasDeSomas + 1;
    static_assert(kPalavrasDeSomas == 3, "o construtor de SCartaoDescrito copia três somas");

    // O que um placar soma às estatísticas: descrito uma vez por placar distinto.
    struct SDescricao {
        uint64_t somas[kPalavrasDeSomas] = {};
        uint8_t placar = 0;
        uint8_t resultado = 0;
    };
    static SDescricao Descrever(const CScore& score);

    // Um cartão já somado lugar a lugar: a geração o monta enquanto percorre o produto.
    struct SCartaoDescrito {
        uint64_t somas[kPalavrasDeSomas] = {};
        uint8_t placares[5] = {};
        uint8_t resultados[5] = {};
        int qtde = 0;
    };

    // O cartão somado a partir dos seus placares, ou da descrição de cada lugar já pronta
    // (descricoes[0..qtde-1]).
    static SCartaoDescrito DescreverCartao(const CVolante& volante);
    static SCartaoDescrito DescreverCartao(int qtde, const SDescricao* const* descricoes);
    // A palavra das repetições (a quarta); só é apurada quando algum critério dela está ligado.
    static uint64_t Repeticoes(const SCartaoDescrito& cartao);

    explicit CResumoDoVolante(const CVolante& volante);
    // No cabeçalho: a filtragem e a geração o montam a cada cartão.
    explicit CResumoDoVolante(const SCartaoDescrito& cartao)
        : m_faixas{cartao.somas[0], cartao.somas[1], cartao.somas[2],
                   Repeticoes(cartao)}
    {
    }

    // Valor do critério de índice 0..25 (critérios 1..26).
    uint32_t Estatistica(int criterio) const;
    // Faixa (byte 0..31 das quatro palavras) do critério de índice 0..25.
    static int FaixaDoCriterio(int criterio);

private:
    uint64_t m_faixas[kPalavras] = {};
};
