#include "core/ConfiguracoesEmMemoria.h"

int CConfiguracoesEmMemoria::LerInteiro(const std::string& secao, const std::string& nome, int padrao) const
{
    const auto achado = m_inteiros.find({secao, nome});
    return achado == m_inteiros.end() ? padrao : achado->second;
}

void CConfiguracoesEmMemoria::GravarInteiro(const std::string& secao, const std::string& nome, int valor)
{
    m_inteiros[{secao, nome}] = valor;
}

std::string CConfiguracoesEmMemoria::LerTexto(const std::string& secao, const std::string& nome,
                                              const std::string& padrao) const
{
    const auto achado = m_textos.find({secao, nome});
    return achado == m_textos.end() ? padrao : achado->second;
}

void CConfiguracoesEmMemoria::GravarTexto(const std::string& secao, const std::string& nome, const std::string& valor)
{
    m_textos[{secao, nome}] = valor;
}
