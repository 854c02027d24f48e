#pragma once

#include "tools/servidor/ConexaoHttp.h"

#include <QElapsedTimer>
#include <QTcpServer>

#include <chrono>
#include <functional>
#include <set>

// Aceita conexões até `limite` abertas ao mesmo tempo. Lotado, uma conexão nova toma a vaga
// da que espera há mais tempo (ao menos 200 ms) por um cabeçalho que não termina; se nenhuma
// está assim, a nova recebe 503 na hora e é fechada. Sem descritores livres no sistema,
// para de aceitar por um instante em vez de girar em vão.
class CEscutaLimitada : public QTcpServer {
    Q_OBJECT

public:
    // Cria a conexão; a vaga volta quando ela é destruída.
    using FNovaConexao = std::function<CConexaoHttp*(QTcpSocket* socket)>;
    static constexpr std::chrono::milliseconds kParadaQueCede{200};

    CEscutaLimitada(int limite, FNovaConexao nova_conexao, QObject* pai = nullptr);

    // Quantas conexões cabem abertas com o limite de descritores do processo (ulimit -n),
    // que sobe até o necessário quando o sistema deixa.
    static int ConexoesQueCabem(int pedidas);

protected:
    void incomingConnection(qintptr descritor) override;

private:
    void RecusarPorLotacao(QTcpSocket* socket);
    bool CederAVagaDeUmaParada();
    void SemDescritores(QAbstractSocket::SocketError erro);

    int m_limite;
    std::set<CConexaoHttp*> m_abertas;
    FNovaConexao m_nova_conexao;
    QElapsedTimer m_ultimo_aviso;
};
