#pragma once

#include <string>

// Valores de acesso à internet ("ProxyEnable", "ProxyLoginEnable", "ProxyUser",
// "ProxyPassword"), guardados como texto à parte das seções de configuração.
class IValoresDeInternet {
public:
    virtual ~IValoresDeInternet() = default;
    // Valor ausente, ou com mais de 1023 bytes, lê como texto vazio.
    virtual std::string LerValorInternet(const std::string& nome) const = 0;
    virtual void GravarValorInternet(const std::string& nome, const std::string& valor) = 0;
};

inline constexpr const char* kProxyUser = "ProxyUser";
inline constexpr const char* kProxyPassword = "ProxyPassword";
inline constexpr const char* kProxyEnable = "ProxyEnable";
inline constexpr const char* kProxyLoginEnable = "ProxyLoginEnable";
