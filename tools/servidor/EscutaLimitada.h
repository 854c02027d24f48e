#pragma once

#include <QElapsedTimer>
#include <QTcpServer>

#include <functional>

// Aceita conexões até `limite` abertas ao mesmo tempo; as que passam disso recebem 503 na
// hora e são fechadas. Sem descritores livres no sistema, para de aceitar por um instante
// em vez de girar em vão.
class CEscutaLimitada : public QTcpServer {
    Q_OBJECT

public:
    // Cria o objeto que cuida da conexão; a vaga volta quando ele é destruído.
    using FNovaConexao = std::function<QObject*(QTcpSocket* socket)>;

    CEscutaLimitada(int limite, FNovaConexao nova_conexao, QObject* pai = nullptr);

    // Quantas conexões cabem abertas com o limite de descritores do processo (ulimit -n),
    // que sobe até o necessário quando o sistema deixa.
    static int ConexoesQueCabem(int pedidas);

protected:
    void incomingConnection(qintptr descritor) override;

private:
    void RecusarPorLotacao(QTcpSocket* socket);
    void SemDescritores(QAbstractSocket::SocketError erro);

    int m_limite;
    int m_abertas = 0;
    FNovaConexao m_nova_conexao;
    QElapsedTimer m_ultimo_aviso;
};
