#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Uso errado da linha de comando (saída 2).
class CErroDeUso : public std::runtime_error {
public:
    explicit CErroDeUso(const std::string& mensagem) : std::runtime_error(mensagem) {}
};

// Argumentos de um comando: posicionais e opções "--nome valor" ou "--chave".
class CArgumentos {
public:
    // nomes_com_valor: opções que levam valor; nomes_sem_valor: chaves.
    CArgumentos(const std::vector<std::string>& argumentos, const std::vector<std::string>& nomes_com_valor,
                const std::vector<std::string>& nomes_sem_valor = {});

    const std::vector<std::string>& Posicionais() const { return m_posicionais; }
    // Exige exatamente n posicionais.
    void ExigirPosicionais(size_t n) const;
    std::optional<std::string> Valor(const std::string& nome) const;
    bool Tem(const std::string& nome) const;
    // Valor inteiro da opção; texto que não é inteiro: CErroDoUsuario.
    std::optional<int> Inteiro(const std::string& nome) const;

private:
    std::vector<std::string> m_posicionais;
    std::vector<std::pair<std::string, std::string>> m_valores;
    std::vector<std::string> m_chaves;
};

// Inteiro de 32 bits escrito por inteiro no texto; senão CErroDoUsuario que cita o campo.
int LerInteiro(const std::string& texto, const std::string& campo);
