#pragma once

// Os componentes de verdade que os testes de rede iniciam no loopback: o serviço de
// resultados, o proxy HTTP tinyproxy e um servidor TCP que responde como o teste manda
// (cala, corta a resposta ao meio, devolve uma página de erro).

#include "tests/support/PastaTemporaria.h"

#include <QByteArray>
#include <QProcess>
#include <QTcpServer>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

// quinaro-servidor-resultados servindo `arquivo` numa porta livre.
class CServicoEmTeste {
public:
    explicit CServicoEmTeste(const std::filesystem::path& arquivo, const std::string& usuario = {},
                             const std::string& senha = {});
    ~CServicoEmTeste();

    // "127.0.0.1:porta"; vazio se o serviço não subiu (o motivo em Falha()).
    const std::string& Servidor() const { return m_servidor; }
    const std::string& Falha() const { return m_falha; }

private:
    QProcess m_processo;
    std::string m_servidor;
    std::string m_falha;
};

// tinyproxy no loopback, exigindo login (basic). O Qt não usa proxy para endereços do
// loopback; por isso os nomes em kDominioPeloProxy vão, pelo proxy, ao servidor
// `destino` ("127.0.0.1:porta") sem consulta de nomes. Vazio em Endereco() se o
// programa não existe ou não subiu.
inline constexpr const char* kDominioPeloProxy = ".quinaro.test";

class CProxyEmTeste {
public:
    CProxyEmTeste(const std::string& usuario, const std::string& senha, const std::string& destino);
    ~CProxyEmTeste();

    static bool Instalado();
    // "http://127.0.0.1:porta"
    const std::string& Endereco() const { return m_endereco; }
    const std::string& Falha() const { return m_falha; }
    // O registro do proxy (cada pedido que passou por ele).
    std::string Registro() const;

private:
    CPastaTemporaria m_pasta;
    QProcess m_processo;
    std::string m_endereco;
    std::string m_falha;
};

// Porta do loopback em que ninguém escuta.
quint16 PortaLivre();

// Servidor TCP que entrega cada pedido (cabeçalho completo) à reação do teste.
class CServidorRoteirizado : public QTcpServer {
public:
    using FReacao = std::function<void(QTcpSocket& conexao, const QByteArray& linha_do_pedido)>;

    explicit CServidorRoteirizado(FReacao reacao);
    std::string Servidor() const;

    // Reações prontas.
    static FReacao Calar();
    static FReacao Responder(int codigo, const QByteArray& corpo);
    // Responde as páginas pelo caminho (o que vem antes de "?"); as outras, cala.
    static FReacao PorCaminho(std::map<QByteArray, FReacao> reacoes);
    // Anuncia `anunciados` bytes, manda só `corpo` e fecha a conexão.
    static FReacao Cortar(const QByteArray& corpo, int anunciados);

private:
    FReacao m_reacao;
};

// Uma autoridade certificadora de teste e certificados de servidor, feitos pelo openssl na
// hora numa pasta temporária: o certo (127.0.0.1 e localhost), um de nome errado
// (outro.quinaro.test) e um certo, mas de outra autoridade (que o cliente não conhece).
class CCertificadosDeTeste {
public:
    struct SPar {
        std::filesystem::path certificado;
        std::filesystem::path chave;
    };

    CCertificadosDeTeste();
    // openssl e stunnel4.
    static bool Instalados();

    const std::filesystem::path& Autoridade() const { return m_autoridade; }
    const SPar& Certo() const { return m_certo; }
    const SPar& NomeErrado() const { return m_nome_errado; }
    const SPar& DeOutraAutoridade() const { return m_de_outra; }
    // Vazio se tudo foi feito.
    const std::string& Falha() const { return m_falha; }

private:
    bool Openssl(const QStringList& argumentos);

    CPastaTemporaria m_pasta;
    std::filesystem::path m_autoridade;
    SPar m_certo, m_nome_errado, m_de_outra;
    std::string m_falha;
};

// stunnel4 no loopback: TLS com o par dado na frente de `destino` ("127.0.0.1:porta").
class CTlsEmTeste {
public:
    CTlsEmTeste(const CCertificadosDeTeste::SPar& par, const std::string& destino);
    ~CTlsEmTeste();

    // "https://127.0.0.1:porta"; vazio se não subiu (o motivo em Falha()).
    const std::string& Servidor() const { return m_servidor; }
    quint16 Porta() const { return m_porta; }
    const std::string& Falha() const { return m_falha; }

private:
    CPastaTemporaria m_pasta;
    QProcess m_processo;
    quint16 m_porta = 0;
    std::string m_servidor;
    std::string m_falha;
};
