#include "checking/RetornoDaAposta.h"

#include "checking/AnaliseDeConcursos.h"
#include "checking/ProgressoDaAnalise.h"
#include "core/ListaDeVolantes.h"
#include "tests/support/Montagem.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Textos = std::array<std::string, 6>;

// Três concursos com rateios conhecidos e quatro cartões de acertos contados à mão:
//   101: B e C com 3, A com 5          -> 2 x 10,50 + 5000,00 = 5021,00
//   102: A e C com 4 (B e D com 2)     -> 2 x 150,25          =  300,50
//   103: D com 3                       -> 1 x 5,00            =    5,00
// O rateio de 2 acertos do 101 não é prêmio: os cartões com 2 acertos não ganham nada.
class RetornoDaAposta : public testing::Test {
protected:
    void SetUp() override
    {
        Concurso(101, "1x0 2x2 +x1 0x0 3x+", {10.50, 200.00, 5000.00});
        m_resultados.back()->m_rateio[2] = 1000.0;
        Concurso(102, "0x1 2x2 +x1 0x0 3x+", {8.00, 150.25, 0.0});
        Concurso(103, "3x3 3x3 3x3 3x3 3x3", {5.00, 90.00, 7000.00});
        for (const char* cartao : {"1x0 2x2 +x1 0x0 3x+", "1x0 2x2 +x1 1x1 1x1", "0x1 2x2 +x1 0x0 1x1",
                                   "3x3 3x3 3x3 0x0 3x+"})
            AdicionarCartao(m_volantes, cartao);
    }

    void Concurso(int32_t numero, const std::string& placares, const std::array<double, 3>& rateios)
    {
        m_resultados.push_back(ResultadoDosPlacares(numero, placares));
        for (size_t faixa = 0; faixa < 3; ++faixa)
            m_resultados.back()->m_rateio[faixa + 3] = rateios[faixa];
    }

    // Linhas de texto do retorno de inicial a final, com o total no fim.
    std::vector<Textos> Retorno(int inicial, int final, double preco) const
    {
        CAnaliseDeConcursos analise(m_resultados);
        CProgressoAnaliseSilencioso progresso;
        analise.Analisar(m_volantes, inicial, final, progresso);
        const CRetornoDaAposta retorno(m_resultados, inicial, analise, preco);
        std::vector<Textos> linhas;
        for (const SRetornoDoConcurso& concurso : retorno.Concursos()) {
            Textos textos = TextosDoRetorno(concurso);
            textos[0] = std::to_string(concurso.m_concurso) + ":" + textos[0];
            linhas.push_back(textos);
        }
        linhas.push_back(TextosDoRetorno(retorno.Total()));
        return linhas;
    }

    CListaDeResultados m_resultados;
    CListaDeVolantes m_volantes;
};

TEST_F(RetornoDaAposta, PremioCustoESaldoDeCadaConcursoEDaFaixa)
{
    struct Caso {
        const char* nome;
        int inicial;
        int final;
        double preco;
        std::vector<Textos> esperado;
    } const casos[] = {
        {"a faixa toda, o último concurso no prejuízo", 0, 2, 8.0,
         {{"101:2", "0", "1", "5021.00", "8.00", "5013.00"},
          {"102:0", "2", "0", "300.50", "8.00", "292.50"},
          {"103:1", "0", "0", "5.00", "8.00", "-3.00"},
          {"3", "2", "1", "5326.50", "24.00", "5302.50"}}},
        {"só as posições 1 e 2: os rateios andam com os concursos", 1, 2, 8.0,
         {{"102:0", "2", "0", "300.50", "8.00", "292.50"},
          {"103:1", "0", "0", "5.00", "8.00", "-3.00"},
          {"1", "2", "0", "305.50", "16.00", "289.50"}}},
        {"um concurso só, o último", 2, 2, 8.0,
         {{"103:1", "0", "0", "5.00", "8.00", "-3.00"}, {"1", "0", "0", "5.00", "8.00", "-3.00"}}},
        {"aposta cara: saldo negativo no total", 0, 2, 3000.0,
         {{"101:2", "0", "1", "5021.00", "3000.00", "2021.00"},
          {"102:0", "2", "0", "300.50", "3000.00", "-2699.50"},
          {"103:1", "0", "0", "5.00", "3000.00", "-2995.00"},
          {"3", "2", "1", "5326.50", "9000.00", "-3673.50"}}},
        {"faixa invertida: nenhum concurso, total zero", 2, 0, 8.0, {{"0", "0", "0", "0.00", "0.00", "0.00"}}},
        {"nada escolhido nos seletores", -1, -1, 8.0, {{"0", "0", "0", "0.00", "0.00", "0.00"}}},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(Retorno(caso.inicial, caso.final, caso.preco), caso.esperado) << caso.nome;
}

TEST_F(RetornoDaAposta, SemCartoesSoOCusto)
{
    m_volantes.Esvaziar();
    EXPECT_EQ(Retorno(0, 1, 2.0), (std::vector<Textos>{{"101:0", "0", "0", "0.00", "2.00", "-2.00"},
                                                       {"102:0", "0", "0", "0.00", "2.00", "-2.00"},
                                                       {"0", "0", "0", "0.00", "4.00", "-4.00"}}));
}

TEST_F(RetornoDaAposta, AnaliseDeOutraListaNaoSeMistura)
{
    CAnaliseDeConcursos analise(m_resultados);
    CProgressoAnaliseSilencioso progresso;
    analise.Analisar(m_volantes, 0, 2, progresso);
    CListaDeResultados outra;
    outra.push_back(ResultadoDosPlacares(500, "0x0 0x0 0x0 0x0 0x0"));
    EXPECT_THROW(CRetornoDaAposta(outra, 0, analise, 1.0), std::logic_error);
    EXPECT_THROW(CRetornoDaAposta(m_resultados, 1, analise, 1.0), std::logic_error);
}

} // namespace
