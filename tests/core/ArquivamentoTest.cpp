#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "core/Cp1252.h"
#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"
#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "core/ScoreGrupo.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string Bytes(std::initializer_list<int> valores)
{
    std::string s;
    for (int v : valores)
        s += static_cast<char>(v);
    return s;
}

template <class F>
std::string Gravar(F f)
{
    std::ostringstream saida;
    CEscritorDeArquivo ar(saida);
    f(ar);
    ar.Finalizar();
    return saida.str();
}

struct Leitura {
    explicit Leitura(std::string bytes) : entrada(std::move(bytes)), ar(entrada, entrada.str().size()) {}
    std::istringstream entrada;
    CLeitorDeArquivo ar;
};

TEST(Cp1252, IdaEVoltaDeTodoByte)
{
    std::string todos;
    for (int b = 0; b < 256; ++b)
        todos += static_cast<char>(b);
    EXPECT_EQ(Utf8ParaCp1252(Cp1252ParaUtf8(todos)), todos);
    EXPECT_EQ(Cp1252ParaUtf8("\xC3"), "Ã");
    EXPECT_EQ(Utf8ParaCp1252("ção€"), "\xE7\xE3o\x80");
    EXPECT_EQ(Utf8ParaCp1252("日"), "?");
}

TEST(Arquivamento, TamanhoDoTexto)
{
    struct Caso {
        size_t n;
        std::string prefixo;
    };
    for (const Caso& caso : {Caso{0, Bytes({0})}, Caso{254, Bytes({254})}, Caso{255, Bytes({255, 255, 0})},
                             Caso{65533, Bytes({255, 0xFD, 0xFF})},
                             Caso{65534, Bytes({255, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})}}) {
        const std::string texto(caso.n, 'a');
        const std::string bytes = Gravar([&](CEscritorDeArquivo& ar) { ar.EscreverTexto(texto); });
        EXPECT_EQ(bytes.substr(0, caso.prefixo.size()), caso.prefixo) << caso.n;
        EXPECT_EQ(bytes.size(), caso.prefixo.size() + caso.n);
        Leitura l(bytes);
        EXPECT_EQ(l.ar.LerTexto(), texto);
    }
}

TEST(Arquivamento, Contagem)
{
    EXPECT_EQ(Gravar([](CEscritorDeArquivo& ar) { ar.EscreverContagem(65534); }), Bytes({0xFE, 0xFF}));
    EXPECT_EQ(Gravar([](CEscritorDeArquivo& ar) { ar.EscreverContagem(65535); }),
              Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
}

TEST(Arquivamento, ClasseNovaDepoisReferencia)
{
    const CScore* a = CCartaoCheio::Instancia().Celula(0, 14);
    const CScore* b = CCartaoCheio::Instancia().Celula(1, 14);
    const std::string bytes = Gravar([&](CEscritorDeArquivo& ar) {
        ar.EscreverObjeto(a);
        ar.EscreverObjeto(b);
        ar.EscreverObjeto(a);
        ar.EscreverObjeto(nullptr);
    });
    // FFFF, esquema 0, tamanho 6, "CScore", corpo (24); 8001 + corpo; referência 2; nulo.
    ASSERT_EQ(bytes.size(), 2u + 2 + 2 + 6 + 24 + 2 + 24 + 2 + 2);
    EXPECT_EQ(bytes.substr(0, 12), Bytes({0xFF, 0xFF, 0, 0, 6, 0}) + "CScore");
    EXPECT_EQ(bytes.substr(36, 2), Bytes({0x01, 0x80}));
    EXPECT_EQ(bytes.substr(62, 4), Bytes({2, 0, 0, 0}));

    Leitura l(bytes);
    CScore* la = l.ar.LerObjeto<CScore>();
    CScore* lb = l.ar.LerObjeto<CScore>();
    EXPECT_EQ(l.ar.LerObjeto<CScore>(), la);
    EXPECT_EQ(l.ar.LerObjeto<CScore>(), nullptr);
    EXPECT_TRUE(la->MesmoPlacar(*a));
    EXPECT_EQ(lb->m_jogo, 1);
    EXPECT_EQ(l.ar.TomarObjetos().size(), 2u);
}

TEST(Arquivamento, ErrosDeFormato)
{
    using Tipo = CErroDeFormato::Tipo;
    struct Caso {
        const char* nome;
        std::string bytes;
        Tipo tipo;
    };
    const std::string score = Gravar([](CEscritorDeArquivo& ar) { ar.EscreverObjeto(CCartaoCheio::Instancia().Celula(0, 0)); });
    std::string esquema1 = score;
    esquema1[2] = 1;
    std::string outroNome = score;
    outroNome[6] = 'X';
    const Caso casos[] = {
        {"vazio", "", Tipo::FimInesperado},
        {"cortado", score.substr(0, score.size() - 1), Tipo::FimInesperado},
        {"esquema", esquema1, Tipo::EsquemaIncorreto},
        {"nome", outroNome, Tipo::ObjetoInesperado},
        {"classe não descrita", Bytes({0x05, 0x80}), Tipo::FormatoInvalido},
        {"referência sem objeto", Bytes({0x09, 0x00}), Tipo::FormatoInvalido},
    };
    for (const Caso& caso : casos) {
        Leitura l(caso.bytes);
        try {
            l.ar.LerObjeto<CScore>();
            ADD_FAILURE() << caso.nome;
        } catch (const CErroDeFormato& erro) {
            EXPECT_EQ(erro.TipoDoErro(), caso.tipo) << caso.nome;
        }
    }
}

TEST(Arquivamento, TextoLongoDemaisNaoAloca)
{
    // Anuncia 4 GiB de texto num arquivo de 7 bytes.
    Leitura l(Bytes({255, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_THROW(l.ar.LerTexto(), CErroDeFormato);
}

TEST(Arquivamento, GruposAninhadosSemFimNaoEstouramAPilha)
{
    // Cada grupo aponta para um novo grupo como alternativas, sem fim.
    std::string bytes = Bytes({0xFF, 0xFF, 0, 0, 11, 0}) + "CScoreGrupo" + Bytes({0, 0});
    for (int i = 0; i < 100000; ++i)
        bytes += Bytes({0x01, 0x80, 0, 0});
    Leitura l(bytes);
    EXPECT_THROW(l.ar.LerObjeto<CScoreGrupo>(), CErroDeFormato);
}

TEST(Arquivamento, ChaveIdaEVolta)
{
    CChave chave("Ç");
    chave.m_min = 1;
    chave.m_max = 2;
    chave.m_qtde_jogos = 3;
    chave.m_cresceu = 1;
    chave.m_reservado = 7;
    chave.m_padroes = 8;
    chave.m_visitados = 5;
    const std::string bytes = Gravar([&](CEscritorDeArquivo& ar) { ar.EscreverObjeto(&chave); });
    Leitura l(bytes);
    const CChave* lida = l.ar.LerObjeto<CChave>();
    EXPECT_EQ(lida->m_nome, "Ç");
    EXPECT_EQ(lida->m_min, 1);
    EXPECT_EQ(lida->m_max, 2);
    EXPECT_EQ(lida->m_qtde_jogos, 3);
    EXPECT_EQ(lida->m_reservado, 7);
    EXPECT_EQ(lida->m_padroes, 8);
    EXPECT_EQ(lida->m_visitados, 5);
    EXPECT_EQ(lida->m_cresceu, 0);
    l.ar.TomarObjetos();
}

TEST(Arquivamento, CartaoInvalido)
{
    const auto& tabela = CCartaoCheio::Instancia();
    CVolante quatro;
    quatro.m_qtde = 4;
    for (int m = 0; m < 4; ++m)
        quatro.m_scores[m] = tabela.Celula(m, 0);
    CScore foraDoJogo;
    foraDoJogo.m_jogo = 5;
    CVolante jogoRuim;
    jogoRuim.m_qtde = 5;
    for (int m = 0; m < 5; ++m)
        jogoRuim.m_scores[m] = m == 3 ? &foraDoJogo : tabela.Celula(m, 0);
    for (const CVolante* cartao : {&quatro, &jogoRuim}) {
        Leitura l(Gravar([&](CEscritorDeArquivo& ar) { cartao->Serialize(ar); }));
        CVolante lido;
        EXPECT_THROW(lido.Serialize(l.ar), CErroDeFormato);
    }
    // Entrada nula.
    Leitura nula(Bytes({5, 0, 0, 0, 0, 0}));
    CVolante lido;
    EXPECT_THROW(lido.Serialize(nula.ar), CErroDeFormato);
}

} // namespace
