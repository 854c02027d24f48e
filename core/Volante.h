#pragma once

#include <cstddef>
#include <cstdint>

class CEscritorDeArquivo;
class CLeitorDeArquivo;
class CScore;

// Cartão: um placar por jogo. Não é dono dos placares (células da tabela cheia ou
// do documento); o cartão-resultado da conferência é quem cuida dos seus.
// Gravado no lugar dentro da lista de cartões, nunca por referência.
class CVolante final {
public:
    static constexpr const char* kNome = "CVolante";

    int32_t m_qtde = 0;
    CVolante* m_anterior = nullptr;
    CVolante* m_proximo = nullptr;
    const CScore* m_scores[5] = {};

    // Chamado no cartão-resultado: acertos (0..5) do cartão dado.
    int ContarAcertos(const CVolante& cartao) const;
    // Apostas simples que o cartão representa (1 para um cartão gerado).
    int QtdeDeApostas() const;
    // Ordena as m_qtde primeiras entradas por m_jogo (estável).
    void OrdenarPorJogo();

    void Serialize(CEscritorDeArquivo& ar) const;
    // Exige 5 entradas, nenhuma nula, com m_jogo de 0 a 4.
    void Serialize(CLeitorDeArquivo& ar);

    // Milhões de cartões: alocados em blocos, sem o custo de cada malloc.
    static void* operator new(size_t tamanho);
    static void operator delete(void* p) noexcept;
};
