#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Desenho de uma página impressa, sem dispositivo: centésimos de milímetro, x para a
// direita, y para cima, origem no canto superior esquerdo da área imprimível (tudo o que
// sai no papel tem y <= 0). 64 bits: um valor de aposta absurdo vindo do arquivo não
// estoura a conta das colunas.
struct SPonto {
    int64_t x = 0;
    int64_t y = 0;
    bool operator==(const SPonto&) const = default;
};

// Retângulo preenchido de preto com contorno preto, dado por dois cantos opostos.
struct SCaixa {
    enum class ETipo { Marca, Barra };
    ETipo tipo = ETipo::Marca;
    SPonto canto1;
    SPonto canto2;
    bool operator==(const SCaixa&) const = default;
};

// Texto em pé, com o canto superior esquerdo dado.
struct STexto {
    SPonto canto;
    std::string texto;  // UTF-8
    std::string fonte;
    int altura = 0;  // centésimos de milímetro
    int peso = 400;  // 400 normal, 700 negrito
    uint32_t rgb = 0;  // r | g << 8 | b << 16
    bool operator==(const STexto&) const = default;
};

// Linha de recorte tracejada, da espessura mais fina.
struct SLinha {
    SPonto de;
    SPonto ate;
    uint32_t rgb = 0;
    bool operator==(const SLinha&) const = default;
};

struct SPaginaImpressa {
    std::vector<SCaixa> caixas;
    std::vector<STexto> textos;
    std::vector<SLinha> linhas;

    bool Vazia() const { return caixas.empty() && textos.empty() && linhas.empty(); }
};
