#include "checking/CartaoNaoSimples.h"
#include "checking/CartoesDaReducao.h"
#include "checking/CoberturaConstruida.h"
#include "checking/Fechamento.h"
#include "core/CartaoCheio.h"
#include "core/ErroDoUsuario.h"
#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "core/Volante.h"
#include "tests/support/Montagem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr auto kSemPressa = std::chrono::hours(1);

// Pede a parada a partir da n-ésima vez que a interface tem a vez (0: nunca).
class CProgressoQuePara : public IProgressoFechamento {
public:
    explicit CProgressoQuePara(int parar_na_vez) : m_parar_na_vez(parar_na_vez) {}
    void Atualizar(const SProgressoDoFechamento& progresso) override { ultimo = progresso; }
    void BombearMensagens() override { ++vezes; }
    bool PararSolicitado() const override { return m_parar_na_vez > 0 && vezes >= m_parar_na_vez; }

    int vezes = 0;
    SProgressoDoFechamento ultimo;

private:
    int m_parar_na_vez;
};

std::vector<int32_t> Numeros(const std::vector<std::string>& placares)
{
    CListaDeVolantes lista;
    for (const std::string& cartao : placares)
        AdicionarCartao(lista, cartao);
    return NumerosDosCartoes(lista);
}

// Referência sem nada do espaço de cartões: jogos de mesma célula.
int Acertos(int32_t a, int32_t b)
{
    int acertos = 0;
    for (int jogo = 0; jogo < 5; ++jogo, a /= 25, b /= 25)
        acertos += a % 25 == b % 25;
    return acertos;
}

::testing::AssertionResult CadaCartaoTemUmEscolhido(const std::vector<int32_t>& cartoes,
                                                      const std::vector<bool>& manter, int garantia)
{
    for (size_t i = 0; i < cartoes.size(); ++i) {
        bool garantido = false;
        for (size_t j = 0; j < cartoes.size() && !garantido; ++j)
            garantido = manter[j] && Acertos(cartoes[i], cartoes[j]) >= garantia;
        if (!garantido)
            return ::testing::AssertionFailure() << "cartão " << i << " sem escolhido com " << garantia << " pontos";
    }
    return ::testing::AssertionSuccess();
}

const std::string kZeros = "0x0 0x0 0x0 0x0 0x0";

struct SCasoPequeno {
    const char* nome;
    int garantia;
    std::vector<std::string> cartoes;
    int64_t tamanho;           // o menor possível, conferido à mão
    std::vector<bool> manter;  // o único conjunto desse tamanho (vazio: há vários)
};

void PrintTo(const SCasoPequeno& caso, std::ostream* saida)
{
    *saida << caso.nome;
}

class FechamentoPequeno : public testing::TestWithParam<SCasoPequeno> {};

TEST_P(FechamentoPequeno, EscolheOConjuntoConferidoAMao)
{
    const SCasoPequeno& caso = GetParam();
    const std::vector<int32_t> cartoes = Numeros(caso.cartoes);
    CProgressoFechamentoSilencioso progresso;
    const SResultadoDoFechamento resultado = CFechamento(cartoes, caso.garantia).Reduzir(progresso, kSemPressa);
    if (!caso.manter.empty()) {
        EXPECT_EQ(resultado.manter, caso.manter);
    }
    EXPECT_EQ(resultado.antes, static_cast<int64_t>(caso.cartoes.size()));
    EXPECT_EQ(resultado.depois, caso.tamanho);
    EXPECT_EQ(resultado.depois, std::count(resultado.manter.begin(), resultado.manter.end(), true));
    EXPECT_FALSE(resultado.interrompido);
    EXPECT_TRUE(CadaCartaoTemUmEscolhido(cartoes, resultado.manter, caso.garantia));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FechamentoPequeno,
    testing::Values(
        // O do meio está a um jogo de cada um dos outros.
        SCasoPequeno{"Estrela4", 4, {"1x0 0x0 0x0 0x0 0x0", kZeros, "0x0 2x1 0x0 0x0 0x0", "0x0 0x0 0x0 0x0 +x+"}, 1,
                     {false, true, false, false}},
        // Dois jogos de diferença: com 4 pontos cada um vale por si.
        SCasoPequeno{"Distantes4", 4, {kZeros, "1x0 1x0 0x0 0x0 0x0"}, 2, {true, true}},
        // Os das pontas estão a 4 jogos um do outro e a 2 do do meio.
        SCasoPequeno{"Meio3", 3, {"1x0 1x0 0x0 0x0 0x0", "0x0 0x0 2x2 2x2 0x0", kZeros}, 1, {false, false, true}},
        // Três jogos de diferença: 3 pontos não bastam.
        SCasoPequeno{"Distantes3", 3, {kZeros, "1x0 1x0 1x0 0x0 0x0"}, 2, {true, true}},
        // Repetidos: fica o primeiro.
        SCasoPequeno{"Repetidos", 4, {"3x3 0x0 0x0 0x0 0x0", "3x3 0x0 0x0 0x0 0x0", "3x3 0x0 0x0 0x0 0x0"}, 1,
                     {true, false, false}},
        // Grade 3 x 3 nos jogos 1 e 2: cada cartão cobre a linha e a coluna; com dois sobra
        // uma linha e uma coluna sem nenhum, então três no mínimo.
        SCasoPequeno{"Grade4", 4,
                     {"0x0 0x0 0x0 0x0 0x0", "0x0 1x0 0x0 0x0 0x0", "0x0 2x0 0x0 0x0 0x0",
                      "1x0 0x0 0x0 0x0 0x0", "1x0 1x0 0x0 0x0 0x0", "1x0 2x0 0x0 0x0 0x0",
                      "2x0 0x0 0x0 0x0 0x0", "2x0 1x0 0x0 0x0 0x0", "2x0 2x0 0x0 0x0 0x0"},
                     3, {}},
        // Garantia de 5 pontos: nada sai, nem os repetidos.
        SCasoPequeno{"Cinco", 5, {kZeros, kZeros, "1x0 0x0 0x0 0x0 0x0"}, 3, {true, true, true}},
        SCasoPequeno{"Vazia", 3, {}, 0, {}}),
    [](const testing::TestParamInfo<SCasoPequeno>& info) { return std::string(info.param.nome); });

// Cartões sorteados em poucas células por jogo (como um quadro de favoritos), conferidos
// contra todos os escolhidos pela referência.
std::vector<int32_t> Sorteados(int quantidade, int celulas_por_jogo, uint32_t semente)
{
    std::mt19937 sorteio(semente);
    std::uniform_int_distribution<int> celula(0, celulas_por_jogo - 1);
    std::vector<int32_t> cartoes;
    for (int i = 0; i < quantidade; ++i) {
        int32_t numero = 0;
        for (int jogo = 0, peso = 1; jogo < 5; ++jogo, peso *= 25)
            numero += peso * (2 * celula(sorteio) + 1);  // até 12 células por jogo
        cartoes.push_back(numero);
    }
    return cartoes;
}

struct SCasoDeParada {
    int garantia;
    int parar_na_vez;  // 0: sem parada; -1: prazo zero
};

void PrintTo(const SCasoDeParada& caso, std::ostream* saida)
{
    *saida << "garantia " << caso.garantia << ", parar na vez " << caso.parar_na_vez;
}

class FechamentoParado : public testing::TestWithParam<SCasoDeParada> {};

// Parada em qualquer ponto (ou prazo já vencido): o conjunto continua garantindo os pontos.
TEST_P(FechamentoParado, ContinuaGarantindoOsPontos)
{
    const SCasoDeParada caso = GetParam();
    const std::vector<int32_t> cartoes = Sorteados(600, 6, 5);
    CProgressoQuePara progresso(std::max(caso.parar_na_vez, 0));
    const auto prazo = caso.parar_na_vez < 0 ? CFechamento::Prazo::zero() : CFechamento::Prazo(kSemPressa);
    const SResultadoDoFechamento resultado = CFechamento(cartoes, caso.garantia).Reduzir(progresso, prazo);
    EXPECT_TRUE(CadaCartaoTemUmEscolhido(cartoes, resultado.manter, caso.garantia));
    EXPECT_EQ(resultado.interrompido, caso.parar_na_vez != 0);
    EXPECT_EQ(resultado.depois, std::count(resultado.manter.begin(), resultado.manter.end(), true));
    EXPECT_LT(resultado.depois, resultado.antes);
}

INSTANTIATE_TEST_SUITE_P(Casos, FechamentoParado,
                         testing::Values(SCasoDeParada{3, 0}, SCasoDeParada{4, 0}, SCasoDeParada{3, -1},
                                         SCasoDeParada{4, -1}, SCasoDeParada{3, 1}, SCasoDeParada{4, 2},
                                         SCasoDeParada{3, 40}, SCasoDeParada{4, 300}, SCasoDeParada{3, 2000}));

// Quadro sem chaves: as primeiras `celulas` células de cada jogo, todas as combinações.
std::vector<int32_t> QuadroCompleto(int celulas)
{
    std::vector<int32_t> cartoes = {0};
    for (int32_t peso = 1; peso <= 390625; peso *= 25) {
        std::vector<int32_t> maiores;
        for (int32_t cartao : cartoes)
            for (int celula = 0; celula < celulas; ++celula)
                maiores.push_back(cartao + celula * peso);
        cartoes = std::move(maiores);
    }
    return cartoes;
}

// "1x0 2x2 +x1 0x0 3x+" do número do cartão: célula = 5 x coluna do time 1 + coluna do time 2.
std::string Placares(int32_t cartao)
{
    const char colunas[] = "0123+";
    std::string texto;
    for (int jogo = 0; jogo < 5; ++jogo, cartao /= 25) {
        if (jogo > 0)
            texto += ' ';
        texto += colunas[cartao % 25 / 5];
        texto += 'x';
        texto += colunas[cartao % 5];
    }
    return texto;
}

void Preencher(CListaDeVolantes& lista, const std::vector<int32_t>& cartoes)
{
    for (int32_t cartao : cartoes)
        AdicionarCartao(lista, Placares(cartao));
}

// Cada cartão da aposta, como resultado, dá a um dos escolhidos os pontos: pela conta de
// acertos do próprio cartão, sem nada da redução.
::testing::AssertionResult GaranteCartaoACartao(const std::vector<int32_t>& cartoes,
                                                const std::vector<int32_t>& escolhidos, int garantia)
{
    CListaDeVolantes aposta;
    CListaDeVolantes ficam;
    Preencher(aposta, cartoes);
    Preencher(ficam, escolhidos);
    int posicao = 0;
    for (const CVolante resultado : aposta) {
        bool garantido = false;
        for (const CVolante cartao : ficam)
            garantido = garantido || resultado.ContarAcertos(cartao) >= garantia;
        if (!garantido)
            return ::testing::AssertionFailure() << "cartão " << posicao << " (" << Placares(cartoes[static_cast<size_t>(posicao)])
                                                 << ") sem escolhido com " << garantia << " pontos";
        ++posicao;
    }
    return ::testing::AssertionSuccess();
}

std::vector<int32_t> Mantidos(const std::vector<int32_t>& cartoes, const std::vector<bool>& manter)
{
    std::vector<int32_t> mantidos;
    for (size_t i = 0; i < cartoes.size(); ++i)
        if (manter[i])
            mantidos.push_back(cartoes[i]);
    return mantidos;
}

struct SCasoDeQuadro {
    int celulas;
    int garantia;
    int64_t tamanho;  // o menor conhecido, que a busca ou a construção alcança
    int64_t piso;     // distintos / maior bola
};

void PrintTo(const SCasoDeQuadro& caso, std::ostream* saida)
{
    *saida << caso.celulas << "^5, garantia " << caso.garantia;
}

class FechamentoDeQuadro : public testing::TestWithParam<SCasoDeQuadro> {};

// Os menores conhecidos (3^5: 27 e 8; 4^5: 64, o código de Hamming, e 16) e o piso.
TEST_P(FechamentoDeQuadro, ChegaAoMenorConhecido)
{
    const SCasoDeQuadro caso = GetParam();
    const std::vector<int32_t> cartoes = QuadroCompleto(caso.celulas);
    CProgressoFechamentoSilencioso progresso;
    const SResultadoDoFechamento resultado = CFechamento(cartoes, caso.garantia).Reduzir(progresso, kSemPressa);
    EXPECT_EQ(resultado.depois, caso.tamanho);
    EXPECT_EQ(resultado.piso, caso.piso);
    EXPECT_EQ(resultado.MinimoComprovado(), caso.tamanho == caso.piso);
    EXPECT_FALSE(resultado.interrompido);
    EXPECT_TRUE(GaranteCartaoACartao(cartoes, Mantidos(cartoes, resultado.manter), caso.garantia));
}

INSTANTIATE_TEST_SUITE_P(Casos, FechamentoDeQuadro,
                         testing::Values(SCasoDeQuadro{2, 3, 2, 2}, SCasoDeQuadro{2, 4, 7, 6},
                                         SCasoDeQuadro{3, 3, 8, 5}, SCasoDeQuadro{3, 4, 27, 23},
                                         SCasoDeQuadro{4, 4, 64, 64}));

struct SCasoDeConstrucao {
    std::array<int, 5> celulas;  // por jogo
    int raio;
    int64_t tamanho;  // 0: nenhuma construção se aplica
};

void PrintTo(const SCasoDeConstrucao& caso, std::ostream* saida)
{
    *saida << caso.celulas[0] << "x" << caso.celulas[1] << "x" << caso.celulas[2] << "x" << caso.celulas[3] << "x"
           << caso.celulas[4] << ", raio " << caso.raio;
}

class Construcao : public testing::TestWithParam<SCasoDeConstrucao> {};

// Células não consecutivas (de 3 em 3), para que nada dependa da posição no espaço.
TEST_P(Construcao, CobreOQuadroComOTamanhoDaFormula)
{
    const SCasoDeConstrucao caso = GetParam();
    std::array<std::vector<int32_t>, 5> celulas;
    std::vector<int32_t> cartoes = {0};
    for (size_t jogo = 0, peso = 1; jogo < 5; ++jogo, peso *= 25) {
        std::vector<int32_t> maiores;
        for (int i = 0; i < caso.celulas[jogo]; ++i)
            celulas[jogo].push_back(3 * i);
        for (int32_t cartao : cartoes)
            for (int32_t celula : celulas[jogo])
                maiores.push_back(cartao + celula * static_cast<int32_t>(peso));
        cartoes = std::move(maiores);
    }
    const std::vector<int32_t> construida = CoberturaConstruida(celulas, caso.raio);
    EXPECT_EQ(static_cast<int64_t>(construida.size()), caso.tamanho);
    EXPECT_EQ(TamanhoDaCoberturaConstruida(celulas, caso.raio), caso.tamanho);
    if (construida.empty())
        return;
    std::vector<int32_t> ordenados = construida;
    std::sort(ordenados.begin(), ordenados.end());
    EXPECT_EQ(std::adjacent_find(ordenados.begin(), ordenados.end()), ordenados.end()) << "cartão repetido";
    std::vector<bool> manter(cartoes.size());
    for (size_t i = 0; i < cartoes.size(); ++i)
        manter[i] = std::binary_search(ordenados.begin(), ordenados.end(), cartoes[i]);
    EXPECT_EQ(std::count(manter.begin(), manter.end(), true), caso.tamanho) << "cartão fora do quadro";
    if (cartoes.size() <= 1024)
        EXPECT_TRUE(GaranteCartaoACartao(cartoes, construida, 5 - caso.raio));
    else
        EXPECT_TRUE(CFechamento::GaranteOsPontos(cartoes, manter, 5 - caso.raio));
}

// 4^5 a raio 1: o código de Hamming perfeito (64); 8^5: 2^4 x 64 = 1.024, o ótimo; 8^5 a
// raio 2: dois grupos de quatro, 2 x 64 = 128; grupos desiguais somam os produtos das
// classes; com menos de 4 células num jogo, nenhuma.
INSTANTIATE_TEST_SUITE_P(
    Casos, Construcao,
    testing::Values(SCasoDeConstrucao{{4, 4, 4, 4, 4}, 1, 64}, SCasoDeConstrucao{{8, 8, 8, 8, 8}, 1, 1024},
                    SCasoDeConstrucao{{8, 8, 8, 8, 8}, 2, 128}, SCasoDeConstrucao{{4, 4, 4, 4, 4}, 2, 64},
                    SCasoDeConstrucao{{5, 4, 6, 4, 4}, 1, 120}, SCasoDeConstrucao{{3, 4, 4, 4, 4}, 1, 0},
                    SCasoDeConstrucao{{4, 4, 4, 4, 3}, 2, 0}, SCasoDeConstrucao{{8, 5, 8, 6, 7}, 1, 840}));

// Mesma aposta, mesmo resultado: a busca sorteia com semente fixa e acaba pelos passos.
TEST(Fechamento, MesmaApostaDaOsMesmosCartoes)
{
    const std::vector<int32_t> cartoes = Sorteados(600, 6, 11);
    for (int garantia : {3, 4}) {
        CProgressoFechamentoSilencioso progresso;
        const SResultadoDoFechamento primeira = CFechamento(cartoes, garantia).Reduzir(progresso, kSemPressa);
        const SResultadoDoFechamento segunda = CFechamento(cartoes, garantia).Reduzir(progresso, kSemPressa);
        EXPECT_EQ(primeira.manter, segunda.manter) << garantia;
        EXPECT_FALSE(primeira.interrompido);
        EXPECT_TRUE(GaranteCartaoACartao(cartoes, Mantidos(cartoes, primeira.manter), garantia));
    }
}

// Muitos cartões distintos: o índice passa a ser a tabela de todos os cartões possíveis.
TEST(Fechamento, ComMuitosCartoesTambemGarante)
{
    std::vector<int32_t> cartoes = Sorteados(30000, 10, 3);
    cartoes.push_back(cartoes.front());
    CProgressoFechamentoSilencioso progresso;
    // A busca num quadro destes vai até o prazo; acabe onde acabar, o conjunto garante.
    const SResultadoDoFechamento resultado = CFechamento(cartoes, 4).Reduzir(progresso, 2s);
    EXPECT_LT(resultado.depois, resultado.antes);
    EXPECT_FALSE(resultado.manter.back());
    EXPECT_TRUE(CFechamento::GaranteOsPontos(cartoes, resultado.manter, 4));
}

// A conferência pega um conjunto que não garante, e só ele.
TEST(Fechamento, ConferenciaExataRecusaOQueNaoGarante)
{
    const std::vector<int32_t> cartoes = Numeros({kZeros, "1x0 1x0 0x0 0x0 0x0", "1x0 0x0 0x0 0x0 0x0"});
    EXPECT_TRUE(CFechamento::GaranteOsPontos(cartoes, {true, false, false}, 3));
    EXPECT_FALSE(CFechamento::GaranteOsPontos(cartoes, {true, false, false}, 4));
    EXPECT_TRUE(CFechamento::GaranteOsPontos(cartoes, {false, false, true}, 4));
    EXPECT_FALSE(CFechamento::GaranteOsPontos(cartoes, {false, false, false}, 3));
    EXPECT_FALSE(CFechamento::GaranteOsPontos(cartoes, {true, true, false}, 5));
    EXPECT_TRUE(CFechamento::GaranteOsPontos(cartoes, {true, true, true}, 5));
    EXPECT_FALSE(CFechamento::GaranteOsPontos(cartoes, {true, true}, 3));
}

TEST(Fechamento, GarantiaForaDaFaixaEhRecusada)
{
    for (int garantia : {0, 2, 6})
        EXPECT_THROW(CFechamento({0}, garantia), CErroDoUsuario) << garantia;
    EXPECT_THROW(CFechamento({CFechamento::kCartoesPossiveis}, 3), std::invalid_argument);
    EXPECT_THROW(CFechamento({-1}, 3), std::invalid_argument);
}

TEST(CartoesDaReducao, NumeroDeCadaJogoPelasColunas)
{
    // Jogo j vale 25^j x (5 x coluna do time 1 + coluna do time 2); "+" é a coluna 4.
    EXPECT_EQ(Numeros({kZeros}), std::vector<int32_t>{0});
    EXPECT_EQ(Numeros({"1x0 0x0 0x0 0x0 0x0"}), std::vector<int32_t>{5});
    EXPECT_EQ(Numeros({"0x0 0x1 0x0 0x0 0x0"}), std::vector<int32_t>{25});
    EXPECT_EQ(Numeros({"0x0 0x0 0x0 0x0 +x+"}), std::vector<int32_t>{24 * 390625});
}

// Entradas que não são um placar só; a do jogo dado troca a do jogo 2 de um cartão bom.
struct SEntradaRuim {
    const char* nome;
    std::vector<int> marcas1;
    std::vector<int> marcas2;
    int jogo;
};

void PrintTo(const SEntradaRuim& caso, std::ostream* saida)
{
    *saida << caso.nome;
}

class CartaoRecusado : public testing::TestWithParam<SEntradaRuim> {};

TEST_P(CartaoRecusado, LancaOErroComAPosicao)
{
    const SEntradaRuim& caso = GetParam();
    CListaDeVolantes lista;
    AdicionarCartao(lista, kZeros);
    CScore entrada;
    entrada.m_jogo = static_cast<int16_t>(caso.jogo);
    for (size_t c = 0; c < 5; ++c) {
        entrada.m_time1[c] = static_cast<int16_t>(caso.marcas1[c]);
        entrada.m_time2[c] = static_cast<int16_t>(caso.marcas2[c]);
    }
    CVolante segundo = lista.Cartao(0);
    segundo.m_scores[2] = &entrada;
    lista.Adicionar(segundo);
    try {
        NumerosDosCartoes(lista);
        FAIL() << "aceitou o cartão";
    } catch (const CCartaoNaoSimples& erro) {
        EXPECT_EQ(erro.Posicao(), 2);
        EXPECT_NE(std::string(erro.what()).find("O cartão 2 tem mais de um placar"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CartaoRecusado,
    testing::Values(SEntradaRuim{"DuasColunasNoTime1", {1, 1, 0, 0, 0}, {1, 0, 0, 0, 0}, 2},
                    SEntradaRuim{"DuasColunasNoTime2", {1, 0, 0, 0, 0}, {0, 0, 1, 0, 1}, 2},
                    SEntradaRuim{"TimeSemMarca", {0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, 2},
                    SEntradaRuim{"MarcaQueNaoEhUm", {2, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, 2},
                    SEntradaRuim{"JogoRepetido", {1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, 1}),
    [](const testing::TestParamInfo<SEntradaRuim>& info) { return std::string(info.param.nome); });

TEST(CartoesDaReducao, ManterTiraSoOsMarcados)
{
    CListaDeVolantes lista;
    for (const char* cartao : {kZeros.c_str(), "1x0 0x0 0x0 0x0 0x0", "2x0 0x0 0x0 0x0 0x0", "3x0 0x0 0x0 0x0 0x0"})
        AdicionarCartao(lista, cartao);
    EXPECT_EQ(ManterCartoes(lista, {false, true, false, true}), 2);
    EXPECT_EQ(NumerosDosCartoes(lista), (std::vector<int32_t>{5, 15}));
    EXPECT_THROW(ManterCartoes(lista, {true}), std::invalid_argument);
}

} // namespace
