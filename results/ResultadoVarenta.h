#pragma once

#include "core/Objeto.h"
#include "core/Score.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Data do resultado: dias desde 30/12/1899 (a fração é a hora) e a situação.
struct SData {
    enum Estado : int32_t { kValida = 0, kInvalida = 1, kNula = 2 };
    double valor = 0.0;
    int32_t estado = kValida;
};

struct SDiaEHora;
// Data na forma regional do sistema, quando há uma; vazio se o texto não é data nela.
using FLerDataRegional = std::function<std::optional<SDiaEHora>(const std::string&)>;

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

    // Preenche o registro com uma resposta de "PegarResultado.aspx". 0 (registro intacto)
    // quando o texto tem menos de 5 caracteres. Só são lidas as linhas seguidas de CR LF.
    // regional: a última forma de data tentada (ver LerDataDaResposta).
    // defeito, quando dado, recebe o primeiro motivo de a resposta não ser o registro
    // completo de um concurso ("sem os placares", "sem a linha final"...), ou fica vazio:
    // número, data válida, dez caracteres de gols que a leitura conhece ("0" a "4" e "+"),
    // valor acumulado, os grupos de 3, 4 e 5 acertos inteiros (cada um uma vez, com
    // números) e, depois deles, a linha final. As faixas dos valores ficam com
    // FaixasDoResultado, exceto a dos ganhadores, vista aqui antes de caber em 32 bits.
    int LerDaResposta(const std::string& texto, const FLerDataRegional& regional, std::string* defeito = nullptr);
    int LerDaResposta(const std::string& texto);
    // Acrescenta os cinco placares: três caracteres por jogo, gols do time 1 e do time 2.
    void LerPlacares(std::string_view linha);
};

using CListaDeResultados = std::vector<std::unique_ptr<CResultadoVarenta>>;
