#pragma once

#include <QByteArray>

// Uma resposta do serviço: sempre texto, sempre com Content-Length.
struct SRespostaHttp {
    int codigo = 200;
    QByteArray corpo;
    bool pedir_login = false;  // WWW-Authenticate
};

enum class EConexaoDepois {
    Manter,        // HTTP/1.1: nada a dizer
    ManterHttp10,  // HTTP/1.0 pediu keep-alive: a resposta precisa confirmá-lo
    Fechar,
};

// Os bytes da resposta. Sem o corpo para HEAD, com o Content-Length que ele teria.
QByteArray EscreverRespostaHttp(const SRespostaHttp& resposta, EConexaoDepois depois, bool com_corpo = true);
