#pragma once

#include <string>

// Quantos concursos uma atualização busca no máximo: um último concurso absurdo
// (99999) não vira horas de pedidos; o resto fica para a próxima.
inline constexpr int kMaisConcursosPorAtualizacao = 2000;

// O que uma atualização pela internet fez.
struct SResumoDaAtualizacao {
    bool gravado = true;       // falso: havia concursos novos e a gravação falhou (arquivo como estava)
    int novos = 0;             // concursos que não estavam no arquivo e agora estão
    int primeiro = 0;          // o menor e o maior dos novos
    int ultimo = 0;
    int faltam = 0;            // concursos que o limite por vez deixou para a próxima
    bool interrompida = false; // parou a pedido; os novos são os completos que já tinham vindo
};

// O texto que a tela e o quinaro-cli mostram: "3 concursos novos (do 4 ao 6).",
// "1 concurso novo (o 7).", "Nenhum concurso novo."; "Atualização interrompida: ..." quando
// parou; e, se o limite deixou concursos, "Faltam N concursos: atualize de novo para
// buscá-los."
std::string TextoDaAtualizacao(const SResumoDaAtualizacao& resumo);
