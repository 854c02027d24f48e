#pragma once

#include <cstdint>

class CEscritorDeArquivo;
class CLeitorDeArquivo;
class CScore;

// Cartão: um placar por jogo. Valor pequeno, sem ligações: a lista de cartões guarda
// os seus em forma compacta e entrega cópias. Não é dono dos placares (células da
// tabela cheia ou do documento); o cartão-resultado da conferência cuida dos seus.
class CVolante final {
public:
    static constexpr const char* kNome = "CVolante";

    int32_t m_qtde = 0;
    const CScore* m_scores[5] = {};

    // Mesma quantidade e os mesmos objetos em cada lugar.
    bool operator==(const CVolante&) const = default;

    // Chamado no cartão-resultado: acertos (0..5) do cartão dado.
    int ContarAcertos(const CVolante& cartao) const;
    // Apostas simples que o cartão representa (1 para um cartão gerado; 0 com lugar nulo).
    int QtdeDeApostas() const;
    // O fator de um placar nessa conta: marcas do time 1 vezes marcas do time 2.
    static int ApostasDoPlacar(const CScore& placar);
    // Ordena as m_qtde primeiras entradas por m_jogo (estável).
    void OrdenarPorJogo();

    void Serialize(CEscritorDeArquivo& ar) const;
    // Exige 5 entradas, nenhuma nula, com m_jogo de 0 a 4.
    void Serialize(CLeitorDeArquivo& ar);
};
