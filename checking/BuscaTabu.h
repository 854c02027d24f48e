#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

class CVizinhancaDosCartoes;

// Busca tabu sobre coberturas de tamanho fixo (Östergård, "Constructing covering codes by
// tabu search", J. Combin. Des. 5, 1997): o custo é o número de cartões descobertos; um
// passo troca um escolhido por um cartão da aposta que cobre um descoberto sorteado,
// pontuado só pelas bolas dos dois; o que saiu não volta por alguns passos. Com custo
// zero a cobertura fica guardada e sai o escolhido que menos cobre sozinho.
class CBuscaTabu {
public:
    // A cada poucos passos (um só, com bolas de milhares de cartões) e a cada cobertura
    // achada, `continuar(melhor, tamanho, descobertos)` (a menor cobertura achada, o
    // tamanho tentado agora e os descobertos nele): falso para a busca.
    using Consulta = std::function<bool(int64_t melhor, int64_t tamanho, int64_t descobertos)>;

    // cobertura: distintos que cobrem todos a no máximo `raio`; a semente fixa faz a
    // mesma busca com os mesmos dados.
    CBuscaTabu(const CVizinhancaDosCartoes& vizinhanca, int raio, std::vector<int32_t> cobertura, uint64_t semente);

    // Até uma cobertura de `piso` cartões, `passos_sem_melhora` passos sem uma nova, ou a
    // consulta mandar parar; verdadeiro neste último caso.
    bool Buscar(int64_t piso, int64_t passos_sem_melhora, const Consulta& continuar);

    const std::vector<int32_t>& Melhor() const { return m_melhor; }
    int64_t Passos() const { return m_passos; }

private:
    struct STroca {
        int32_t sai;
        int32_t entra;
    };

    template <class Funcao>
    void ParaCadaNaBola(int32_t distinto, Funcao&& funcao) const;
    void MontarAdjacencias();
    void Adicionar(int32_t distinto);
    void Remover(int32_t distinto);
    void TirarOQueMenosCobre();
    int32_t SortearDescoberto();
    void JuntarTrocas(int32_t descoberto);
    void JuntarTrocasSemVizinho(int32_t descoberto, const std::vector<int32_t>& perto);
    int64_t Variacao(const STroca& troca);
    bool EhTabu(int32_t distinto) const;
    void DarUmPasso();

    const CVizinhancaDosCartoes& m_vizinhanca;
    int m_raio;
    std::mt19937_64 m_sorteio;
    // Bolas guardadas quando cabem (quadros pequenos); senão, consultadas a cada vez.
    std::vector<int32_t> m_inicio_da_bola;
    std::vector<int32_t> m_bolas;

    std::vector<uint16_t> m_cobertura;  // escolhidos a no máximo m_raio, por distinto
    std::vector<int32_t> m_posicao;     // em m_escolhidos, ou -1
    std::vector<int32_t> m_escolhidos;
    std::vector<int32_t> m_descobertos;  // contém todos os descobertos (e alguns já não)
    std::vector<uint8_t> m_na_lista;
    int64_t m_custo = 0;
    int64_t m_menor_custo = 0;  // neste tamanho: aspiração do tabu
    std::vector<int32_t> m_tabu;  // os que saíram por último, em anel
    size_t m_proximo_tabu = 0;
    std::vector<STroca> m_trocas;
    std::vector<int32_t> m_perto;  // escolhidos a raio + 1 do descoberto
    std::vector<uint32_t> m_marca;  // selo de quem está na bola de quem entra
    uint32_t m_selo = 0;
    std::vector<int32_t> m_melhor;
    int64_t m_passos = 0;
};
