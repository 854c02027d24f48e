#pragma once

#include <cstddef>
#include <string>

// Uma linha do CSV de resultados que não virou resultado, e por quê.
struct SLinhaRecusada {
    enum class Motivo {
        LinhaLonga,        // mais que kMaiorLinhaDoCsv bytes
        Aspas,             // aspa sem par, ou texto depois da aspa que fecha
        Colunas,           // outra quantidade de colunas (em `colunas`)
        Concurso,          // não é um inteiro de 1 a 99999
        Data,              // nem dd/mm/aaaa, nem dd/mm/aaaa hh:mm:ss, nem "-"
        Placares,          // não são cinco placares como "1x0"
        Ganhadores,        // não é um inteiro de 0 a 2147483647 (faixa em `faixa`)
        Rateio,            // não é um valor em reais de 0 a menos de 10^13 (faixa em `faixa`)
        Acumulado,         // idem
        ConcursoRepetido,  // o concurso já veio na linha `primeira`
    };

    size_t linha = 0;  // no arquivo, a partir de 1 (o cabeçalho é uma linha)
    Motivo motivo = Motivo::Colunas;
    std::string texto;  // o campo recusado, quando o motivo é de um campo
    size_t colunas = 0;
    int faixa = 0;  // 3, 4 ou 5 acertos
    size_t primeira = 0;
};

// "Linha 7: data inválida: \"31/02/2004\"." (um campo longo sai cortado).
std::string TextoDaRecusa(const SLinhaRecusada& recusa);
