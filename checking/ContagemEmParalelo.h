#pragma once

#include "checking/CartoesIndexados.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

// Chamada entre um bloco e outro da thread de quem pediu a contagem, com os cartões já
// contados por todas as threads; falso interrompe a contagem.
using VezDaContagem = std::function<bool(size_t cartoes_contados)>;

// Conta os blocos dos cartões a partir de primeiro_bloco para os resultados dados
// (contagens[r] recebe os de resultados[r]), repartidos entre as threads do processador;
// quem chama conta também e é a única que chama vez. Interrompida, as threads terminam o
// bloco em curso. Devolve o primeiro bloco não contado: todos os anteriores foram.
size_t ContarEmParalelo(const CCartoesIndexados& cartoes, size_t primeiro_bloco,
                        std::span<const CCartoesIndexados::SResultado> resultados,
                        std::span<std::array<int64_t, 6>> contagens, const VezDaContagem& vez);
