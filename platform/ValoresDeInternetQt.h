#pragma once

#include "platform/ConfiguracoesQt.h"
#include "core/ValoresDeInternet.h"

// Os valores de acesso à internet no grupo "Proxy" do armazém de configurações, como
// texto cru (fora das seções lidas com padrão).
class CValoresDeInternetQt : public IValoresDeInternet {
public:
    std::string LerValorInternet(const std::string& nome) const override;
    void GravarValorInternet(const std::string& nome, const std::string& valor) override;

private:
    mutable CConfiguracoesQt m_configuracoes;
};
