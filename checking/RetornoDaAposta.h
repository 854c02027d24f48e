#pragma once

#include "results/ResultadoVarenta.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CAnaliseDeConcursos;

// O que a aposta teria dado num concurso (ou na soma da faixa).
struct SRetornoDoConcurso {
    int32_t m_concurso = 0;
    std::array<int64_t, 3> m_premiados{};  // cartões com 3, 4 e 5 acertos
    double m_premio = 0.0;                 // premiados x rateio de cada faixa
    double m_custo = 0.0;                  // o preço da aposta inteira
    double Saldo() const { return m_premio - m_custo; }
};

// Prêmio, custo e saldo de cada concurso de uma análise já feita, e o total da faixa.
class CRetornoDaAposta {
public:
    // resultados e inicial: os mesmos dados a CAnaliseDeConcursos::Analisar (a linha k da
    // análise é o concurso da posição inicial + k). preco: PrecoDaAposta do documento,
    // pago em cada concurso.
    CRetornoDaAposta(const CListaDeResultados& resultados, int inicial, const CAnaliseDeConcursos& analise,
                     double preco);

    const std::vector<SRetornoDoConcurso>& Concursos() const { return m_concursos; }
    const SRetornoDoConcurso& Total() const { return m_total; }

private:
    std::vector<SRetornoDoConcurso> m_concursos;
    SRetornoDoConcurso m_total;
};

// Títulos das colunas depois da dos concursos, como a linha de comando os escreve.
inline constexpr std::array<const char*, 6> kColunasDoRetorno{"3 acertos", "4 acertos", "5 acertos",
                                                              "Premio",    "Custo",     "Saldo"};

// As seis células de uma linha (premiados e valores com duas casas e ponto), na ordem
// de kColunasDoRetorno; a tela e a linha de comando mostram o mesmo texto.
std::array<std::string, 6> TextosDoRetorno(const SRetornoDoConcurso& retorno);
