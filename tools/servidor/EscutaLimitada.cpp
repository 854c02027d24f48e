#include "tools/servidor/EscutaLimitada.h"

#include <QTcpSocket>

#include <memory>

CEscutaLimitada::CEscutaLimitada(qint64 limite, QObject* pai) : QTcpServer(pai), m_limite(limite) {}

void CEscutaLimitada::incomingConnection(qintptr descritor)
{
    auto* conexao = new QTcpSocket(this);
    if (!conexao->setSocketDescriptor(descritor)) {
        delete conexao;
        return;
    }
    // Ligado antes do servidor HTTP: conta os bytes antes que ele os leia.
    auto recebidos = std::make_shared<qint64>(0);
    connect(conexao, &QTcpSocket::readyRead, conexao, [conexao, recebidos, limite = m_limite] {
        *recebidos += conexao->bytesAvailable();
        if (*recebidos > limite)
            conexao->abort();
    });
    connect(conexao, &QTcpSocket::bytesWritten, conexao, [recebidos] { *recebidos = 0; });
    addPendingConnection(conexao);
}
