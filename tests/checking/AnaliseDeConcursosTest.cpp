#include "checking/AnaliseDeConcursos.h"

#include "core/CartaoCheio.h"
#include "core/ListaDeVolantes.h"
#include "tests/support/Montagem.h"
#include "checking/ProgressoDaAnalise.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// Registra as chamadas; pede a parada a partir da n-ésima vez da interface.
class CProgressoDeTeste : public IProgressoAnalise {
public:
    int parar_na_vez = 0;  // 0: nunca
    int vezes = 0;
    std::vector<SLinhaDaAnalise> concluidas;

    void BombearMensagens() override { ++vezes; }
    bool PararSolicitado() const override { return parar_na_vez > 0 && vezes >= parar_na_vez; }
    void ConcursoConcluido(const SLinhaDaAnalise& linha) override { concluidas.push_back(linha); }
};

std::string PlacaresAleatorios(std::mt19937& sorteio)
{
    static const char* const kColunas[] = {"0", "1", "2", "3", "+"};
    std::uniform_int_distribution<int> coluna(0, 4);
    std::string texto;
    for (int jogo = 0; jogo < 5; ++jogo)
        texto += std::string(jogo ? " " : "") + kColunas[coluna(sorteio)] + "x" + kColunas[coluna(sorteio)];
    return texto;
}

// Dez concursos 100..109 e cartões sorteados; a referência é ContarAcertos.
class AnaliseDeConcursos : public testing::Test {
protected:
    void SetUp() override
    {
        std::mt19937 sorteio(7);
        for (int i = 0; i < 10; ++i)
            m_resultados.push_back(ResultadoDosPlacares(100 + i, PlacaresAleatorios(sorteio)));
    }

    void SortearCartoes(int quantidade)
    {
        std::mt19937 sorteio(11);
        for (int i = 0; i < quantidade; ++i)
            AdicionarCartao(m_volantes, PlacaresAleatorios(sorteio));
    }

    SLinhaDaAnalise Referencia(const CResultadoVarenta& resultado) const
    {
        CVolante cartao;
        cartao.m_qtde = static_cast<int32_t>(std::min<size_t>(resultado.m_scores.size(), 5));
        for (int i = 0; i < cartao.m_qtde; ++i)
            cartao.m_scores[i] = resultado.m_scores[size_t(i)].get();
        cartao.OrdenarPorJogo();
        SLinhaDaAnalise linha{resultado.m_concurso, {}};
        for (const CVolante v : m_volantes)
            ++linha.m_acertos[size_t(cartao.ContarAcertos(v))];
        return linha;
    }

    AcertosPorClasse Soma(const std::vector<SLinhaDaAnalise>& linhas) const
    {
        AcertosPorClasse total{};
        for (const SLinhaDaAnalise& linha : linhas)
            for (size_t k = 0; k < 6; ++k)
                total[k] += linha.m_acertos[k];
        return total;
    }

    CListaDeResultados m_resultados;
    CListaDeVolantes m_volantes;
};

TEST_F(AnaliseDeConcursos, LinhasETotalIguaisAContarAcertos)
{
    SortearCartoes(3000);
    CAnaliseDeConcursos analise(m_resultados);
    CProgressoDeTeste progresso;

    analise.Analisar(m_volantes, 2, 6, progresso);

    std::vector<SLinhaDaAnalise> esperado;
    for (size_t i = 2; i <= 6; ++i)
        esperado.push_back(Referencia(*m_resultados[i]));
    EXPECT_EQ(analise.Linhas(), esperado);
    EXPECT_EQ(progresso.concluidas, esperado);
    EXPECT_EQ(analise.Total(), Soma(esperado));
    EXPECT_FALSE(analise.Interrompida());
    EXPECT_EQ(progresso.vezes, 5 * 3);  // cartões 1, 1001 e 2001 de cada concurso
}

TEST_F(AnaliseDeConcursos, EntradasForaDoComumContamComoEmContarAcertos)
{
    SortearCartoes(50);
    // Placares que não são células do quadro: duas marcas num time, jogo fora de 0..4, nenhum.
    CScore duas_marcas;
    duas_marcas.m_jogo = 1;
    duas_marcas.m_time1[0] = duas_marcas.m_time1[2] = 1;
    duas_marcas.m_time2[1] = 1;
    CScore jogo_invalido = *CCartaoCheio::Instancia().Celula(0, 3);
    jogo_invalido.m_jogo = 7;
    CScore copia = *m_resultados[0]->m_scores[2];  // mesmo placar, outro objeto
    const CScore* entradas_estranhas[3][5] = {
        {m_resultados[0]->m_scores[3].get(), &copia, &duas_marcas, nullptr, &jogo_invalido},
        {&duas_marcas, &duas_marcas, &copia, &copia, m_resultados[0]->m_scores[0].get()},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    for (auto& entradas : entradas_estranhas) {
        CVolante volante;
        volante.m_qtde = 5;
        std::copy(std::begin(entradas), std::end(entradas), volante.m_scores);
        m_volantes.Adicionar(volante);
    }
    // Resultados fora do comum: placares fora de ordem, só quatro, e um com as duas marcas.
    std::reverse(m_resultados[0]->m_scores.begin(), m_resultados[0]->m_scores.end());
    m_resultados[1]->m_scores.pop_back();
    *m_resultados[2]->m_scores[1] = duas_marcas;

    CAnaliseDeConcursos analise(m_resultados);
    CProgressoDeTeste progresso;
    analise.Analisar(m_volantes, 0, 9, progresso);

    ASSERT_EQ(analise.Linhas().size(), 10u);
    for (size_t i = 0; i < 10; ++i)
        EXPECT_EQ(analise.Linhas()[i], Referencia(*m_resultados[i])) << "concurso " << i;
}

TEST_F(AnaliseDeConcursos, ParadaNoTerceiroConcursoTerminaEleEFicaComOsTres)
{
    SortearCartoes(2500);
    CAnaliseDeConcursos analise(m_resultados);
    CProgressoDeTeste progresso;
    progresso.parar_na_vez = 7;  // primeira vez do terceiro concurso (três por concurso)

    analise.Analisar(m_volantes, 0, 9, progresso);

    ASSERT_EQ(analise.Linhas().size(), 3u);
    EXPECT_EQ(analise.Linhas()[2], Referencia(*m_resultados[2]));
    EXPECT_EQ(analise.Total(), Soma(analise.Linhas()));
    EXPECT_TRUE(analise.Interrompida());
    EXPECT_EQ(progresso.vezes, 9);
    EXPECT_EQ(progresso.concluidas.size(), 3u);
}

TEST_F(AnaliseDeConcursos, NovaAnaliseRecomecaDoZero)
{
    SortearCartoes(1001);
    CAnaliseDeConcursos analise(m_resultados);
    CProgressoDeTeste parada;
    parada.parar_na_vez = 1;
    analise.Analisar(m_volantes, 0, 9, parada);
    ASSERT_EQ(analise.Linhas().size(), 1u);

    CProgressoDeTeste progresso;
    analise.Analisar(m_volantes, 3, 4, progresso);

    ASSERT_EQ(analise.Linhas().size(), 2u);
    EXPECT_EQ(analise.Linhas()[0].m_concurso, 103);
    EXPECT_EQ(analise.Total(), Soma(analise.Linhas()));
    EXPECT_FALSE(analise.Interrompida());
    EXPECT_EQ(progresso.vezes, 2 * 2);  // cartões 1 e 1001
}

TEST_F(AnaliseDeConcursos, SemCartoesCadaConcursoTemZerosENaoChamaAInterface)
{
    CAnaliseDeConcursos analise(m_resultados);
    CProgressoDeTeste progresso;

    analise.Analisar(m_volantes, 0, 9, progresso);

    ASSERT_EQ(analise.Linhas().size(), 10u);
    for (const SLinhaDaAnalise& linha : analise.Linhas())
        EXPECT_EQ(linha.m_acertos, AcertosPorClasse{});
    EXPECT_EQ(analise.Linhas()[9].m_concurso, 109);
    EXPECT_EQ(analise.Total(), AcertosPorClasse{});
    EXPECT_EQ(progresso.vezes, 0);
}

struct SFaixa {
    int inicial;
    int final;
    std::vector<int32_t> concursos;
    int linhas_da_grade;
};

TEST_F(AnaliseDeConcursos, FaixasDeConcursos)
{
    SortearCartoes(20);
    const SFaixa faixas[] = {
        {4, 4, {104}, 3},                 // o mesmo concurso: uma linha, "Total:" na linha 2
        {5, 3, {}, 2},                    // final antes do inicial: só o total de zeros
        {-1, -1, {}, 3},                  // seletores vazios
        {8, 12, {108, 109}, 7},           // a lista acaba antes da faixa
        {0, 1, {100, 101}, 4},
    };
    for (const SFaixa& faixa : faixas) {
        CAnaliseDeConcursos analise(m_resultados);
        CProgressoAnaliseSilencioso progresso;
        analise.Analisar(m_volantes, faixa.inicial, faixa.final, progresso);
        std::vector<int32_t> concursos;
        for (const SLinhaDaAnalise& linha : analise.Linhas())
            concursos.push_back(linha.m_concurso);
        EXPECT_EQ(concursos, faixa.concursos) << faixa.inicial << ".." << faixa.final;
        EXPECT_EQ(analise.Total(), Soma(analise.Linhas()));
        EXPECT_EQ(CAnaliseDeConcursos::LinhasDaGrade(faixa.inicial, faixa.final), faixa.linhas_da_grade);
    }
}

TEST(AnaliseSemResultados, NenhumaLinhaETotalZero)
{
    const CListaDeResultados vazia;
    CListaDeVolantes volantes;
    AdicionarCartao(volantes, "1x0 2x2 +x1 0x0 3x+");
    CAnaliseDeConcursos analise(vazia);
    CProgressoAnaliseSilencioso progresso;

    analise.Analisar(volantes, -1, -1, progresso);

    EXPECT_TRUE(analise.Linhas().empty());
    EXPECT_EQ(analise.Total(), AcertosPorClasse{});
}

} // namespace
