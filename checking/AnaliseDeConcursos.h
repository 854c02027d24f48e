#pragma once

#include "checking/CartoesIndexados.h"
#include "results/ResultadoVarenta.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class CListaDeVolantes;
class IProgressoAnalise;

// Quantos cartões fizeram 0 a 5 acertos num concurso (ou no total).
using AcertosPorClasse = std::array<int64_t, 6>;

struct SLinhaDaAnalise {
    int32_t m_concurso = 0;
    AcertosPorClasse m_acertos{};
    bool operator==(const SLinhaDaAnalise&) const = default;
};

// Confere todos os cartões com cada concurso de uma faixa da lista de resultados, como
// CVolante::ContarAcertos, e soma por classe de acertos.
class CAnaliseDeConcursos {
public:
    // A lista fica emprestada enquanto a análise existir.
    explicit CAnaliseDeConcursos(const CListaDeResultados& resultados);

    // Concursos das posições inicial a final da lista (as escolhas dos dois seletores;
    // -1 quando nada está escolhido). Final antes do inicial: nenhum concurso. Refaz
    // tudo a cada chamada; parada, fica com os concursos terminados e o total deles.
    void Analisar(const CListaDeVolantes& volantes, int inicial, int final, IProgressoAnalise& progresso);

    const std::vector<SLinhaDaAnalise>& Linhas() const { return m_linhas; }
    const AcertosPorClasse& Total() const { return m_total; }
    bool Interrompida() const { return m_interrompida; }

    // Linhas que a grade reserva para a faixa: cabeçalho, um por concurso e "Total:".
    static int LinhasDaGrade(int inicial, int final);

private:
    std::vector<const CResultadoVarenta*> Faixa(int inicial, int final) const;
    // Conta alguns concursos numa passada pelos cartões, atendendo a interface do 1º.
    void ContarPassada(const CCartoesIndexados& cartoes, std::span<const CCartoesIndexados::SResultado> indexados,
                       std::span<AcertosPorClasse> contagens, IProgressoAnalise& progresso);
    // Faz as vezes da interface que já cabem com tantos cartões contados; devolve quantas foram.
    size_t AtenderInterface(size_t contados, size_t feitas, IProgressoAnalise& progresso);
    void Concluir(const SLinhaDaAnalise& linha, IProgressoAnalise& progresso);

    const CListaDeResultados& m_resultados;
    std::vector<SLinhaDaAnalise> m_linhas;
    AcertosPorClasse m_total{};
    bool m_interrompida = false;
};
