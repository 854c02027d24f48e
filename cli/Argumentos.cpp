#include "cli/Argumentos.h"

#include "core/ErroDoUsuario.h"

#include <algorithm>
#include <charconv>

CArgumentos::CArgumentos(const std::vector<std::string>& argumentos, const std::vector<std::string>& nomes_com_valor,
                         const std::vector<std::string>& nomes_sem_valor)
{
    const auto contem = [](const std::vector<std::string>& nomes, const std::string& nome) {
        return std::find(nomes.begin(), nomes.end(), nome) != nomes.end();
    };
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& arg = argumentos[i];
        if (arg.rfind("--", 0) != 0 || arg.size() == 2) {
            m_posicionais.push_back(arg);
        } else if (contem(nomes_com_valor, arg)) {
            if (i + 1 >= argumentos.size())
                throw CErroDeUso("a opção " + arg + " precisa de um valor");
            if (Valor(arg))
                throw CErroDeUso("a opção " + arg + " foi dada mais de uma vez");
            m_valores.emplace_back(arg, argumentos[++i]);
        } else if (contem(nomes_sem_valor, arg)) {
            m_chaves.push_back(arg);
        } else {
            throw CErroDeUso("opção desconhecida: " + arg);
        }
    }
}

void CArgumentos::ExigirPosicionais(size_t n) const
{
    if (m_posicionais.size() != n)
        throw CErroDeUso("número errado de argumentos");
}

std::optional<std::string> CArgumentos::Valor(const std::string& nome) const
{
    for (const auto& [chave, valor] : m_valores)
        if (chave == nome)
            return valor;
    return std::nullopt;
}

bool CArgumentos::Tem(const std::string& nome) const
{
    return std::find(m_chaves.begin(), m_chaves.end(), nome) != m_chaves.end();
}

std::optional<int> CArgumentos::Inteiro(const std::string& nome) const
{
    const auto valor = Valor(nome);
    if (!valor)
        return std::nullopt;
    return LerInteiro(*valor, nome);
}

int LerInteiro(const std::string& texto, const std::string& campo)
{
    int valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [ptr, erro] = std::from_chars(texto.data(), fim, valor);
    if (texto.empty() || erro != std::errc() || ptr != fim)
        throw CErroDoUsuario("Valor inválido para " + campo + ": \"" + texto + "\" (esperado um número inteiro).");
    return valor;
}
