#include "document/CartoesEmCsv.h"

#include "core/CamposDeCsv.h"
#include "core/GravacaoSegura.h"
#include "core/PlacaresEmTexto.h"
#include "core/Volante.h"
#include "document/VarentaDoc.h"

#include <string>
#include <vector>

namespace {

constexpr char kSeparador = ';';
constexpr int kJogos = 5;
// Milhões de cartões: o texto sai em blocos, sem montar o arquivo inteiro na memória.
constexpr size_t kBloco = size_t(1) << 16;

std::string LinhaDoCartao(const CVolante& cartao)
{
    std::vector<std::string> celulas;
    for (int jogo = 0; jogo < kJogos; ++jogo)
        celulas.push_back(MarcasDoJogo(cartao, jogo));
    return LinhaDeCsv(celulas, kSeparador);
}

} // namespace

void EscreverCartoesEmCsv(const CVarentaDoc& documento, std::ostream& saida)
{
    std::vector<std::string> cabecalho;
    for (int jogo = 1; jogo <= kJogos; ++jogo)
        cabecalho.push_back("Jogo " + std::to_string(jogo));
    std::string texto = LinhaDeCsv(cabecalho, kSeparador) + '\n';
    for (const CVolante cartao : documento.m_volantes) {
        texto += LinhaDoCartao(cartao);
        texto += '\n';
        if (texto.size() > kBloco) {
            saida << texto;
            texto.clear();
        }
    }
    saida << texto << std::flush;
}

bool GravarCartoesEmCsv(const CVarentaDoc& documento, const std::filesystem::path& caminho)
{
    return static_cast<bool>(GravarComSeguranca(caminho, [&](std::ostream& saida) { EscreverCartoesEmCsv(documento, saida); }));
}
