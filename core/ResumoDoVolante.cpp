#include "core/ResumoDoVolante.h"

#include "core/CartaoCheio.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

// Resultado de uma entrada; kSemEntrada marca os lugares além da quantidade do cartão.
enum : uint8_t {
    kVitoriaDoTime1 = 0,
    kEmpate = 1,
    kVitoriaDoTime2 = 2,
    kSemEntrada = 3,
};

// Faixa de cada critério (índice 0..25): as somas nas faixas 0..20, as repetições a
// partir da 24, na quarta palavra.
constexpr std::array<int, 26> kFaixaDoCriterio = {
    0, 1, 2,                 // resultados favoráveis ao time 1, empatados, favoráveis ao time 2
    24, 25, 26, 27, 28,      // iguais, em sequência, iguais do time 1, do time 2, empatados
    3, 4, 5,                 // gols, do time 1, do time 2
    6, 7, 8, 9, 10,          // colunas dos dois times
    11, 12, 13, 14, 15,      // colunas do time 1
    16, 17, 18, 19, 20,      // colunas do time 2
};

using SEntrada = CResumoDoVolante::SDescricao;

void Somar(uint64_t* palavras, int faixa, uint32_t valor)
{
    palavras[faixa / 8] += static_cast<uint64_t>(valor) << (8 * (faixa % 8));
}

SEntrada DescreverPlacar(const CScore& score)
{
    SEntrada entrada;
    const int c1 = score.ColunaDoTime1();
    const int c2 = score.ColunaDoTime2();
    entrada.placar = static_cast<uint8_t>(c1 * 5 + c2);
    entrada.resultado = c1 > c2 ? kVitoriaDoTime1 : c1 == c2 ? kEmpate : kVitoriaDoTime2;
    Somar(entrada.somas, kFaixaDoCriterio[0], c1 > c2);
    Somar(entrada.somas, kFaixaDoCriterio[1], c1 == c2);
    Somar(entrada.somas, kFaixaDoCriterio[2], c1 < c2);
    Somar(entrada.somas, kFaixaDoCriterio[8], static_cast<uint32_t>(c1 + c2));
    Somar(entrada.somas, kFaixaDoCriterio[9], static_cast<uint32_t>(c1));
    Somar(entrada.somas, kFaixaDoCriterio[10], static_cast<uint32_t>(c2));
    for (int c = 0; c < 5; ++c) {
        const bool time1 = score.m_time1[c] == 1;
        const bool time2 = score.m_time2[c] == 1;
        Somar(entrada.somas, kFaixaDoCriterio[static_cast<size_t>(11 + c)], uint32_t{time1} + uint32_t{time2});
        Somar(entrada.somas, kFaixaDoCriterio[static_cast<size_t>(16 + c)], time1);
        Somar(entrada.somas, kFaixaDoCriterio[static_cast<size_t>(21 + c)], time2);
    }
    return entrada;
}

// As 125 células da tabela cheia já descritas: os cartões gerados só usam essas, e
// a geração filtra milhões de cartões.
struct SCelulasDescritas {
    const CScore* inicio;
    const CScore* fim;
    std::array<SEntrada, 125> entradas;

    SCelulasDescritas()
    {
        const auto& celulas = CCartaoCheio::Instancia().Celulas();
        inicio = celulas.data();
        fim = celulas.data() + celulas.size();
        for (size_t i = 0; i < celulas.size(); ++i)
            entradas[i] = DescreverPlacar(celulas[i]);
    }

    // Um placar de fora da tabela (lido de um arquivo) é descrito em 'avulsa'.
    const SEntrada& Descricao(const CScore* score, SEntrada& avulsa) const
    {
        const std::less<const CScore*> antes;
        if (!antes(score, inicio) && antes(score, fim))
            return entradas[static_cast<size_t>(score - inicio)];
        avulsa = DescreverPlacar(*score);
        return avulsa;
    }
};

const SCelulasDescritas& CelulasDescritas()
{
    static const SCelulasDescritas celulas;
    return celulas;
}

void Acrescentar(CResumoDoVolante::SCartaoDescrito& cartao, int lugar, const SEntrada& entrada)
{
    for (int p = 0; p < CResumoDoVolante::kPalavrasDeSomas; ++p)
        cartao.somas[p] += entrada.somas[p];
    cartao.placares[lugar] = entrada.placar;
    cartao.resultados[lugar] = entrada.resultado;
}

} // namespace

CResumoDoVolante::SDescricao CResumoDoVolante::Descrever(const CScore& score)
{
    SEntrada avulsa;
    return CelulasDescritas().Descricao(&score, avulsa);
}

CResumoDoVolante::CResumoDoVolante(const CVolante& volante) : CResumoDoVolante(DescreverCartao(volante)) {}

CResumoDoVolante::SCartaoDescrito CResumoDoVolante::DescreverCartao(const CVolante& volante)
{
    const SCelulasDescritas& celulas = CelulasDescritas();
    SCartaoDescrito cartao;
    cartao.qtde = std::clamp(volante.m_qtde, 0, 5);
    for (int i = 0; i < cartao.qtde; ++i) {
        SEntrada avulsa;
        Acrescentar(cartao, i, celulas.Descricao(volante.m_scores[i], avulsa));
    }
    return cartao;
}

CResumoDoVolante::SCartaoDescrito CResumoDoVolante::DescreverCartao(int qtde, const SDescricao* const* descricoes)
{
    SCartaoDescrito cartao;
    cartao.qtde = std::clamp(qtde, 0, 5);
    for (int i = 0; i < cartao.qtde; ++i)
        Acrescentar(cartao, i, *descricoes[i]);
    return cartao;
}

namespace {

// Para cada entrada, 1 mais as posteriores com o mesmo placar; a maior, entre todas e
// entre as de cada resultado. E a maior sequência de entradas seguidas iguais.
uint64_t RepeticoesContadas(const uint8_t (&placares)[5], const uint8_t (&resultados)[5], int qtde)
{
    uint32_t maior[4] = {};  // por resultado; o índice kSemEntrada fica com qualquer um
    uint32_t maior_sequencia = 0;
    uint32_t sequencia = 0;
    for (int i = 0; i < qtde; ++i) {
        uint32_t iguais = 1;
        for (int j = i + 1; j < qtde; ++j)
            iguais += placares[j] == placares[i];
        maior[resultados[i]] = std::max(maior[resultados[i]], iguais);
        maior[kSemEntrada] = std::max(maior[kSemEntrada], iguais);
        sequencia = i > 0 && placares[i] == placares[i - 1] ? sequencia + 1 : 1;
        maior_sequencia = std::max(maior_sequencia, sequencia);
    }
    uint64_t faixas[CResumoDoVolante::kPalavras] = {};
    Somar(faixas, kFaixaDoCriterio[3], maior[kSemEntrada]);
    Somar(faixas, kFaixaDoCriterio[4], maior_sequencia);
    Somar(faixas, kFaixaDoCriterio[5], maior[kVitoriaDoTime1]);
    Somar(faixas, kFaixaDoCriterio[6], maior[kVitoriaDoTime2]);
    Somar(faixas, kFaixaDoCriterio[7], maior[kEmpate]);
    return faixas[CResumoDoVolante::kPalavrasDeSomas];
}

// Um bit por par de lugares (i < j) com o mesmo placar.
unsigned ParesIguais(const uint8_t (&placares)[5])
{
    unsigned pares = 0;
    unsigned bit = 0;
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            pares |= unsigned{placares[i] == placares[j]} << bit++;
    return pares;
}

// As repetições de um cartão de cinco entradas só dependem de quais lugares têm o mesmo
// placar (uma das 52 partições dos 5 lugares) e do resultado de cada lugar (3^5
// combinações): a contagem é feita uma vez para cada par e consultada a cada cartão.
class CTabelaDeRepeticoes {
public:
    CTabelaDeRepeticoes()
    {
        m_particao.fill(0);
        uint8_t placares[5] = {};
        Particionar(placares, 1, 1);
    }

    uint64_t Palavra(const uint8_t (&placares)[5], const uint8_t (&resultados)[5]) const
    {
        unsigned combinacao = 0;
        for (int i = 4; i >= 0; --i)
            combinacao = combinacao * 3 + resultados[i];
        return m_palavras[m_particao[ParesIguais(placares)]][combinacao];
    }

private:
    static constexpr unsigned kCombinacoes = 243;

    // Cada partição como o lugar i no bloco 0..(blocos até ali).
    void Particionar(uint8_t (&placares)[5], int lugar, uint8_t blocos)
    {
        if (lugar == 5) {
            m_particao[ParesIguais(placares)] = static_cast<uint8_t>(m_palavras.size());
            auto& palavras = m_palavras.emplace_back();
            for (unsigned combinacao = 0; combinacao < kCombinacoes; ++combinacao) {
                uint8_t resultados[5];
                for (unsigned i = 0, resto = combinacao; i < 5; ++i, resto /= 3)
                    resultados[i] = static_cast<uint8_t>(resto % 3);
                palavras[combinacao] = RepeticoesContadas(placares, resultados, 5);
            }
            return;
        }
        for (uint8_t bloco = 0; bloco <= blocos; ++bloco) {
            placares[lugar] = bloco;
            Particionar(placares, lugar + 1, static_cast<uint8_t>(std::max<int>(blocos, bloco + 1)));
        }
    }

    std::array<uint8_t, 1 << 10> m_particao;
    std::vector<std::array<uint64_t, kCombinacoes>> m_palavras;
};

const CTabelaDeRepeticoes& TabelaDeRepeticoes()
{
    static const CTabelaDeRepeticoes tabela;
    return tabela;
}

} // namespace

// Um cartão de cinco entradas (todos os gerados e os lidos) vai pela tabela; qtde fora de
// 0..5 vale como a mais próxima.
uint64_t CResumoDoVolante::Repeticoes(const SCartaoDescrito& cartao)
{
    if (cartao.qtde >= 5)
        return TabelaDeRepeticoes().Palavra(cartao.placares, cartao.resultados);
    return RepeticoesContadas(cartao.placares, cartao.resultados, std::max(cartao.qtde, 0));
}

int CResumoDoVolante::FaixaDoCriterio(int criterio)
{
    if (criterio < 0 || criterio >= static_cast<int>(kFaixaDoCriterio.size()))
        throw std::out_of_range("critério de filtro inexistente");
    return kFaixaDoCriterio[static_cast<size_t>(criterio)];
}

uint32_t CResumoDoVolante::Estatistica(int criterio) const
{
    const int faixa = FaixaDoCriterio(criterio);
    return static_cast<uint32_t>((m_faixas[faixa / 8] >> (8 * (faixa % 8))) & 0xFF);
}
