#pragma once

#include "checking/AnaliseDeConcursos.h"
#include "checking/RetornoDaAposta.h"
#include "results/ResultadoVarenta.h"

#include <memory>
#include <string>

class CArgumentos;
class CVarentaDoc;

// A análise de vários concursos dos cartões de um arquivo de apostas, na faixa de
// concursos de --de e --ate (sem elas, do primeiro ao último do arquivo de resultados),
// com os resultados do usuário. Serve a "analisar" e a "relatorio retorno".
class CAnaliseDoArquivo {
public:
    CAnaliseDoArquivo(const std::string& arquivo, const CArgumentos& args);
    ~CAnaliseDoArquivo();

    const CAnaliseDeConcursos& Analise() const { return m_analise; }
    // Prêmio, custo e saldo, com o preço da aposta do documento em cada concurso.
    CRetornoDaAposta Retorno() const;

private:
    std::unique_ptr<CVarentaDoc> m_documento;
    CListaDeResultados m_resultados;
    int m_inicial = 0;
    CAnaliseDeConcursos m_analise;
};
