#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

// Regras de número e texto dos diálogos de progresso ("Processando...", "Filtrando..."),
// separadas da interface para poderem ser verificadas sozinhas.

inline constexpr int kFimDaBarraDeProgresso = 30000;
// A estimativa de término só aparece depois de tantos cartões verificados.
inline constexpr int kVerificadasAntesDaEstimativa = 30;

// Contadores da geração: números inteiros guardados em double.
inline std::string FormatarContador(double valor)
{
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.0f", valor);
    return texto;
}

// A fração dos cartões da execução já feitos; sem cartão a fazer, a barra fica no começo.
inline int PosicaoDaGeracao(double geradas, double a_gerar)
{
    if (!(a_gerar > 0))
        return 0;
    const double posicao = geradas * kFimDaBarraDeProgresso / a_gerar;
    return static_cast<int>(std::clamp(posicao, 0.0, double{kFimDaBarraDeProgresso}));
}

// Em precisão simples, como a conta original; total 0 (ou verificadas além do total) não
// pode levar a barra para fora da faixa.
inline int PosicaoDaFiltragem(int verificadas, int total)
{
    if (total <= 0)
        return 0;
    const float posicao = static_cast<float>(verificadas) * kFimDaBarraDeProgresso / static_cast<float>(total);
    return std::clamp(static_cast<int>(posicao), 0, kFimDaBarraDeProgresso);
}

inline std::string FormatarPorcentagem(int verificadas, int total)
{
    const float porcentagem = total == 0 ? 0.0f : static_cast<float>(verificadas) * 100 / static_cast<float>(total);
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.2f %%", static_cast<double>(porcentagem));
    return texto;
}

// "%H:%M:%S s" arredondado ao segundo; as horas não voltam a zero a cada dia, para que uma
// estimativa longa não pareça curta.
inline std::string FormatarDuracao(double segundos)
{
    const int64_t total = std::max<int64_t>(0, std::llround(segundos));
    char texto[64];
    std::snprintf(texto, sizeof texto, "%02lld:%02d:%02d s", static_cast<long long>(total / 3600),
                  static_cast<int>(total / 60 % 60), static_cast<int>(total % 60));
    return texto;
}

// Tempo que falta: o decorrido vezes a proporção ainda não verificada (quociente em
// precisão simples).
inline double SegundosParaTerminar(int64_t decorridos, int verificadas, int total)
{
    const float proporcao = static_cast<float>(total) / static_cast<float>(verificadas);
    return static_cast<double>(decorridos) * proporcao - static_cast<double>(decorridos);
}

inline bool MostraEstimativa(int verificadas)
{
    return verificadas > kVerificadasAntesDaEstimativa;
}
