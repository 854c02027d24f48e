#pragma once

#include "core/Objeto.h"

#include <cstdint>

// Placar de um jogo: uma linha de cinco marcas por time ("0", "1", "2", "3", "+").
class CScore : public CObjeto {
public:
    static constexpr const char* kNome = "CScore";

    int16_t m_reservado = 0;
    int16_t m_time1[5] = {};
    int16_t m_time2[5] = {};
    int16_t m_jogo = 0;

    const char* NomeDaClasse() const override { return kNome; }
    void Serialize(CEscritorDeArquivo& ar) const override;
    void Serialize(CLeitorDeArquivo& ar) override;

    // Mesmas marcas nos dois times (o índice do jogo não conta).
    bool MesmoPlacar(const CScore& outro) const;
    // Primeira coluna marcada do time (1 ou 2), ou 0 se nenhuma estiver.
    int ColunaDoTime1() const;
    int ColunaDoTime2() const;
};
