#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Os cartões distintos de uma aposta e quem está perto de quem. Um cartão é o seu número
// no espaço dos 25^5 cartões: o jogo j vale 25^j x célula (0 a 24); a distância entre
// dois cartões é o número de jogos de células diferentes.
class CVizinhancaDosCartoes {
public:
    static constexpr int32_t kCelulas = 25;
    static constexpr int32_t kCartoesPossiveis = 9765625;
    static constexpr std::array<int32_t, 5> kPeso = {1, 25, 625, 15625, 390625};

    // raio: a maior distância que as consultas vão usar (escolhe o índice). Cartão fora do
    // espaço: std::invalid_argument.
    CVizinhancaDosCartoes(const std::vector<int32_t>& cartoes, int raio);

    int32_t Quantidade() const { return static_cast<int32_t>(m_distintos.size()); }
    int32_t Cartao(int32_t distinto) const { return m_distintos[static_cast<size_t>(distinto)]; }
    // Em `cartoes`, a primeira vez do distinto.
    int32_t PrimeiraPosicao(int32_t distinto) const { return m_primeira_posicao[static_cast<size_t>(distinto)]; }
    const std::vector<int32_t>& CelulasDoJogo(size_t jogo) const { return m_celulas_do_jogo[jogo]; }
    // Distinto + 1, ou 0 se o cartão não está entre os dados.
    int32_t Procurar(int32_t cartao) const;
    // Cartões possíveis (só com as células que aparecem) a no máximo `raio` de um cartão.
    int64_t TamanhoDaBola(int raio) const;
    // Os cartões formam o produto das células que aparecem em cada jogo.
    bool EhProdutoCompleto() const;

    static int Celula(int32_t cartao, size_t jogo) { return (cartao / kPeso[jogo]) % kCelulas; }
    static int Distancia(int32_t a, int32_t b);

    // Chama funcao(distinto) para cada cartão dado a no máximo `raio` de `cartao` (ele
    // incluído, se estiver entre os dados), só pelas células que aparecem: um quadro de
    // poucos favoritos por jogo tem bolas de dezenas de cartões em vez de milhares.
    template <class Funcao>
    void ParaCadaVizinho(int32_t cartao, int raio, Funcao&& funcao) const
    {
        if (const int32_t i = Procurar(cartao))
            funcao(i - 1);
        Trocar(cartao, raio, 0, funcao);
    }

private:
    template <class Funcao>
    void Trocar(int32_t cartao, int raio, size_t desde, Funcao& funcao) const
    {
        if (raio == 0)
            return;
        for (size_t jogo = desde; jogo < 5; ++jogo) {
            const int propria = Celula(cartao, jogo);
            for (int celula : m_celulas_do_jogo[jogo]) {
                if (celula == propria)
                    continue;
                const int32_t outro = cartao + (celula - propria) * kPeso[jogo];
                if (const int32_t i = Procurar(outro))
                    funcao(i - 1);
                Trocar(outro, raio - 1, jogo + 1, funcao);
            }
        }
    }

    std::vector<int32_t> m_distintos;         // na ordem da primeira vez
    std::vector<int32_t> m_primeira_posicao;  // por distinto
    std::vector<uint64_t> m_presentes;        // um bit por cartão possível
    // Com muitos distintos, por cartão possível: distinto + 1, ou 0 (vazio com poucos).
    std::vector<int32_t> m_indice;
    std::vector<std::pair<int32_t, int32_t>> m_ordenados;  // (cartão, distinto), com poucos
    std::array<std::vector<int32_t>, 5> m_celulas_do_jogo;  // só as que aparecem
};
