#pragma once

#include "tools/servidor/CatalogoDeResultados.h"

#include <QAbstractHttpServer>
#include <QByteArray>

// O serviço de resultados: só as duas páginas que o cliente pede, lidas do arquivo de
// resultados. Concurso desconhecido: resposta vazia; parâmetro que não é número
// decimal simples: 400; outro caminho: 404; login (quando há) errado ou ausente: 401.
class CServidorDeResultados : public QAbstractHttpServer {
    Q_OBJECT

public:
    // usuario vazio: sem autenticação.
    CServidorDeResultados(CCatalogoDeResultados& catalogo, QByteArray usuario, QByteArray senha,
                          QObject* pai = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest& pedido, QTcpSocket* conexao) override;
    void missingHandler(const QHttpServerRequest& pedido, QTcpSocket* conexao) override;

private:
    bool Autorizado(const QHttpServerRequest& pedido) const;

    CCatalogoDeResultados& m_catalogo;
    QByteArray m_credencial;  // "Basic " + base64(usuario:senha), vazia sem login
};
