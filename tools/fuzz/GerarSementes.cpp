// Grava as sementes dos alvos em PASTA/<alvo>/: as fixtures hexadecimais dos testes em
// bytes, um documento com chave e grupos (partes do formato que as fixtures não têm),
// as respostas do serviço escritas a partir dos resultados das fixtures e placares.
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "core/EscritorDeArquivo.h"
#include "core/Score.h"
#include "core/ScoreGrupo.h"
#include "document/ArquivoDeApostas.h"
#include "document/VarentaDoc.h"
#include "results/ArquivoDeResultados.h"
#include "results/RespostaDoServico.h"
#include "tests/support/BytesHex.h"
#include "tests/support/PastaTemporaria.h"

#include <filesystem>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

void Gravar(const fs::path& pasta, const std::string& nome, const std::string& bytes)
{
    fs::create_directories(pasta);
    GravarBytes(pasta / nome, bytes);
}

std::string BytesDoDocumento(const CVarentaDoc& documento)
{
    std::ostringstream saida;
    CEscritorDeArquivo ar(saida);
    documento.Serialize(ar);
    ar.Finalizar();
    return saida.str();
}

// A fixture com grupos na chave: favoritos de dois jogos, um deles com alternativas.
std::string DocumentoComGrupos(const std::string& fixture)
{
    std::istringstream entrada(fixture);
    auto documento = LerApostasDoFluxo(entrada, fixture.size());
    const auto& celulas = CCartaoCheio::Instancia().Celulas();
    CScoreGrupo alternativas, favoritos, outro;
    alternativas.m_scores = {&celulas[1], &celulas[2]};
    favoritos.m_scores = {&celulas[0]};
    favoritos.m_alternativas = &alternativas;
    outro.m_jogo = 1;
    outro.m_scores = {&celulas[25]};
    documento->m_chaves.front()->m_grupos = {&favoritos, &outro};
    std::string bytes = BytesDoDocumento(*documento);
    documento->m_chaves.front()->m_grupos.clear();
    return bytes;
}

void SementesDosResultados(const fs::path& pasta, const std::string& nome)
{
    const std::string bytes = FixtureHex("results/fixtures/" + nome + ".hex");
    Gravar(pasta / "arquivo_de_resultados", nome, bytes);
    std::istringstream entrada(bytes);
    CListaDeResultados lista;
    LerResultadosDoFluxo(entrada, bytes.size(), lista);
    for (size_t i = 0; i < lista.size(); ++i)
        Gravar(pasta / "resposta_do_servico", nome + "_" + std::to_string(i),
               EscreverRespostaDoResultado(*lista[i]));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "uso: gerar_sementes PASTA\n";
        return 2;
    }
    const fs::path pasta = argv[1];
    const std::string documento = FixtureHex("document/fixtures/documento_gerado.hex");
    Gravar(pasta / "arquivo_de_apostas", "documento_gerado", documento);
    Gravar(pasta / "arquivo_de_apostas", "documento_com_grupos", DocumentoComGrupos(documento));
    for (const char* nome : {"um_resultado", "dois_resultados"})
        SementesDosResultados(pasta, nome);
    const char* respostas[] = {
        "1234\r\n15/03/2004\r\n10 22 +1 00 3+\r\n0\r\n5\r\n2\r\n850.50\r\nfim\r\n",
        "7\r\n2004-01-01 10:20:30\r\n00 00 00 00 00\r\n-1.5e3\r\n20\r\n99999999999\r\n1\r\n",
    };
    for (size_t i = 0; i < std::size(respostas); ++i)
        Gravar(pasta / "resposta_do_servico", "texto_" + std::to_string(i), respostas[i]);
    const char* placares[] = {"1x0 2x2 +x1 0x0 3x+", "  1X0 2x2   +x1 0x0 3x+ ", "10x0 2x2 +x1 0x0 3x+"};
    for (size_t i = 0; i < std::size(placares); ++i)
        Gravar(pasta / "placares_em_texto", "placares_" + std::to_string(i), placares[i]);
    return 0;
}
