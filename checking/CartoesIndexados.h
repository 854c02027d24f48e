#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class CListaDeVolantes;
class CScore;
class CVolante;

// Os cartões preparados para serem conferidos com muitos resultados seguidos: cada
// entrada vira o número do seu placar distinto (jogo e as dez marcas), e um resultado vira
// uma tabela que diz se cada placar distinto acerta. Um cartão custa então cinco consultas
// à tabela, com o mesmo total que CVolante::ContarAcertos.
class CCartoesIndexados {
public:
    explicit CCartoesIndexados(const CListaDeVolantes& volantes);

    size_t Quantidade() const { return m_entradas.size() / 5; }

    // Refaz a tabela para o cartão-resultado dado.
    void PrepararResultado(const CVolante& resultado);

    // Soma 1 na classe de acertos de cada cartão das posições [de, ate).
    void Contar(size_t de, size_t ate, std::array<int64_t, 6>& contagem) const;

private:
    // Placar 0: entrada que nunca acerta (nula ou de jogo fora de 0 a 4).
    uint32_t NumeroDoPlacar(const CScore* entrada);

    std::vector<uint32_t> m_entradas;        // cinco por cartão, na ordem da lista
    std::vector<const CScore*> m_placares;   // um representante de cada placar distinto
    std::vector<uint8_t> m_acerta;           // por placar, contra o resultado preparado
};
