#pragma once

#include "results/ResultadoVarenta.h"

#include <string>

class IPaginasDaInternet;

// As duas páginas do serviço de resultados num servidor ("host[:porta]", com "http://" ou
// "https://" opcional na frente).
class CServicoDeResultados {
public:
    // regional: a forma de data do sistema, última tentativa ao ler a data da resposta.
    CServicoDeResultados(IPaginasDaInternet& paginas, std::string servidor, FLerDataRegional regional = {});

    // Inteiro do começo da resposta (0 se ela não começa por um número).
    int PegarUltimoConcurso();
    std::string PegarResultado(int concurso);
    const FLerDataRegional& DataRegional() const { return m_regional; }
    // Como as mensagens nomeiam o servidor (NomeDoServidor).
    std::string Servidor() const;

private:
    IPaginasDaInternet& m_paginas;
    std::string m_servidor;
    FLerDataRegional m_regional;
};
