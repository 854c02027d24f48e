#include "ConfiguracoesQt.h"

namespace {
QString Chave(const std::string& secao, const std::string& nome)
{
    return QString::fromStdString(secao) + QLatin1Char('/') + QString::fromStdString(nome);
}
}

CConfiguracoesQt::CConfiguracoesQt()
    : m_armazem(QSettings::NativeFormat, QSettings::UserScope, kEmpresa, kAplicacao) {}

int CConfiguracoesQt::LerInteiro(const std::string& secao, const std::string& nome, int padrao) const
{
    m_armazem.sync();
    const QVariant valor = m_armazem.value(Chave(secao, nome));
    bool ok = false;
    const int inteiro = valor.toInt(&ok);
    return ok ? inteiro : padrao;
}

void CConfiguracoesQt::GravarInteiro(const std::string& secao, const std::string& nome, int valor)
{
    m_armazem.setValue(Chave(secao, nome), valor);
    m_armazem.sync();
}

std::string CConfiguracoesQt::LerTexto(const std::string& secao, const std::string& nome,
                                       const std::string& padrao) const
{
    m_armazem.sync();
    const QVariant valor = m_armazem.value(Chave(secao, nome));
    return valor.isValid() ? valor.toString().toStdString() : padrao;
}

void CConfiguracoesQt::GravarTexto(const std::string& secao, const std::string& nome, const std::string& valor)
{
    m_armazem.setValue(Chave(secao, nome), QString::fromStdString(valor));
    m_armazem.sync();
}
