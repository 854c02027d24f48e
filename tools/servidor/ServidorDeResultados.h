#pragma once

#include "tools/servidor/CatalogoDeResultados.h"
#include "tools/servidor/PedidoHttp.h"
#include "tools/servidor/RespostaHttp.h"

#include <QByteArray>

// As páginas do serviço de resultados: só as duas que o cliente pede, lidas do arquivo de
// resultados. Concurso desconhecido: resposta vazia; parâmetro que não é número decimal
// simples: 400; outro caminho: 404; login (quando há) errado ou ausente: 401.
class CServidorDeResultados {
public:
    enum class ELogin { NaoConferido, Certo, Errado };
    struct SAtendimento {
        SRespostaHttp resposta;
        ELogin login = ELogin::NaoConferido;
    };

    // usuario vazio: sem autenticação.
    CServidorDeResultados(CCatalogoDeResultados& catalogo, const QByteArray& usuario, const QByteArray& senha);

    SAtendimento Atender(const SPedidoHttp& pedido);

private:
    ELogin ConferirLogin(const SPedidoHttp& pedido) const;
    SRespostaHttp Pagina(const SPedidoHttp& pedido, bool ultimo);

    CCatalogoDeResultados& m_catalogo;
    QByteArray m_credencial;  // "Basic " + base64(usuario:senha), vazia sem login
};
