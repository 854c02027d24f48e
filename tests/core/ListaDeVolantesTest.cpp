#include "core/CartaoCheio.h"
#include "core/ErroDeFormato.h"
#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

const CScore* Celula(int jogo, int k) { return CCartaoCheio::Instancia().Celula(jogo, k); }

CVolante Cartao(int k)
{
    CVolante v;
    v.m_qtde = 5;
    for (int m = 0; m < 5; ++m)
        v.m_scores[m] = Celula(m, (k + m) % 25);
    return v;
}

std::vector<CVolante> Conteudo(const CListaDeVolantes& lista)
{
    std::vector<CVolante> cartoes;
    for (const CVolante cartao : lista)
        cartoes.push_back(cartao);
    return cartoes;
}

void Encher(CListaDeVolantes& lista, const std::vector<CVolante>& cartoes)
{
    for (const CVolante& cartao : cartoes)
        lista.Adicionar(cartao);
}

// Placares fora da tabela cheia, com o conteúdo de células: a lista não pode trocá-los
// pelas células iguais, senão o arquivo regravado muda.
struct SPlacaresAvulsos {
    std::deque<CScore> placares;
    const CScore* Novo(int jogo, int k)
    {
        placares.push_back(*Celula(jogo, k));
        return &placares.back();
    }
};

std::string GravarLista(const CListaDeVolantes& lista)
{
    std::ostringstream saida;
    CEscritorDeArquivo ar(saida);
    lista.Serialize(ar);
    ar.Finalizar();
    return saida.str();
}

// O formato de sempre: a quantidade e cada cartão por CVolante::Serialize.
std::string GravarCartaoACartao(const std::vector<CVolante>& cartoes)
{
    std::ostringstream saida;
    CEscritorDeArquivo ar(saida);
    ar.Escrever32(static_cast<uint32_t>(cartoes.size()));
    for (const CVolante& cartao : cartoes)
        cartao.Serialize(ar);
    ar.Finalizar();
    return saida.str();
}

TEST(ListaDeVolantes, RemoverMantemAOrdemDosOutros)
{
    struct SCaso {
        const char* nome;
        std::vector<bool> marcados;
        std::vector<int> ficam;
    };
    const SCaso casos[] = {
        {"nenhum", {}, {0, 1, 2, 3, 4}},
        {"primeiro", {true}, {1, 2, 3, 4}},
        {"último", {false, false, false, false, true}, {0, 1, 2, 3}},
        {"alternados", {true, false, true, false, true}, {1, 3}},
        {"todos", {true, true, true, true, true}, {}},
        {"marcas além do fim", {false, true, false, false, false, true, true}, {0, 2, 3, 4}},
    };
    for (const SCaso& caso : casos) {
        CListaDeVolantes lista;
        for (int k = 0; k < 5; ++k)
            lista.Adicionar(Cartao(k));
        lista.RemoverMarcados(caso.marcados);
        std::vector<CVolante> esperados;
        for (int k : caso.ficam)
            esperados.push_back(Cartao(k));
        EXPECT_EQ(Conteudo(lista), esperados) << caso.nome;
        EXPECT_EQ(lista.Quantidade(), static_cast<int32_t>(esperados.size())) << caso.nome;
    }

    CListaDeVolantes lista;
    for (int k = 0; k < 4; ++k)
        lista.Adicionar(Cartao(k));
    lista.Remover(1);
    lista.Remover(2);
    lista.Remover(0);
    EXPECT_EQ(Conteudo(lista), std::vector<CVolante>{Cartao(2)});
}

TEST(ListaDeVolantes, RevisaoMudaACadaMudancaDosCartoes)
{
    CListaDeVolantes lista;
    CListaDeVolantes outra;
    outra.Adicionar(Cartao(9));
    const std::vector<std::pair<const char*, std::function<void()>>> mudancas = {
        {"adicionar", [&] { lista.Adicionar(Cartao(0)); }},
        {"adicionar outro", [&] { lista.Adicionar(Cartao(1)); }},
        {"remover", [&] { lista.Remover(0); }},
        {"remover marcados", [&] { lista.RemoverMarcados({true}); }},
        {"transferir para a vazia", [&] { lista.Transferir(outra); }},
        {"esvaziar", [&] { lista.Esvaziar(); }},
    };
    for (const auto& [nome, mudar] : mudancas) {
        const uint64_t antes = lista.Revisao();
        mudar();
        EXPECT_NE(lista.Revisao(), antes) << nome;
    }
    const uint64_t parada = lista.Revisao();
    lista.RemoverMarcados({true});
    lista.Esvaziar();
    EXPECT_EQ(lista.Revisao(), parada) << "nada saiu";
}

TEST(ListaDeVolantes, GuardaOObjetoDeCadaLugar)
{
    SPlacaresAvulsos avulsos;
    CVolante misto = Cartao(3);
    misto.m_scores[1] = avulsos.Novo(1, 4);  // mesmo conteúdo da célula (1, 4)
    misto.m_scores[3] = avulsos.Novo(3, 6);
    CVolante curto;
    curto.m_qtde = 2;
    curto.m_scores[0] = Celula(0, 0);
    curto.m_scores[1] = misto.m_scores[1];
    const std::vector<CVolante> cartoes = {Cartao(3), misto, curto, Cartao(4)};
    CListaDeVolantes lista;
    Encher(lista, cartoes);
    EXPECT_EQ(Conteudo(lista), cartoes);
    EXPECT_EQ(lista.Cartao(1).m_scores[1], misto.m_scores[1]);
    EXPECT_NE(lista.Cartao(1).m_scores[1], Celula(1, 4));
    EXPECT_EQ(lista.Indices(2).lugar[1], lista.Indices(1).lugar[1]);
}

// Mais de 256 placares distintos: os índices passam a 4 bytes sem mudar cartão algum,
// nem os que já estavam, nem quantidades que não cabem num byte.
TEST(ListaDeVolantes, AlargaComPlacaresDemais)
{
    SPlacaresAvulsos avulsos;
    std::vector<CVolante> cartoes = {Cartao(0), Cartao(1)};
    for (int i = 0; i < 80; ++i) {
        CVolante v;
        v.m_qtde = 5;
        for (int m = 0; m < 5; ++m)
            v.m_scores[m] = avulsos.Novo(m, i % 25);
        cartoes.push_back(v);
    }
    CVolante estranho = Cartao(2);
    estranho.m_qtde = -1;
    cartoes.push_back(estranho);
    estranho.m_qtde = 300;
    cartoes.push_back(estranho);
    cartoes.push_back(Cartao(5));

    CListaDeVolantes lista;
    Encher(lista, cartoes);
    EXPECT_GT(lista.Placares().size(), 256u);
    EXPECT_EQ(Conteudo(lista), cartoes);
    EXPECT_EQ(GravarLista(lista), GravarCartaoACartao(cartoes));

    lista.RemoverMarcados({true, false, true});
    cartoes.erase(cartoes.begin() + 2);
    cartoes.erase(cartoes.begin());
    EXPECT_EQ(Conteudo(lista), cartoes);
}

TEST(ListaDeVolantes, TransferirMantemOrdemEObjetos)
{
    SPlacaresAvulsos avulsos;
    CVolante avulso = Cartao(7);
    avulso.m_scores[0] = avulsos.Novo(0, 2);
    const std::vector<CVolante> de_origem = {avulso, Cartao(8)};

    CListaDeVolantes vazia, origem;
    Encher(origem, de_origem);
    vazia.Transferir(origem);
    EXPECT_EQ(Conteudo(vazia), de_origem);
    EXPECT_EQ(origem.Quantidade(), 0);
    origem.Adicionar(Cartao(1));
    EXPECT_EQ(Conteudo(origem), std::vector<CVolante>{Cartao(1)});

    // Tabelas diferentes: a origem tem o avulso e a célula em outra ordem.
    CListaDeVolantes destino;
    destino.Adicionar(Cartao(5));
    CListaDeVolantes outra;
    Encher(outra, de_origem);
    destino.Transferir(outra);
    EXPECT_EQ(Conteudo(destino), (std::vector<CVolante>{Cartao(5), avulso, Cartao(8)}));
    EXPECT_EQ(outra.Quantidade(), 0);
}

// A lista grava como se gravasse cartão a cartão e, relida, aponta o mesmo objeto lido
// em cada lugar que no arquivo apontava o mesmo objeto.
TEST(ListaDeVolantes, GravaELeComoCartaoACartao)
{
    SPlacaresAvulsos avulsos;
    CVolante avulso = Cartao(1);
    avulso.m_scores[2] = avulsos.Novo(2, 3);
    const std::vector<CVolante> cartoes = {Cartao(0), avulso, Cartao(1), avulso, Cartao(0)};
    CListaDeVolantes lista;
    Encher(lista, cartoes);
    const std::string bytes = GravarLista(lista);
    ASSERT_EQ(bytes, GravarCartaoACartao(cartoes));

    std::istringstream entrada(bytes);
    CLeitorDeArquivo ar(entrada, bytes.size());
    CListaDeVolantes lida;
    lida.Serialize(ar);
    ASSERT_EQ(lida.Quantidade(), 5);
    EXPECT_EQ(lida.Cartao(0), lida.Cartao(4));
    EXPECT_EQ(lida.Cartao(1), lida.Cartao(3));
    EXPECT_NE(lida.Cartao(0), lida.Cartao(2));
    EXPECT_EQ(lida.Cartao(1).m_scores[0], lida.Cartao(2).m_scores[0]);
    EXPECT_NE(lida.Cartao(1).m_scores[2], lida.Cartao(2).m_scores[2]);
    for (int32_t c = 0; c < 5; ++c)
        for (int m = 0; m < 5; ++m)
            EXPECT_TRUE(lida.Cartao(c).m_scores[m]->MesmoPlacar(*cartoes[static_cast<size_t>(c)].m_scores[m]));
    EXPECT_EQ(GravarLista(lida), bytes);
    ar.TomarObjetos();
}

TEST(ListaDeVolantes, LeituraRecusaCartaoInvalido)
{
    CScore fora_do_jogo;
    fora_do_jogo.m_jogo = 5;
    CVolante jogo_ruim = Cartao(0);
    jogo_ruim.m_scores[3] = &fora_do_jogo;
    CVolante quatro = Cartao(0);
    quatro.m_qtde = 4;
    CVolante nulo = Cartao(0);
    nulo.m_scores[4] = nullptr;
    struct SCaso {
        const char* nome;
        std::vector<CVolante> cartoes;
    };
    const SCaso casos[] = {
        {"jogo fora de 0 a 4 na primeira vez", {jogo_ruim}},
        {"jogo fora de 0 a 4 já visto", {Cartao(0), jogo_ruim}},
        {"quatro entradas", {Cartao(0), quatro}},
        {"entrada nula", {nulo}},
    };
    for (const SCaso& caso : casos) {
        const std::string bytes = GravarCartaoACartao(caso.cartoes);
        std::istringstream entrada(bytes);
        CLeitorDeArquivo ar(entrada, bytes.size());
        CListaDeVolantes lida;
        EXPECT_THROW(lida.Serialize(ar), CErroDeFormato) << caso.nome;
    }
}

// Uma quantidade enorme num arquivo curto falha pelo fim dos bytes, sem reservar pela
// quantidade escrita.
TEST(ListaDeVolantes, QuantidadeHostilNaoReservaAlemDoArquivo)
{
    std::string bytes = GravarCartaoACartao({Cartao(0)});
    bytes[0] = bytes[1] = bytes[2] = '\xFF';
    bytes[3] = '\x7F';
    std::istringstream entrada(bytes);
    CLeitorDeArquivo ar(entrada, bytes.size());
    CListaDeVolantes lida;
    try {
        lida.Serialize(ar);
        FAIL() << "leu além do fim";
    } catch (const CErroDeFormato& erro) {
        EXPECT_EQ(erro.TipoDoErro(), CErroDeFormato::Tipo::FimInesperado);
    }
    EXPECT_EQ(lida.Quantidade(), 1);
}

} // namespace
