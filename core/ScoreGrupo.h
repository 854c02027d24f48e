#pragma once

#include "core/Objeto.h"

#include <cstdint>
#include <vector>

class CScore;

// Grupo de placares de um jogo: os favoritos (com o grupo das alternativas ao lado)
// ou as alternativas. Não é dono das células que lista.
class CScoreGrupo : public CObjeto {
public:
    static constexpr const char* kNome = "CScoreGrupo";

    int16_t m_jogo = 0;
    std::vector<const CScore*> m_scores;
    CScoreGrupo* m_alternativas = nullptr;

    const char* NomeDaClasse() const override { return kNome; }
    void Serialize(CEscritorDeArquivo& ar) const override;
    void Serialize(CLeitorDeArquivo& ar) override;
};
