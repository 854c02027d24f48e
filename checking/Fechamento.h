#pragma once

#include "checking/ProgressoDoFechamento.h"
#include "checking/VizinhancaDosCartoes.h"

#include <chrono>
#include <cstdint>
#include <vector>

struct SResultadoDoFechamento {
    std::vector<bool> manter;  // por cartão dado, na mesma ordem
    int64_t antes = 0;
    int64_t depois = 0;
    // Nenhum conjunto que garanta os pontos tem menos cartões que isto.
    int64_t piso = 0;
    // Parada ou prazo antes do fim: o conjunto garante os pontos, mas podia ser menor.
    bool interrompido = false;

    bool MinimoComprovado() const { return depois == piso; }
};

// Redução com garantia: entre os cartões dados, um conjunto menor em que, qualquer que
// seja o resultado entre os cartões dados, algum escolhido faz ao menos `garantia`
// pontos. Um cartão é o seu número no espaço dos 25^5 cartões (CVizinhancaDosCartoes).
class CFechamento {
public:
    static constexpr int32_t kCelulas = CVizinhancaDosCartoes::kCelulas;
    static constexpr int32_t kCartoesPossiveis = CVizinhancaDosCartoes::kCartoesPossiveis;
    // A mesma aposta e o mesmo tempo dão os mesmos cartões.
    static constexpr uint64_t kSemente = 1997;
    using Prazo = std::chrono::steady_clock::duration;

    // garantia fora de 3 a 5: CErroDoUsuario; cartão fora do espaço: std::invalid_argument.
    CFechamento(std::vector<int32_t> cartoes, int garantia);

    // Começa de uma construção (quadro sem chaves que tenha uma) ou da escolha gulosa, e
    // melhora pela busca tabu até o piso, até a busca parar de achar ou até o prazo (menos
    // o que a conferência final precisa). O resultado é conferido por GaranteOsPontos.
    SResultadoDoFechamento Reduzir(IProgressoFechamento& progresso, Prazo prazo);

    // Conferência exata, sem nada da busca: cada cartão dado tem um mantido a no máximo
    // 5 - garantia jogos de diferença.
    static bool GaranteOsPontos(const std::vector<int32_t>& cartoes, const std::vector<bool>& manter, int garantia);

private:
    std::vector<int32_t> Inicial();
    std::vector<int32_t> Guloso();
    // Falso se parou antes de contar todos (a escolha gulosa fica de fora).
    bool ContarVizinhos();
    void EscolhaGulosa(std::vector<int32_t>& escolhidos);
    void Cobrir(int32_t escolhido, bool atualizar_ganhos);
    void Completar(std::vector<int32_t>& escolhidos);
    void RetirarSobras(std::vector<int32_t>& escolhidos);
    std::vector<int32_t> Melhorar(std::vector<int32_t> cobertura);
    int64_t Piso() const;
    int64_t PassosSemMelhora() const;
    bool DeveParar();
    void Mostrar(EEtapaDoFechamento etapa, int64_t escolhidos);

    std::vector<int32_t> m_cartoes;
    int m_garantia;
    int m_raio;
    CVizinhancaDosCartoes m_vizinhanca;

    std::vector<int32_t> m_vizinhos;  // por distinto, ele incluído (vazio se não contados)
    std::vector<int32_t> m_ganho;
    std::vector<uint8_t> m_coberto;
    int64_t m_cobertos = 0;

    IProgressoFechamento* m_progresso = nullptr;
    std::chrono::steady_clock::time_point m_limite;
    bool m_interrompido = false;
    SProgressoDoFechamento m_mostrado;
};
