#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CVarentaDoc;

// O que o jogador muda num documento de apostas e o arquivo guarda: comparado com o
// retrato tirado ao abrir ou salvar, diz se há alterações a perder. Os cartões entram
// pela revisão da lista, não um por um.
struct SConteudoDoDocumento {
    struct SChave {
        std::string nome;
        int32_t min = 0;
        int32_t max = 0;
        int32_t qtde_jogos = 0;
        bool operator==(const SChave&) const = default;
    };

    std::array<std::array<uint16_t, 25>, 5> celulas{};
    std::array<std::string, 5> chave_do_jogo;
    std::vector<SChave> chaves;
    int32_t min_completas = 0;
    int32_t max_completas = 0;
    int32_t valor_da_aposta = 0;
    int32_t qtde_apostas = 0;
    std::string resumo;
    uint64_t revisao_dos_volantes = 0;

    bool operator==(const SConteudoDoDocumento&) const = default;
};

SConteudoDoDocumento ConteudoDoDocumento(const CVarentaDoc& documento);
