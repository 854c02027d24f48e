#pragma once

#include "tools/servidor/PedidoHttp.h"
#include "tools/servidor/RespostaHttp.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

class CAtrasoDoLogin;
class CServidorDeResultados;
class QTcpSocket;

struct SPrazosDaConexao {
    std::chrono::milliseconds cabecalho{10000};  // do primeiro byte do pedido à linha vazia
    std::chrono::milliseconds ociosa{30000};     // entre uma resposta e o pedido seguinte
};

// Uma conexão do serviço: lê os pedidos um de cada vez (os que chegam juntos, na ordem),
// responde cada um uma só vez e fecha quando o HTTP manda, quando um prazo vence ou
// quando o pedido não se lê. Apaga-se sozinha ao fechar.
class CConexaoHttp : public QObject {
    Q_OBJECT

public:
    using Relogio = std::chrono::steady_clock;

    CConexaoHttp(QTcpSocket* socket, CServidorDeResultados& paginas, CAtrasoDoLogin& atraso,
                 const SPrazosDaConexao& prazos, QObject* pai = nullptr);

    // Desde quando espera o cabeçalho de um pedido que não termina; vazio quando não espera
    // (ociosa entre pedidos, respondendo, retida pelo atraso do login ou fechando).
    std::optional<Relogio::time_point> PedidoParadoDesde() const;
    // Fecha na hora, sem resposta, para dar a vaga a uma conexão nova.
    void Ceder();

private:
    void Atender();
    bool LerDoSocket();
    void Responder(const SPedidoHttp& pedido);
    void Enviar(const SRespostaHttp& resposta, EConexaoDepois depois, bool com_corpo = true);
    void Recusar(int codigo);
    void PrazoVencido();
    void EsperarPedido();
    void EsperarCabecalho();

    QTcpSocket* m_socket;
    CServidorDeResultados& m_paginas;
    CAtrasoDoLogin& m_atraso;
    SPrazosDaConexao m_prazos;
    QHostAddress m_endereco;
    QByteArray m_recebido;
    QTimer m_prazo;
    Relogio::time_point m_inicio_do_pedido;
    std::optional<SPedidoHttp> m_retido;  // esperando o atraso do login
    bool m_ociosa = false;  // o prazo corrente é o da conexão ociosa
    bool m_fechando = false;
};
