// O leitor do cabeçalho dos pedidos: o que ele aceita, o que recusa e quando ainda espera.
#include "tools/servidor/PedidoHttp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr qsizetype kLimite = 256;

enum class EEsperado { Incompleto, Recusado, Mantem, Fecha };

struct SCaso {
    const char* nome;
    QByteArray bytes;
    EEsperado esperado;
    int codigo = 0;  // da recusa
};

TEST(PedidoHttp, CadaForma)
{
    const QByteArray grande(kLimite, 'a');
    // O NUL no meio do valor: o tamanho vem do texto, sem o NUL do fim.
    static constexpr char kControleNoValor[] = "GET /a HTTP/1.1\r\nX: a\0b\r\n\r\n";
    const SCaso casos[] = {
        {"HTTP/1.1 mantém", "GET /a HTTP/1.1\r\nHost: x\r\n\r\n", EEsperado::Mantem},
        {"HTTP/1.1 com close", "GET /a HTTP/1.1\r\nConnection: close\r\n\r\n", EEsperado::Fecha},
        {"close entre outras opções", "GET /a HTTP/1.1\r\nConnection: Upgrade, CLOSE\r\n\r\n", EEsperado::Fecha},
        {"HTTP/1.0 fecha", "GET /a HTTP/1.0\r\n\r\n", EEsperado::Fecha},
        {"HTTP/1.0 com keep-alive", "GET /a HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n", EEsperado::Mantem},
        {"HTTP/1.0 keep-alive e close", "GET /a HTTP/1.0\r\nConnection: keep-alive\r\nConnection: close\r\n\r\n",
         EEsperado::Fecha},
        {"Upgrade é ignorado", "GET /a HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n\r\n", EEsperado::Mantem},
        {"só LF", "GET /a HTTP/1.1\nHost: x\n\n", EEsperado::Mantem},
        {"linha vazia antes", "\r\nGET /a HTTP/1.1\r\n\r\n", EEsperado::Mantem},
        {"corpo anunciado fecha", "POST /a HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc", EEsperado::Fecha},
        {"corpo vazio mantém", "POST /a HTTP/1.1\r\nContent-Length: 0\r\n\r\n", EEsperado::Mantem},
        {"chunked fecha", "POST /a HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", EEsperado::Fecha},
        {"nada", "", EEsperado::Incompleto},
        {"linha do pedido pela metade", "GET /a HT", EEsperado::Incompleto},
        {"sem a linha vazia", "GET /a HTTP/1.1\r\nHost: x\r\n", EEsperado::Incompleto},
        {"cabeçalho além do limite", "GET /" + grande + " HTTP/1.1\r\n\r\n", EEsperado::Recusado, 431},
        {"cabeçalho incompleto no limite", "GET /a HTTP/1.1\r\nX: " + grande, EEsperado::Recusado, 431},
        {"HTTP/2.0", "GET /a HTTP/2.0\r\n\r\n", EEsperado::Recusado, 505},
        {"sem versão", "GET /a\r\n\r\n", EEsperado::Recusado, 400},
        {"forma absoluta, de um proxy", "GET http://x/a HTTP/1.0\r\nConnection: keep-alive\r\n\r\n", EEsperado::Mantem},
        {"alvo sem barra", "GET a HTTP/1.1\r\n\r\n", EEsperado::Recusado, 400},
        {"outro esquema", "GET https://x/a HTTP/1.1\r\n\r\n", EEsperado::Recusado, 400},
        {"espaço a mais", "GET  /a HTTP/1.1\r\n\r\n", EEsperado::Recusado, 400},
        {"campo dobrado", "GET /a HTTP/1.1\r\nX: 1\r\n 2\r\n\r\n", EEsperado::Recusado, 400},
        {"campo sem dois-pontos", "GET /a HTTP/1.1\r\nHost\r\n\r\n", EEsperado::Recusado, 400},
        {"espaço antes dos dois-pontos", "GET /a HTTP/1.1\r\nHost : x\r\n\r\n", EEsperado::Recusado, 400},
        {"controle no valor", QByteArray(kControleNoValor, sizeof kControleNoValor - 1), EEsperado::Recusado, 400},
        {"dois Host", "GET /a HTTP/1.1\r\nHost: x\r\nHost: y\r\n\r\n", EEsperado::Recusado, 400},
        {"tamanhos diferentes", "POST /a HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n", EEsperado::Recusado,
         400},
        {"tamanho que não é número", "POST /a HTTP/1.1\r\nContent-Length: -1\r\n\r\n", EEsperado::Recusado, 400},
        {"duas autorizações", "GET /a HTTP/1.1\r\nAuthorization: a\r\nAuthorization: b\r\n\r\n", EEsperado::Recusado,
         400},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const RLeituraDoPedido leitura = LerPedidoHttp(caso.bytes, kLimite);
        switch (caso.esperado) {
        case EEsperado::Incompleto:
            EXPECT_TRUE(std::holds_alternative<SPedidoIncompleto>(leitura));
            break;
        case EEsperado::Recusado:
            ASSERT_TRUE(std::holds_alternative<SPedidoRecusado>(leitura));
            EXPECT_EQ(std::get<SPedidoRecusado>(leitura).codigo, caso.codigo);
            break;
        case EEsperado::Mantem:
        case EEsperado::Fecha:
            ASSERT_TRUE(std::holds_alternative<SPedidoLido>(leitura));
            EXPECT_EQ(std::get<SPedidoLido>(leitura).pedido.manter_conexao, caso.esperado == EEsperado::Mantem);
            break;
        }
    }
}

TEST(PedidoHttp, PedidosSeguidosSaemUmDeCadaVez)
{
    const QByteArray dois = "GET /um HTTP/1.1\r\nAuthorization: Basic eDp5\r\n\r\nGET /dois HTTP/1.0\r\n\r\n";
    const auto primeiro = std::get<SPedidoLido>(LerPedidoHttp(dois, kLimite));
    EXPECT_EQ(primeiro.pedido.metodo, "GET");
    EXPECT_EQ(primeiro.pedido.alvo, "/um");
    EXPECT_EQ(primeiro.pedido.autorizacao, QByteArray("Basic eDp5"));
    const auto segundo = std::get<SPedidoLido>(LerPedidoHttp(QByteArrayView(dois).sliced(primeiro.tamanho), kLimite));
    EXPECT_EQ(segundo.pedido.alvo, "/dois");
    EXPECT_EQ(segundo.pedido.versao, EVersaoHttp::Http10);
    EXPECT_FALSE(segundo.pedido.autorizacao.has_value());
    EXPECT_EQ(primeiro.tamanho + segundo.tamanho, dois.size());
}

} // namespace
