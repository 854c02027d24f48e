// Arquivo de resultados qualquer: só pode ser lido ou lançar CErroDeFormato. Os registros
// lidos passam pela gravação, pela releitura e pelas respostas do serviço (datas e
// valores vindos do arquivo).
#include "core/EscritorDeArquivo.h"
#include "core/ErroDeFormato.h"
#include "results/ArquivoDeResultados.h"
#include "results/DataDoResultado.h"
#include "results/RespostaDoServico.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {
std::string Gravado(const CListaDeResultados& lista)
{
    std::ostringstream saida;
    CEscritorDeArquivo ar(saida);
    ar.EscreverContagem(static_cast<uint32_t>(lista.size()));
    for (const auto& registro : lista)
        ar.EscreverObjeto(registro.get());
    ar.Finalizar();
    return saida.str();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(dados), tamanho));
    CListaDeResultados lista;
    try {
        LerResultadosDoFluxo(entrada, tamanho, lista);
    } catch (const CErroDeFormato&) {
        if (!lista.empty())
            std::abort(); // a lista fica intacta quando o arquivo está danificado
        return 0;
    }
    for (const auto& registro : lista) {
        TextoDaData(registro->m_data);
        EscreverRespostaDoResultado(*registro);
    }
    const std::string gravado = Gravado(lista);
    std::istringstream de_novo(gravado);
    CListaDeResultados relidos;
    try {
        LerResultadosDoFluxo(de_novo, gravado.size(), relidos);
    } catch (const CErroDeFormato&) {
        std::abort(); // gravou um arquivo que não relê
    }
    if (relidos.size() != lista.size())
        std::abort();
    return 0;
}
