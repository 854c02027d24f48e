#pragma once

#include "results/PaginasDaInternet.h"

#include <chrono>
#include <cstdint>

class IValoresDeInternet;

struct SOpcoesDoCliente {
    std::chrono::milliseconds pausa{300};           // antes de cada pedido
    std::chrono::milliseconds tempo_limite{30000};  // de cada pedido, do envio ao fim da resposta
    int64_t maior_resposta = 1 << 20;               // bytes do corpo
};

// GET pela QtNetwork, com o proxy configurado no sistema. "ProxyUser" e "ProxyPassword",
// lidos de novo a cada pedido, respondem aos pedidos de autenticação do servidor e do
// proxy. O código HTTP não é examinado: uma página de erro volta como resposta. Falha de
// conexão, tempo esgotado ou corpo grande demais: CErroDeInternet.
class CClienteDaInternet : public IPaginasDaInternet {
public:
    explicit CClienteDaInternet(const IValoresDeInternet& valores, SOpcoesDoCliente opcoes = {});

    std::string BaixarPagina(const std::string& endereco) override;

private:
    const IValoresDeInternet& m_valores;
    SOpcoesDoCliente m_opcoes;
};
