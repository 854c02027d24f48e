#pragma once

#include "checking/ProgressoDoFechamento.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

struct SResultadoDoFechamento {
    std::vector<bool> manter;  // por cartão dado, na mesma ordem
    int64_t antes = 0;
    int64_t depois = 0;
    // Parada ou prazo antes do fim: o conjunto garante os pontos, mas podia ser menor.
    bool interrompido = false;
};

// Redução com garantia: entre os cartões dados, um conjunto menor em que, qualquer que
// seja o resultado entre os cartões dados, algum escolhido faz ao menos `garantia`
// pontos. Um cartão é o seu número no espaço dos 25^5 cartões: o jogo j vale
// 25^j x célula (0 a 24); dois cartões acertam entre si os jogos de mesma célula.
class CFechamento {
public:
    static constexpr int32_t kCelulas = 25;
    static constexpr int32_t kCartoesPossiveis = 9765625;
    // Rodadas gulosas no máximo; o prazo e a parada cortam antes.
    static constexpr int kRodadas = 16;
    using Prazo = std::chrono::steady_clock::duration;

    // garantia fora de 3 a 5: CErroDoUsuario; cartão fora do espaço: std::invalid_argument.
    CFechamento(std::vector<int32_t> cartoes, int garantia);

    // Cada rodada: escolha gulosa (a 1ª desempata pelos cartões de menos vizinhos, as
    // outras por sorteio), os descobertos entram como estão, saem os que sobram. Fica a
    // menor rodada, conferida por GaranteOsPontos. Parada ou prazo: a rodada em curso
    // termina sem a parte gulosa; a 1ª sempre dá um conjunto válido.
    SResultadoDoFechamento Reduzir(IProgressoFechamento& progresso, Prazo prazo);

    // Conferência exata, sem nada da busca: cada cartão dado tem um mantido a no máximo
    // 5 - garantia jogos de diferença.
    static bool GaranteOsPontos(const std::vector<int32_t>& cartoes, const std::vector<bool>& manter, int garantia);

private:
    void Indexar();
    // Distinto + 1, ou 0 se o cartão não está entre os dados.
    int32_t Procurar(int32_t cartao) const;
    int64_t TamanhoDaBola() const;
    template <class Funcao>
    void ParaCadaVizinho(int32_t cartao, Funcao&& funcao) const;

    // Falso se parou antes de contar todos (a escolha gulosa fica de fora).
    bool ContarVizinhos();
    // Uma rodada inteira; devolve os escolhidos (índices dos distintos).
    std::vector<int32_t> Rodada(int rodada);
    void EscolhaGulosa(int rodada, std::vector<int32_t>& escolhidos);
    void Cobrir(int32_t escolhido, bool atualizar_ganhos);
    void Completar(std::vector<int32_t>& escolhidos);
    void RetirarSobras(std::vector<int32_t>& escolhidos);
    bool DeveParar();
    void Mostrar(EEtapaDoFechamento etapa, int64_t escolhidos);

    std::vector<int32_t> m_cartoes;
    int m_garantia;
    int m_raio;
    std::vector<int32_t> m_distintos;         // na ordem da primeira vez
    std::vector<int32_t> m_primeira_posicao;  // em m_cartoes, por distinto
    std::vector<uint64_t> m_presentes;        // um bit por cartão possível
    // Com muitos distintos, por cartão possível: distinto + 1, ou 0 (vazio com poucos).
    std::vector<int32_t> m_indice;
    std::vector<std::pair<int32_t, int32_t>> m_ordenados;  // (cartão, distinto), com poucos
    std::array<std::vector<int32_t>, 5> m_celulas_do_jogo;  // só as que aparecem

    std::vector<int32_t> m_vizinhos;  // por distinto, ele incluído
    bool m_vizinhos_contados = false;
    std::vector<int32_t> m_ganho;
    std::vector<uint8_t> m_coberto;
    int64_t m_cobertos = 0;

    IProgressoFechamento* m_progresso = nullptr;
    std::chrono::steady_clock::time_point m_limite;
    bool m_interrompido = false;
    SProgressoDoFechamento m_mostrado;
};
