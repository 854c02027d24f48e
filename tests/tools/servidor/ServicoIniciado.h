#pragma once

// O quinaro-servidor-resultados de verdade, com as opções de cada teste, e uma conexão
// crua a ele: os testes mandam os bytes do pedido e leem os da resposta.

#include <QByteArray>
#include <QHostAddress>
#include <QProcess>
#include <QStringList>
#include <QTcpSocket>

#include <map>
#include <string>

class CServicoIniciado {
public:
    // `--porta 0` e o endereço do loopback vão sempre; `ambiente` se soma ao do teste.
    explicit CServicoIniciado(const QStringList& argumentos, const std::map<QString, QString>& ambiente = {});
    ~CServicoIniciado();

    // 0 se não subiu (o motivo em Falha()).
    quint16 Porta() const { return m_porta; }
    std::string Falha() const;
    // O código de saída, ou -1 se ainda roda depois de `espera_ms`.
    int Saida(int espera_ms);
    QByteArray SaidaPadrao();
    // Tudo o que o serviço escreveu no stderr até agora.
    QByteArray Erros();
    // O stderr, esperando até `espera_ms` que ele traga `trecho`.
    QByteArray ErrosCom(const QByteArray& trecho, int espera_ms);

private:
    QProcess m_processo;
    quint16 m_porta = 0;
    QByteArray m_saida;
    QByteArray m_erros;
};

// Conexão ao serviço a partir de `origem` (outro endereço do loopback, se for preciso).
class CConexaoCrua {
public:
    CConexaoCrua(quint16 porta, const QHostAddress& origem = QHostAddress::LocalHost);

    bool Conectada() const { return m_conectada; }
    void Mandar(const QByteArray& bytes);
    // Lê até chegarem `quantas` respostas inteiras (ou a conexão fechar, ou `espera_ms`).
    QList<QByteArray> Respostas(int quantas, int espera_ms);
    // Lê até a conexão fechar; falso se ela segue aberta depois de `espera_ms`.
    bool Fechou(int espera_ms);
    // O que chegou e ainda não saiu como resposta inteira.
    const QByteArray& Sobra() const { return m_recebido; }

private:
    QTcpSocket m_socket;
    QByteArray m_recebido;
    bool m_conectada = false;
};

// Pedido GET HTTP/1.1 de `alvo`, com os campos dados (cada um terminado por CR LF).
QByteArray PedidoGet(const QByteArray& alvo, const QByteArray& campos = {}, const QByteArray& versao = "HTTP/1.1");
// A linha de estado de uma resposta ("HTTP/1.1 200 OK").
QByteArray LinhaDeEstado(const QByteArray& resposta);
// O corpo de uma resposta.
QByteArray Corpo(const QByteArray& resposta);
