#pragma once

#include <string>

// Quem busca uma página por HTTP GET: a resposta já montada linha a linha e aparada
// (MontarResposta). Falha do pedido: CErroDeInternet.
class IPaginasDaInternet {
public:
    virtual ~IPaginasDaInternet() = default;
    virtual std::string BaixarPagina(const std::string& endereco) = 0;
};
