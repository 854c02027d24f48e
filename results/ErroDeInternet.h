#pragma once

#include "core/ErroDoUsuario.h"

// Falha de um pedido ao serviço de resultados. Termina a atualização inteira sem mexer
// no arquivo (exceto Interrompido, que guarda o que já veio). A mensagem nomeia o
// servidor e diz como corrigir; nunca leva a senha.
class CErroDeInternet : public CErroDoUsuario {
public:
    enum class Tipo {
        Conexao,           // recusada, interrompida, servidor não encontrado, proxy, corpo cortado
        TempoEsgotado,     // o pedido passou do tempo limite
        RespostaGrande,    // o corpo passou do tamanho aceito
        EnderecoInvalido,  // porta fora de 1..65535, servidor vazio
        CodigoHttp,        // o servidor respondeu com um código que não é 200 (CodigoHttp())
        Certificado,       // o certificado TLS do servidor não foi aceito
        SemTls,            // "https://" sem o suporte a TLS do Qt
        Interrompido,      // quem atualiza pediu para parar
    };

    CErroDeInternet(Tipo tipo, const std::string& mensagem, int codigo_http = 0)
        : CErroDoUsuario(mensagem), m_tipo(tipo), m_codigo_http(codigo_http)
    {
    }
    Tipo TipoDoErro() const { return m_tipo; }
    int CodigoHttp() const { return m_codigo_http; }

private:
    Tipo m_tipo;
    int m_codigo_http;
};
