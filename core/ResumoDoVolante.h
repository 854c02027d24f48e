#pragma once

#include <cstdint>

class CScore;
class CVolante;

// Estatísticas de um cartão para os 26 critérios dos filtros, apuradas de uma vez.
// O placar de uma entrada é o par de colunas (primeira marcada de cada time, ou 0).
class CResumoDoVolante {
public:
    // O que um placar soma às estatísticas: descrito uma vez por placar distinto.
    struct SDescricao {
        uint64_t contadores[2] = {};
        uint8_t placar = 0;
        uint8_t resultado = 0;
    };
    static SDescricao Descrever(const CScore& score);

    explicit CResumoDoVolante(const CVolante& volante);
    // Com a descrição de cada lugar já pronta (descricoes[0..qtde-1]).
    CResumoDoVolante(int qtde, const SDescricao* const* descricoes);

    // Valor do critério de índice 0..25 (critérios 1..26).
    uint32_t Estatistica(int criterio) const;

private:
    void Somar(int lugar, const SDescricao& entrada);
    uint32_t Contador(int indice) const;
    // Maior quantidade de entradas com um mesmo placar, entre os placares do resultado
    // pedido (ou de qualquer resultado).
    uint32_t MaiorRepeticao(int resultado) const;
    uint32_t MaiorSequencia() const;

    // Dezesseis contadores de 8 bits somados em paralelo (nenhum passa de 20).
    uint64_t m_contadores[2] = {};
    uint8_t m_placares[5] = {};
    uint8_t m_resultados[5] = {};
    int m_qtde = 0;
};
