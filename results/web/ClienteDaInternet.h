#pragma once

#include "results/PaginasDaInternet.h"

#include <QList>
#include <QSslCertificate>

#include <chrono>
#include <cstdint>
#include <optional>

class CParadaDaAtualizacao;
class IValoresDeInternet;

// Variável de ambiente com um arquivo PEM de autoridades certificadoras aceitas além das
// do sistema (os testes dão assim a sua autoridade de teste; vazia ou ausente: só as do
// sistema).
inline constexpr const char* kCertificadosExtras = "QUINARO_CERTIFICADOS_CA";

struct SOpcoesDoCliente {
    std::chrono::milliseconds pausa{300};           // antes de cada pedido
    std::chrono::milliseconds tempo_limite{30000};  // de cada pedido, do envio ao fim da resposta
    int64_t maior_resposta = 1 << 20;               // bytes do corpo
    const CParadaDaAtualizacao* parada = nullptr;   // pedida: a pausa e o pedido em curso param
};

// GET pela QtNetwork, com o proxy configurado no sistema; "https://" com TLS, as
// autoridades do sistema (e as de kCertificadosExtras) e a conferência do nome do
// servidor. O login do serviço ("ServicoUser"/"ServicoPassword") vai em todo pedido
// (HTTP basic), com ou sem proxy; o de "ProxyUser"/"ProxyPassword" responde só ao pedido
// de login do proxy. Ambos são lidos de novo a cada pedido. Só o código 200 com o corpo
// inteiro é resposta; qualquer outro código, falha de conexão, corpo cortado ou mal
// formado, certificado recusado, tempo esgotado, corpo grande demais ou parada pedida:
// CErroDeInternet, com o servidor e o que conferir na mensagem.
class CClienteDaInternet : public IPaginasDaInternet {
public:
    explicit CClienteDaInternet(const IValoresDeInternet& valores, SOpcoesDoCliente opcoes = {});

    std::string BaixarPagina(const std::string& endereco) override;

private:
    const IValoresDeInternet& m_valores;
    SOpcoesDoCliente m_opcoes;
    // As do sistema e as extras, lidas no primeiro pedido TLS quando há extras.
    std::optional<QList<QSslCertificate>> m_autoridades;
};
