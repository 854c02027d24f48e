#pragma once

#include "core/ErroDoUsuario.h"
#include "tools/servidor/ConexaoHttp.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <variant>

// A linha de comando (e o login do ambiente) do serviço, lida inteira e conferida antes
// de qualquer uso.
struct SOpcoesDoServico {
    std::string arquivo;
    QHostAddress endereco{QHostAddress::LocalHost};
    quint16 porta = 8080;
    QByteArray usuario;  // vazio: sem login
    QByteArray senha;
    int conexoes = 512;
    SPrazosDaConexao prazos;
};

struct SPedidoDeAjuda {};

// Opção desconhecida, sem valor, fora da faixa ou login pela metade.
class COpcaoInvalida : public CErroDoUsuario {
public:
    using CErroDoUsuario::CErroDoUsuario;
};

// `ambiente(nome)`: a variável, vazia quando não existe.
using FAmbiente = std::function<QByteArray(const char* nome)>;

// `argumentos` sem o nome do programa.
std::variant<SOpcoesDoServico, SPedidoDeAjuda> LerOpcoesDoServico(const QStringList& argumentos,
                                                                  const FAmbiente& ambiente);
QString TextoDeAjudaDoServico();
