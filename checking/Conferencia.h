#pragma once

#include "core/Score.h"
#include "core/Volante.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CListaDeVolantes;

// Cor RGB de uma linha (0 = cor padrão do texto).
inline constexpr uint32_t Rgb(int r, int g, int b)
{
    return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}

struct SLinhaColorida {
    std::string texto;
    uint32_t cor = 0;
    bool operator==(const SLinhaColorida&) const = default;
};

// Cartão feito de um resultado (dez colunas, time 1 e time 2 de cada jogo); dono das
// suas cinco entradas.
class CCartaoResultado {
public:
    explicit CCartaoResultado(const std::array<int, 10>& colunas);
    CCartaoResultado(const CCartaoResultado&) = delete;
    CCartaoResultado& operator=(const CCartaoResultado&) = delete;

    const CVolante& Volante() const { return m_volante; }

private:
    std::array<CScore, 5> m_entradas;
    CVolante m_volante;
};

// Linha do resumo para h acertos e n cartões.
std::string TextoDaAnalise(int acertos, int quantidade);

// O aviso de quando algum cartão fez 5 pontos, na tela e no quinaro-cli.
inline constexpr const char* kParabensPelosCincoAcertos = "Parabéns. Você acertou os 5 resultados !!!!";

// Esvazia e preenche as duas listas; verdadeiro se algum cartão fez 5 pontos.
bool ConferirVolantes(const CListaDeVolantes& volantes, const CVolante& resultado,
                      std::vector<std::string>& resumo, std::vector<SLinhaColorida>& premios);
