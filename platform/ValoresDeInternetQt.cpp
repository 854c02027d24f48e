#include "platform/ValoresDeInternetQt.h"

namespace {

constexpr size_t kMaiorValor = 1023;  // bytes

QString Chave(const std::string& nome)
{
    return QStringLiteral("Proxy/") + QString::fromStdString(nome);
}

} // namespace

std::string CValoresDeInternetQt::LerValorInternet(const std::string& nome) const
{
    QSettings& armazem = m_configuracoes.Armazem();
    armazem.sync();
    const std::string valor = armazem.value(Chave(nome)).toString().toStdString();
    return valor.size() > kMaiorValor ? std::string() : valor;
}

void CValoresDeInternetQt::GravarValorInternet(const std::string& nome, const std::string& valor)
{
    m_configuracoes.Armazem().setValue(Chave(nome), QString::fromStdString(valor));
    m_configuracoes.Sincronizar();
}
