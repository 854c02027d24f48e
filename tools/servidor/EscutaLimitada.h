#pragma once

#include <QTcpServer>

// Aceita conexões e corta a que mandar mais de `limite` bytes sem receber resposta: um
// pedido nunca ocupa memória sem limite.
class CEscutaLimitada : public QTcpServer {
    Q_OBJECT

public:
    CEscutaLimitada(qint64 limite, QObject* pai = nullptr);

protected:
    void incomingConnection(qintptr descritor) override;

private:
    qint64 m_limite;
};
