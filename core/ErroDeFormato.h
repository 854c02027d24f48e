#pragma once

#include <stdexcept>
#include <string>

// Falha de leitura de um arquivo no formato de arquivamento.
class CErroDeFormato : public std::runtime_error {
public:
    enum class Tipo {
        FimInesperado,     // o arquivo acaba antes do anunciado
        ObjetoInesperado,  // classe com outro nome ou no lugar errado
        EsquemaIncorreto,  // esquema diferente de 0
        FormatoInvalido,   // referência a classe não descrita, referência a objeto, dado fora do permitido
    };

    CErroDeFormato(Tipo tipo, const std::string& detalhe)
        : std::runtime_error(detalhe), m_tipo(tipo) {}

    Tipo TipoDoErro() const { return m_tipo; }

private:
    Tipo m_tipo;
};
