#pragma once

#include "core/Configuracoes.h"

#include <map>
#include <utility>

// Configurações guardadas só na memória (testes e execuções sem armazém).
class CConfiguracoesEmMemoria : public IConfiguracoes {
public:
    int LerInteiro(const std::string& secao, const std::string& nome, int padrao) const override;
    void GravarInteiro(const std::string& secao, const std::string& nome, int valor) override;
    std::string LerTexto(const std::string& secao, const std::string& nome, const std::string& padrao) const override;
    void GravarTexto(const std::string& secao, const std::string& nome, const std::string& valor) override;

private:
    using Chave = std::pair<std::string, std::string>;
    std::map<Chave, int> m_inteiros;
    std::map<Chave, std::string> m_textos;
};
