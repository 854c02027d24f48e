#pragma once

#include <string>

// Armazém de configurações do usuário: seções de valores inteiros e textos com nome.
// Toda leitura traz o valor padrão; toda gravação vale na hora.
class IConfiguracoes {
public:
    virtual ~IConfiguracoes() = default;
    virtual int LerInteiro(const std::string& secao, const std::string& nome, int padrao) const = 0;
    virtual void GravarInteiro(const std::string& secao, const std::string& nome, int valor) = 0;
    virtual std::string LerTexto(const std::string& secao, const std::string& nome, const std::string& padrao) const = 0;
    virtual void GravarTexto(const std::string& secao, const std::string& nome, const std::string& valor) = 0;
};
