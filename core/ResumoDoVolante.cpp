#include "core/ResumoDoVolante.h"

#include "core/CartaoCheio.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>

namespace {

// Posição de cada contador (byte de m_contadores); os três primeiros servem também
// de código do resultado de uma entrada.
enum : int {
    kVitoriasDoTime1 = 0,
    kEmpates = 1,
    kVitoriasDoTime2 = 2,
    kGolsDoTime1 = 3,
    kGolsDoTime2 = 4,
    kColunasDoTime1 = 5,   // 5..9
    kColunasDoTime2 = 10,  // 10..14
};
constexpr int kQualquerResultado = -1;

using SEntrada = CResumoDoVolante::SDescricao;

void Somar(uint64_t (&contadores)[2], int indice, int valor)
{
    contadores[indice / 8] += static_cast<uint64_t>(valor) << (8 * (indice % 8));
}

SEntrada DescreverPlacar(const CScore& score)
{
    SEntrada entrada;
    const int c1 = score.ColunaDoTime1();
    const int c2 = score.ColunaDoTime2();
    entrada.placar = static_cast<uint8_t>(c1 * 5 + c2);
    entrada.resultado = static_cast<uint8_t>(c1 > c2 ? kVitoriasDoTime1 : c1 == c2 ? kEmpates : kVitoriasDoTime2);
    Somar(entrada.contadores, entrada.resultado, 1);
    Somar(entrada.contadores, kGolsDoTime1, c1);
    Somar(entrada.contadores, kGolsDoTime2, c2);
    for (int c = 0; c < 5; ++c) {
        Somar(entrada.contadores, kColunasDoTime1 + c, score.m_time1[c] == 1);
        Somar(entrada.contadores, kColunasDoTime2 + c, score.m_time2[c] == 1);
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

} // namespace

CResumoDoVolante::SDescricao CResumoDoVolante::Descrever(const CScore& score)
{
    SEntrada avulsa;
    return CelulasDescritas().Descricao(&score, avulsa);
}

CResumoDoVolante::CResumoDoVolante(const CVolante& volante) : m_qtde(std::clamp(volante.m_qtde, 0, 5))
{
    const SCelulasDescritas& celulas = CelulasDescritas();
    for (int i = 0; i < m_qtde; ++i) {
        SEntrada avulsa;
        Somar(i, celulas.Descricao(volante.m_scores[i], avulsa));
    }
}

CResumoDoVolante::CResumoDoVolante(int qtde, const SDescricao* const* descricoes) : m_qtde(std::clamp(qtde, 0, 5))
{
    for (int i = 0; i < m_qtde; ++i)
        Somar(i, *descricoes[i]);
}

void CResumoDoVolante::Somar(int lugar, const SDescricao& entrada)
{
    m_contadores[0] += entrada.contadores[0];
    m_contadores[1] += entrada.contadores[1];
    m_placares[lugar] = entrada.placar;
    m_resultados[lugar] = entrada.resultado;
}

uint32_t CResumoDoVolante::Estatistica(int criterio) const
{
    switch (criterio) {
    case 0: return Contador(kVitoriasDoTime1);
    case 1: return Contador(kEmpates);
    case 2: return Contador(kVitoriasDoTime2);
    case 3: return MaiorRepeticao(kQualquerResultado);
    case 4: return MaiorSequencia();
    case 5: return MaiorRepeticao(kVitoriasDoTime1);
    case 6: return MaiorRepeticao(kVitoriasDoTime2);
    case 7: return MaiorRepeticao(kEmpates);
    case 8: return Contador(kGolsDoTime1) + Contador(kGolsDoTime2);
    case 9: return Contador(kGolsDoTime1);
    case 10: return Contador(kGolsDoTime2);
    default: break;
    }
    if (criterio >= 11 && criterio <= 15)
        return Contador(kColunasDoTime1 + criterio - 11) + Contador(kColunasDoTime2 + criterio - 11);
    if (criterio >= 16 && criterio <= 20)
        return Contador(kColunasDoTime1 + criterio - 16);
    if (criterio >= 21 && criterio <= 25)
        return Contador(kColunasDoTime2 + criterio - 21);
    throw std::out_of_range("critério de filtro inexistente");
}

uint32_t CResumoDoVolante::Contador(int indice) const
{
    return static_cast<uint32_t>((m_contadores[indice / 8] >> (8 * (indice % 8))) & 0xFF);
}

uint32_t CResumoDoVolante::MaiorRepeticao(int resultado) const
{
    uint32_t maior = 0;
    for (int i = 0; i < m_qtde; ++i) {
        if (resultado != kQualquerResultado && m_resultados[i] != resultado)
            continue;
        uint32_t iguais = 1;
        for (int j = i + 1; j < m_qtde; ++j)
            iguais += m_placares[j] == m_placares[i];
        maior = std::max(maior, iguais);
    }
    return maior;
}

uint32_t CResumoDoVolante::MaiorSequencia() const
{
    uint32_t maior = 0;
    uint32_t atual = 0;
    for (int i = 0; i < m_qtde; ++i) {
        atual = i > 0 && m_placares[i] == m_placares[i - 1] ? atual + 1 : 1;
        maior = std::max(maior, atual);
    }
    return maior;
}
