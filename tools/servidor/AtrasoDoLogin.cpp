#include "tools/servidor/AtrasoDoLogin.h"

#include <algorithm>

namespace {

// Um bloco IPv6 /64 costuma ser de um só assinante: contar endereço por endereço daria a
// ele 2^64 chances.
QByteArray Chave(const QHostAddress& endereco)
{
    bool ipv4 = false;
    const quint32 v4 = endereco.toIPv4Address(&ipv4);
    if (ipv4)
        return "4:" + QByteArray::number(v4);
    const Q_IPV6ADDR v6 = endereco.toIPv6Address();
    return "6:" + QByteArray(reinterpret_cast<const char*>(v6.c), 8);
}

} // namespace

std::chrono::milliseconds CAtrasoDoLogin::Atraso(const QHostAddress& endereco, Relogio::time_point agora) const
{
    const auto erros = m_erros.find(Chave(endereco));
    if (erros == m_erros.end() || erros->second.quantos < kErrosSemAtraso ||
        agora - erros->second.ultimo >= kEsquecimento)
        return std::chrono::milliseconds{0};
    // A partir do 5º erro: 1, 2, 4, 8, 16, 16… segundos; o expoente para antes de estourar.
    const int dobras = std::min(erros->second.quantos - kErrosSemAtraso, 8);
    return std::min(kPrimeiroAtraso * (1 << dobras), kMaiorAtraso);
}

void CAtrasoDoLogin::Errou(const QHostAddress& endereco, Relogio::time_point agora)
{
    const QByteArray chave = Chave(endereco);
    auto erros = m_erros.find(chave);
    if (erros == m_erros.end()) {
        AbrirEspaco(agora);
        erros = m_erros.emplace(chave, SErros{}).first;
    } else if (agora - erros->second.ultimo >= kEsquecimento) {
        erros->second.quantos = 0;
    }
    erros->second.quantos = std::min(erros->second.quantos + 1, 1000);
    erros->second.ultimo = agora;
}

void CAtrasoDoLogin::Acertou(const QHostAddress& endereco)
{
    m_erros.erase(Chave(endereco));
}

void CAtrasoDoLogin::AbrirEspaco(Relogio::time_point agora)
{
    if (m_erros.size() < kMaisEnderecos)
        return;
    std::erase_if(m_erros, [agora](const auto& par) { return agora - par.second.ultimo >= kEsquecimento; });
    if (m_erros.size() < kMaisEnderecos)
        return;
    // Cheia de endereços recentes: sai o que errou há mais tempo.
    const auto mais_antigo = std::min_element(m_erros.begin(), m_erros.end(), [](const auto& a, const auto& b) {
        return a.second.ultimo < b.second.ultimo;
    });
    m_erros.erase(mais_antigo);
}
