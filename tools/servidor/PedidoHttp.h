#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <variant>

// Leitor estrito do cabeçalho de um pedido HTTP/1.0 ou HTTP/1.1. O cabeçalho inteiro
// (linha do pedido e campos) cabe em `maior_cabecalho` bytes, ou é recusado: nenhum
// pedido ocupa memória sem limite.

enum class EVersaoHttp { Http10, Http11 };

struct SPedidoHttp {
    QByteArray metodo;
    QByteArray alvo;  // "/caminho?consulta", ou "http://host/caminho?consulta" vindo de um proxy
    EVersaoHttp versao = EVersaoHttp::Http11;
    // Depois da resposta a conexão continua aberta (HTTP/1.1 sem "close", HTTP/1.0 com
    // "keep-alive", nenhum corpo que fique por ler).
    bool manter_conexao = true;
    std::optional<QByteArray> autorizacao;
};

// Ainda falta parte do cabeçalho.
struct SPedidoIncompleto {};
// Pedido que não se lê: responde-se `codigo` e fecha-se a conexão.
struct SPedidoRecusado {
    int codigo = 400;
};
struct SPedidoLido {
    SPedidoHttp pedido;
    qsizetype tamanho = 0;  // bytes do cabeçalho consumidos do buffer
};
using RLeituraDoPedido = std::variant<SPedidoIncompleto, SPedidoRecusado, SPedidoLido>;

inline constexpr int kCabecalhoGrandeDemais = 431;
inline constexpr int kVersaoNaoSuportada = 505;

// Examina o começo de `recebido`.
RLeituraDoPedido LerPedidoHttp(QByteArrayView recebido, qsizetype maior_cabecalho);
