#pragma once

#include "core/Configuracoes.h"

#include <QSettings>

// Armazém de configurações do usuário: QSettings("Orvane Technologies", "Quinaro 1.0")
// no formato nativo (registro no Windows, INI em XDG_CONFIG_HOME no Linux).
class CConfiguracoesQt : public IConfiguracoes {
public:
    CConfiguracoesQt();

    int LerInteiro(const std::string& secao, const std::string& nome, int padrao) const override;
    void GravarInteiro(const std::string& secao, const std::string& nome, int valor) override;
    std::string LerTexto(const std::string& secao, const std::string& nome, const std::string& padrao) const override;
    void GravarTexto(const std::string& secao, const std::string& nome, const std::string& valor) override;

    QSettings& Armazem() { return m_armazem; }
    // Grava no disco, até a última camada: sobrevive a uma queda de energia. O arquivo
    // guarda o login de acesso à internet: só o dono o lê e escreve (0600), qualquer que
    // seja a umask. Falso (e um aviso no registro de erros) se algo não foi gravado.
    bool Sincronizar();

private:
    bool GravarNoDisco();

    mutable QSettings m_armazem;
};

inline constexpr const char* kEmpresa = "Orvane Technologies";
inline constexpr const char* kAplicacao = "Quinaro 1.0";
