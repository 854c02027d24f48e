// Respostas do serviço de resultados quaisquer (a rede não é confiável): o leitor nunca
// lança, e o registro lido pode ser escrito de volta como resposta.
#include "results/DataDoResultado.h"
#include "results/RespostaDoServico.h"
#include "results/ResultadoVarenta.h"
#include "results/TextoDaResposta.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {
// Forma regional de mentira: campos separados por ";" com qualquer inteiro, para que o
// calendário receba valores que uma configuração regional estranha poderia entregar.
std::optional<SDiaEHora> RegionalQualquer(const std::string& texto)
{
    if (texto.find(';') == std::string::npos)
        return std::nullopt;
    int campos[6] = {};
    std::string_view resto = texto;
    for (int& campo : campos) {
        campo = InteiroDoInicio(resto);
        const size_t separador = resto.find(';');
        if (separador == std::string_view::npos)
            break;
        resto.remove_prefix(separador + 1);
    }
    return SDiaEHora{campos[0], campos[1], campos[2], campos[3], campos[4], campos[5]};
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    InteiroDoInicio(texto); // resposta de "PegarUltimoConcurso.aspx"
    CResultadoVarenta sem_regional;
    sem_regional.LerDaResposta(texto);
    EscreverRespostaDoResultado(sem_regional);
    CResultadoVarenta com_regional;
    com_regional.LerDaResposta(texto, RegionalQualquer);
    EscreverRespostaDoResultado(com_regional);
    return 0;
}
