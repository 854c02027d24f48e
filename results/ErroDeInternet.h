#pragma once

#include "core/ErroDoUsuario.h"

// Falha de um pedido ao serviço de resultados. Termina a atualização inteira sem mexer
// no arquivo; a mensagem é a da plataforma (nunca leva a senha).
class CErroDeInternet : public CErroDoUsuario {
public:
    enum class Tipo {
        Conexao,           // recusada, interrompida, servidor não encontrado, proxy
        TempoEsgotado,     // o pedido passou do tempo limite
        RespostaGrande,    // o corpo passou do tamanho aceito
        EnderecoInvalido,  // porta fora de 1..65535
    };

    CErroDeInternet(Tipo tipo, const std::string& mensagem) : CErroDoUsuario(mensagem), m_tipo(tipo) {}
    Tipo TipoDoErro() const { return m_tipo; }

private:
    Tipo m_tipo;
};
