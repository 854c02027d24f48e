#include "results/FaixasDoResultado.h"

#include "results/ValoresDoResultado.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr double kInfinito = std::numeric_limits<double>::infinity();
const double kNaoNumero = std::nan("");

TEST(FaixasDoResultado, LimitesDeCadaFaixa)
{
    struct SCaso {
        int64_t valor;
        bool concurso;
        bool ganhadores;
    };
    const SCaso casos[] = {
        {-1, false, false}, {0, false, true}, {1, true, true}, {99999, true, true},
        {100000, false, true}, {2147483647, false, true}, {2147483648, false, false},
    };
    for (const SCaso& caso : casos) {
        EXPECT_EQ(ConcursoNaFaixa(caso.valor), caso.concurso) << caso.valor;
        EXPECT_EQ(GanhadoresNaFaixa(caso.valor), caso.ganhadores) << caso.valor;
    }
    struct SReais {
        double valor;
        bool na_faixa;
    };
    const SReais reais[] = {
        {0.0, true},        {0.01, true},       {9999999999999.99, true}, {1e13, false},
        {-0.01, false},     {-0.0, true},       {kInfinito, false},       {-kInfinito, false},
        {kNaoNumero, false}, {1e300, false},
    };
    for (const SReais& caso : reais)
        EXPECT_EQ(ReaisNaFaixa(caso.valor), caso.na_faixa) << caso.valor;
}

// Um campo de cada vez fora da faixa: ele é o apontado, e a mensagem o nomeia com a faixa.
TEST(FaixasDoResultado, PrimeiroCampoForaENomeNaMensagem)
{
    struct SCaso {
        const char* quando;
        std::function<void(CResultadoVarenta&)> estragar;
        ECampoDoResultado campo;
        std::string mensagem;
    };
    const SCaso casos[] = {
        {"concurso 0", [](auto& r) { r.m_concurso = 0; }, ECampoDoResultado::Concurso,
         "Concurso fora da faixa (de 1 a 99999): 0."},
        {"concurso 100000", [](auto& r) { r.m_concurso = 100000; }, ECampoDoResultado::Concurso,
         "Concurso fora da faixa (de 1 a 99999): 100000."},
        {"ganhadores negativos", [](auto& r) { r.m_ganhadores[4] = -1; }, ECampoDoResultado::Ganhadores4,
         "Ganhadores com 4 acertos fora da faixa (de 0 a 2147483647): -1."},
        {"rateio 10^13", [](auto& r) { r.m_rateio[5] = 1e13; }, ECampoDoResultado::Rateio5,
         "Rateio de 5 acertos fora da faixa (de 0 a menos de 10000000000000): 10000000000000.00."},
        {"rateio negativo", [](auto& r) { r.m_rateio[3] = -0.5; }, ECampoDoResultado::Rateio3,
         "Rateio de 3 acertos fora da faixa (de 0 a menos de 10000000000000): -0.50."},
        {"acumulado infinito", [](auto& r) { r.m_valorAcumulado = kInfinito; }, ECampoDoResultado::ValorAcumulado,
         "Valor acumulado fora da faixa (de 0 a menos de 10000000000000): não é um número."},
        {"acumulado não número", [](auto& r) { r.m_valorAcumulado = kNaoNumero; }, ECampoDoResultado::ValorAcumulado,
         "Valor acumulado fora da faixa (de 0 a menos de 10000000000000): não é um número."},
    };
    for (const SCaso& caso : casos) {
        CResultadoVarenta resultado;
        resultado.m_concurso = 1;
        caso.estragar(resultado);
        EXPECT_EQ(CampoForaDaFaixa(resultado), caso.campo) << caso.quando;
        try {
            ExigirFaixas(resultado);
            ADD_FAILURE() << caso.quando;
        } catch (const CCampoForaDaFaixa& erro) {
            EXPECT_EQ(erro.Campo(), caso.campo) << caso.quando;
            EXPECT_EQ(erro.what(), caso.mensagem) << caso.quando;
        }
    }
    CResultadoVarenta limites;
    limites.m_concurso = 99999;
    limites.m_ganhadores[3] = 2147483647;
    limites.m_rateio[4] = 9999999999999.99;
    EXPECT_EQ(CampoForaDaFaixa(limites), std::nullopt);
    EXPECT_NO_THROW(ExigirFaixas(limites));
}

// O registro do diálogo e de "inserir" passa pelas mesmas faixas.
TEST(FaixasDoResultado, NovoResultadoRecusaOForaDaFaixa)
{
    SValoresDoResultado valores;
    valores.concurso = 0;
    EXPECT_THROW(NovoResultado(valores), CCampoForaDaFaixa);
    valores.concurso = 1;
    valores.valor_acumulado = 1e13;
    EXPECT_THROW(NovoResultado(valores), CCampoForaDaFaixa);
    valores.valor_acumulado = 0.01;
    EXPECT_EQ(NovoResultado(valores)->m_acumulado, 1);
}

// A escrita exata pelo printf, para comparar.
std::string ComPrintf(double valor, const char* formato = "%.2f")
{
    char texto[512];
    std::snprintf(texto, sizeof texto, formato, valor);
    return texto;
}

// Só os bytes escritos saem, por maior ou mais estranho que seja o valor.
TEST(TextoFixo, QualquerDoubleSaiInteiroEPorEscrito)
{
    struct SCaso {
        double valor;
        std::optional<int> casas;
        std::string texto;
    };
    const SCaso casos[] = {
        {1234.5, 2, "1234.50"},
        {1e300, 2, ComPrintf(1e300)},
        {-std::numeric_limits<double>::max(), 2, ComPrintf(-std::numeric_limits<double>::max())},
        {-std::numeric_limits<double>::max(), std::nullopt, ComPrintf(-std::numeric_limits<double>::max(), "%.0f")},
        {kInfinito, 2, "inf"},
        {-kInfinito, std::nullopt, "-inf"},
        {kNaoNumero, 2, "nan"},
        {0.1 + 0.2, std::nullopt, "0.30000000000000004"},
        {std::numeric_limits<double>::denorm_min(), std::nullopt, "0." + std::string(323, '0') + "5"},
    };
    for (const SCaso& caso : casos)
        EXPECT_EQ(TextoFixo(caso.valor, caso.casas), caso.texto) << caso.texto;
    EXPECT_EQ(ComPrintf(1e300).size(), 304u);
    EXPECT_EQ(ReaisExatos(1e300), ComPrintf(1e300));
}

} // namespace
