#pragma once

#include <QByteArray>
#include <QHostAddress>

#include <chrono>
#include <map>

// Freio de quem tenta adivinhar o login: depois de 5 logins errados de um endereço, cada
// resposta a ele espera 1 s, dobrando a cada novo erro, até 16 s. Um login certo ou
// 15 minutos sem erro fazem esquecer o endereço. Só atrasa; nunca recusa.
class CAtrasoDoLogin {
public:
    using Relogio = std::chrono::steady_clock;

    static constexpr int kErrosSemAtraso = 5;
    static constexpr std::chrono::milliseconds kPrimeiroAtraso{1000};
    static constexpr std::chrono::milliseconds kMaiorAtraso{16000};
    static constexpr std::chrono::minutes kEsquecimento{15};
    // Endereços lembrados ao mesmo tempo: a tabela nunca cresce sem limite.
    static constexpr size_t kMaisEnderecos = 10000;

    // Quanto esperar antes de atender um pedido deste endereço.
    std::chrono::milliseconds Atraso(const QHostAddress& endereco, Relogio::time_point agora) const;
    void Errou(const QHostAddress& endereco, Relogio::time_point agora);
    void Acertou(const QHostAddress& endereco);

private:
    struct SErros {
        int quantos = 0;
        Relogio::time_point ultimo;
    };

    void AbrirEspaco(Relogio::time_point agora);

    std::map<QByteArray, SErros> m_erros;
};
