#include "checking/Conferencia.h"

#include "core/ErroDoUsuario.h"
#include "core/ListaDeVolantes.h"
#include "tests/support/Montagem.h"
#include "core/PlacaresEmTexto.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kResultado = "1x0 2x2 +x1 0x0 3x+";

struct SCasoDeTexto {
    int acertos;
    int quantidade;
    const char* texto;
};

TEST(TextoDaAnalise, CadaClasseNoSingularPluralENenhum)
{
    const SCasoDeTexto casos[] = {
        {0, 0, "Todos os cartões obtiveram ao menos 1 acerto."},
        {0, 1, "Foi encontrado 1 cartão com nenhum acerto"},
        {0, 2, "Foram encontrados 2 cartões com nenhum acerto."},
        {1, 0, "Não foi encontrado nenhum cartão com apenas 1 acerto."},
        {1, 1, "Foi encontrado 1 cartão com 1 acerto"},
        {1, 3, "Foram encontrados 3 cartões com 1 acerto"},
        {2, 0, "Não foi encontrado nenhum cartão com 2 acertos."},
        {3, 1, "Foi encontrado 1 cartão com 3 acertos."},
        {4, 2, "Foram encontrados 2 cartões com 4 acertos."},
        {5, 0, "Não foi encontrado nenhum cartão com 5 acertos."},
        {5, 1000, "Foram encontrados 1000 cartões com 5 acertos."},
    };
    for (const SCasoDeTexto& caso : casos)
        EXPECT_EQ(TextoDaAnalise(caso.acertos, caso.quantidade), caso.texto)
            << caso.acertos << " acertos, " << caso.quantidade << " cartões";
}

TEST(CartaoResultado, UmaMarcaPorTimeEmCadaJogo)
{
    const CCartaoResultado cartao(LerPlacares(kResultado));
    const CVolante& volante = cartao.Volante();
    ASSERT_EQ(volante.m_qtde, 5);
    EXPECT_EQ(MarcasDoCartao(volante), kResultado);
    for (int jogo = 0; jogo < 5; ++jogo)
        EXPECT_EQ(volante.m_scores[jogo]->m_jogo, jogo);
}

TEST(CartaoResultado, ColunaForaDeZeroAQuatroEhRecusada)
{
    std::array<int, 10> colunas{};
    colunas[7] = 5;
    EXPECT_THROW(CCartaoResultado{colunas}, CErroDoUsuario);
    colunas[7] = -1;
    EXPECT_THROW(CCartaoResultado{colunas}, CErroDoUsuario);
}

TEST(ConferirVolantes, SemCartoesSeisLinhasDeNenhumESemPremios)
{
    const CListaDeVolantes volantes;
    const CCartaoResultado resultado(LerPlacares(kResultado));
    std::vector<std::string> resumo{"velha"};
    std::vector<SLinhaColorida> premios{{"velha", 1}};

    EXPECT_FALSE(ConferirVolantes(volantes, resultado.Volante(), resumo, premios));

    const std::vector<std::string> esperado{
        "Todos os cartões obtiveram ao menos 1 acerto.",
        "Não foi encontrado nenhum cartão com apenas 1 acerto.",
        "Não foi encontrado nenhum cartão com 2 acertos.",
        "Não foi encontrado nenhum cartão com 3 acertos.",
        "Não foi encontrado nenhum cartão com 4 acertos.",
        "Não foi encontrado nenhum cartão com 5 acertos.",
    };
    EXPECT_EQ(resumo, esperado);
    EXPECT_TRUE(premios.empty());
}

TEST(ConferirVolantes, PremiosComPosicaoNaListaInteiraECorPorAcertos)
{
    CListaDeVolantes volantes;
    for (int i = 1; i <= 16; ++i)
        AdicionarCartao(volantes, "0x1 0x1 0x1 0x1 0x1");  // nenhum acerto
    AdicionarCartao(volantes, "1x0 2x2 +x1 1x1 1x1");      // 17º: 3 acertos
    AdicionarCartao(volantes, "1x0 2x2 +x1 0x0 3x3");      // 4 acertos
    AdicionarCartao(volantes, "1x0 2x2 +x1 0x0 2x+");      // 4 acertos (só o time 1 do jogo 5 erra)
    AdicionarCartao(volantes, "1x1 1x1 1x1 1x1 1x1");      // nenhum acerto
    AdicionarCartao(volantes, kResultado);                  // 5 acertos
    const CCartaoResultado resultado(LerPlacares(kResultado));
    std::vector<std::string> resumo;
    std::vector<SLinhaColorida> premios;

    EXPECT_TRUE(ConferirVolantes(volantes, resultado.Volante(), resumo, premios));

    const std::vector<SLinhaColorida> esperado{
        {"O volante 17 tem 3 pontos !!!", Rgb(30, 150, 50)},
        {"O volante 18 tem 4 pontos !!!", Rgb(0, 0, 255)},
        {"O volante 19 tem 4 pontos !!!", Rgb(0, 0, 255)},
        {"O volante 21 tem 5 pontos !!!", Rgb(255, 0, 0)},
    };
    EXPECT_EQ(premios, esperado);
    ASSERT_EQ(resumo.size(), 6u);
    EXPECT_EQ(resumo[0], "Foram encontrados 17 cartões com nenhum acerto.");
    EXPECT_EQ(resumo[3], "Foi encontrado 1 cartão com 3 acertos.");
    EXPECT_EQ(resumo[4], "Foram encontrados 2 cartões com 4 acertos.");
    EXPECT_EQ(resumo[5], "Foi encontrado 1 cartão com 5 acertos.");
}

TEST(ConferirVolantes, MaisEhUmaColunaComumQueSoAcertaMais)
{
    CListaDeVolantes volantes;
    AdicionarCartao(volantes, "0x1 0x1 +x1 0x1 0x1");  // "+" contra "+" no jogo 3
    AdicionarCartao(volantes, "0x1 0x1 3x1 0x1 0x1");  // "3" contra "+"
    const CCartaoResultado resultado(LerPlacares(kResultado));
    std::vector<std::string> resumo;
    std::vector<SLinhaColorida> premios;

    ConferirVolantes(volantes, resultado.Volante(), resumo, premios);

    EXPECT_EQ(resumo[0], "Foi encontrado 1 cartão com nenhum acerto");
    EXPECT_EQ(resumo[1], "Foi encontrado 1 cartão com 1 acerto");
}

} // namespace
