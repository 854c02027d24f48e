#pragma once

#include "Objeto.h"
#include "Score.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Data do resultado: dias desde 30/12/1899 (a fração é a hora) e a situação.
struct SData {
    enum Estado : int32_t { kValida = 0, kInvalida = 1, kNula = 2 };
    double valor = 0.0;
    int32_t estado = kValida;
};

// Resultado de um concurso.
class CResultadoVarenta : public CObjeto {
public:
    static constexpr const char* kNome = "CResultadoVarenta";

    std::vector<std::unique_ptr<CScore>> m_scores;  // um por jogo, em ordem
    int32_t m_concurso = 0;
    SData m_data;
    int32_t m_ganhadores[15] = {};
    double m_rateio[15] = {};
    int32_t m_acumulado = 0;
    double m_valorAcumulado = 0.0;

    const char* NomeDaClasse() const override { return kNome; }
    void Serialize(CEscritorDeArquivo& ar) const override;
    void Serialize(CLeitorDeArquivo& ar) override;
};

using CListaDeResultados = std::vector<std::unique_ptr<CResultadoVarenta>>;
