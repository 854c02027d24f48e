// Arquivo de apostas qualquer: só pode abrir ou lançar CArquivoDanificado. O que abriu
// tem de ser gravado e reaberto (o usuário salva o que abriu).
#include "core/ArquivoDanificado.h"
#include "core/EscritorDeArquivo.h"
#include "document/ArquivoDeApostas.h"
#include "document/VarentaDoc.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {
std::string Gravado(const CVarentaDoc& documento)
{
    std::ostringstream saida;
    CEscritorDeArquivo ar(saida);
    documento.Serialize(ar);
    ar.Finalizar();
    return saida.str();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(dados), tamanho));
    std::unique_ptr<CVarentaDoc> documento;
    try {
        documento = LerApostasDoFluxo(entrada, tamanho);
    } catch (const CArquivoDanificado&) {
        return 0;
    }
    const std::string gravado = Gravado(*documento);
    std::istringstream de_novo(gravado);
    try {
        LerApostasDoFluxo(de_novo, gravado.size());
    } catch (const CArquivoDanificado&) {
        std::abort(); // gravou um arquivo que não reabre
    }
    return 0;
}
