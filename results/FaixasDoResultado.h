#pragma once

#include "core/ErroDoUsuario.h"
#include "results/ResultadoVarenta.h"

#include <cstdint>
#include <optional>
#include <string>

// A faixa de cada campo de um resultado, a mesma para toda entrada: "inserir", o diálogo de
// cadastro, o CSV, as respostas do serviço e o arquivo que o serviço publica. Os valores em
// reais ficam abaixo de 10^13 para que os centavos caibam exatos num double.
inline constexpr int32_t kPrimeiroConcurso = 1;
inline constexpr int32_t kUltimoConcurso = 99999;
inline constexpr int64_t kMaisGanhadores = INT32_MAX;
inline constexpr double kTetoDosReais = 1e13;  // exclusivo

enum class ECampoDoResultado {
    Concurso,
    Ganhadores3,
    Ganhadores4,
    Ganhadores5,
    Rateio3,
    Rateio4,
    Rateio5,
    ValorAcumulado,
};

// "Concurso", "Ganhadores com 4 acertos", "Rateio de 5 acertos", "Valor acumulado".
std::string NomeDoCampo(ECampoDoResultado campo);
// "de 1 a 99999", "de 0 a 2147483647", "de 0 a menos de 10000000000000".
std::string FaixaDoCampo(ECampoDoResultado campo);

bool ConcursoNaFaixa(int64_t concurso);
bool GanhadoresNaFaixa(int64_t ganhadores);
bool ReaisNaFaixa(double valor);  // finito, 0 <= valor < 10^13

// Um campo recusado pela faixa; a mensagem nomeia o campo, o valor e a faixa.
class CCampoForaDaFaixa : public CErroDoUsuario {
public:
    CCampoForaDaFaixa(ECampoDoResultado campo, const std::string& valor);
    ECampoDoResultado Campo() const { return m_campo; }

private:
    ECampoDoResultado m_campo;
};

// O primeiro campo do registro fora da sua faixa (concurso, ganhadores e rateios de 3 a 5
// acertos, valor acumulado), ou vazio.
std::optional<ECampoDoResultado> CampoForaDaFaixa(const CResultadoVarenta& resultado);
// Lança CCampoForaDaFaixa com o primeiro campo fora da faixa.
void ExigirFaixas(const CResultadoVarenta& resultado);
