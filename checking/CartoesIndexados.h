#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

class CListaDeVolantes;
class CScore;
class CVolante;

// Os cartões preparados para serem conferidos com muitos resultados seguidos. As marcas
// de cada jogo ganham um número (ContarAcertos só compara as marcas da entrada com as do
// resultado no jogo dela). O cartão comum, com no máximo uma entrada por jogo, vira um
// byte por jogo (colunas separadas, que a comparação faz de 32 em 32); os outros (jogo
// repetido, marcas demais num jogo) ficam com as cinco entradas e são conferidos um a um.
// A ordem dos cartões não se guarda: a análise só soma classes de acertos.
class CCartoesIndexados {
public:
    // O que acerta em cada jogo para um resultado.
    struct SResultado {
        std::array<uint8_t, 5> m_codigo{};   // byte do cartão comum que acerta no jogo
        std::array<uint32_t, 6> m_marcas{};  // número das marcas que acertam; [5]: nunca
    };

    // Cartões comuns por bloco: as cinco colunas de um bloco cabem juntas no cache L1.
    static constexpr size_t kCartoesPorBloco = 4096;
    static constexpr size_t kIrregularesPorBloco = 1024;

    // Lista grande leva tempo para ser lida: a cada tantos cartões, continuar() diz se
    // segue; falso deixa só os cartões lidos até ali.
    static constexpr size_t kCartoesPorVezDaLeitura = 65536;
    CCartoesIndexados(const CListaDeVolantes& volantes, const std::function<bool()>& continuar);

    size_t Quantidade() const { return m_comuns + m_irregulares.size() / 5; }
    size_t Blocos() const { return m_blocos_comuns + BlocosIrregulares(); }
    size_t CartoesDoBloco(size_t bloco) const;

    // Cartão-resultado com a entrada m sendo o jogo m, como o de ContarAcertos.
    SResultado Indexar(const CVolante& resultado) const;

    // Soma os cartões do bloco na classe de acertos de cada resultado dado:
    // contagens[r] recebe os do resultados[r].
    void ContarBloco(size_t bloco, std::span<const SResultado> resultados,
                     std::span<std::array<int64_t, 6>> contagens) const;

private:
    using Marcas = std::array<int16_t, 10>;
    // Jogo 5: entrada que nunca acerta (nula ou de jogo fora de 0 a 4).
    struct SEntrada {
        uint32_t m_marcas = 0;
        uint32_t m_jogo = 5;
    };
    void Adicionar(const std::array<SEntrada, 5>& lidas);
    SEntrada Entrada(const CScore* placar);
    void CompletarBlocos();
    size_t BlocosIrregulares() const;
    void ContarComuns(size_t bloco, std::span<const SResultado> resultados,
                      std::span<std::array<int64_t, 6>> contagens) const;
    void ContarIrregulares(size_t bloco, std::span<const SResultado> resultados,
                           std::span<std::array<int64_t, 6>> contagens) const;

    std::array<std::map<Marcas, uint32_t>, 5> m_numeros;  // por jogo, na ordem em que apareceram
    std::array<std::vector<uint8_t>, 5> m_colunas;  // 0: sem entrada no jogo; senão número + 1
    size_t m_comuns = 0;
    size_t m_blocos_comuns = 0;
    std::vector<SEntrada> m_irregulares;  // cinco por cartão
};
