#pragma once

#include "core/Filtro.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <algorithm>
#include <array>
#include <cstdint>

// Os 26 critérios contados direto das suas definições, entrada por entrada: a conta que
// o caminho rápido dos filtros (faixas de bytes, somas por nível da geração) tem de repetir.
namespace referencia {

inline int PrimeiraColuna(const int16_t (&marcas)[5])
{
    for (int c = 0; c < 5; ++c)
        if (marcas[c] == 1)
            return c;
    return 0;
}

inline uint32_t Estatistica(const CVolante& cartao, int criterio)
{
    const int n = std::clamp(cartao.m_qtde, 0, 5);
    int c1[5] = {}, c2[5] = {};
    for (int i = 0; i < n; ++i) {
        c1[i] = PrimeiraColuna(cartao.m_scores[i]->m_time1);
        c2[i] = PrimeiraColuna(cartao.m_scores[i]->m_time2);
    }
    const auto contar = [&](auto condicao) {
        uint32_t total = 0;
        for (int i = 0; i < n; ++i)
            total += condicao(i) ? 1u : 0u;
        return total;
    };
    // resultado: 0 qualquer, 1 time 1, 2 time 2, 3 empate.
    const auto repeticao = [&](int resultado) {
        uint32_t maior = 0;
        for (int i = 0; i < n; ++i) {
            const bool candidato = resultado == 0 || (resultado == 1 && c1[i] > c2[i]) ||
                                   (resultado == 2 && c1[i] < c2[i]) || (resultado == 3 && c1[i] == c2[i]);
            if (!candidato)
                continue;
            uint32_t iguais = 1;
            for (int j = i + 1; j < n; ++j)
                iguais += c1[j] == c1[i] && c2[j] == c2[i];
            maior = std::max(maior, iguais);
        }
        return maior;
    };
    const auto marcas = [&](bool time1, bool time2, int coluna) {
        uint32_t total = 0;
        for (int i = 0; i < n; ++i)
            total += (time1 && cartao.m_scores[i]->m_time1[coluna] == 1) + (time2 && cartao.m_scores[i]->m_time2[coluna] == 1);
        return total;
    };
    switch (criterio) {
    case 0: return contar([&](int i) { return c1[i] > c2[i]; });
    case 1: return contar([&](int i) { return c1[i] == c2[i]; });
    case 2: return contar([&](int i) { return c1[i] < c2[i]; });
    case 3: return repeticao(0);
    case 4: {
        uint32_t maior = 0;
        for (int i = 0; i < n; ++i) {
            uint32_t sequencia = 1;
            for (int j = i + 1; j < n && c1[j] == c1[i] && c2[j] == c2[i]; ++j)
                ++sequencia;
            maior = std::max(maior, sequencia);
        }
        return maior;
    }
    case 5: return repeticao(1);
    case 6: return repeticao(2);
    case 7: return repeticao(3);
    default: break;
    }
    uint32_t gols1 = 0, gols2 = 0;
    for (int i = 0; i < n; ++i) {
        gols1 += static_cast<uint32_t>(c1[i]);
        gols2 += static_cast<uint32_t>(c2[i]);
    }
    if (criterio == 8)
        return gols1 + gols2;
    if (criterio == 9)
        return gols1;
    if (criterio == 10)
        return gols2;
    if (criterio <= 15)
        return marcas(true, true, criterio - 11);
    if (criterio <= 20)
        return marcas(true, false, criterio - 16);
    return marcas(false, true, criterio - 21);
}

inline bool Aprovado(const CVolante& cartao, const std::array<CFiltro::SCriterio, kQtdeDeFiltros>& criterios)
{
    for (int i = 0; i < kQtdeDeFiltros; ++i) {
        const CFiltro::SCriterio& criterio = criterios[static_cast<size_t>(i)];
        if (criterio.ligado == 0)
            continue;
        const uint32_t valor = Estatistica(cartao, i);
        if (valor < static_cast<uint32_t>(criterio.minimo) || valor > static_cast<uint32_t>(criterio.maximo))
            return false;
    }
    return true;
}

} // namespace referencia
