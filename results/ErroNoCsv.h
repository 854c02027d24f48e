#pragma once

#include "core/ErroDoUsuario.h"

#include <string>

// O CSV de resultados inteiro não serve (nenhuma linha é lida): sem o cabeçalho, grande
// demais ou com linhas demais. As linhas ruins de um arquivo bom são SLinhaRecusada.
class CErroNoCsv : public CErroDoUsuario {
public:
    enum class Tipo { Cabecalho, ArquivoGrande, LinhasDemais };

    CErroNoCsv(Tipo tipo, const std::string& mensagem) : CErroDoUsuario(mensagem), m_tipo(tipo) {}

    Tipo TipoDoErro() const { return m_tipo; }

private:
    Tipo m_tipo;
};
