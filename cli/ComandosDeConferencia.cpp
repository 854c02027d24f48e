// conferir e analisar: a conferência da tela de conferência e a análise de vários concursos.
#include "cli/AnaliseDoArquivo.h"
#include "cli/Argumentos.h"
#include "cli/ComandosDoCli.h"
#include "cli/PosicaoDoConcurso.h"
#include "results/ResultadosDoUsuario.h"

#include "checking/ColunasDoResultado.h"
#include "document/ArquivoDeApostas.h"
#include "checking/Conferencia.h"
#include "core/ErroDoUsuario.h"
#include "platform/PastasDoSistema.h"
#include "core/PlacaresEmTexto.h"
#include "document/VarentaDoc.h"

namespace {

std::array<int, 10> ColunasPedidas(const CArgumentos& args)
{
    const auto concurso = args.Inteiro("--concurso");
    if (concurso.has_value() == (args.Posicionais().size() == 2))
        throw CErroDeUso("informe os placares ou --concurso N, um dos dois");
    if (!concurso)
        return LerPlacares(args.Posicionais()[1]);
    const CListaDeResultados resultados = LerResultadosDoUsuario(CPastasDoSistema());
    return ColunasDoResultado(*resultados[PosicaoDoConcurso(resultados, *concurso)]);
}

} // namespace

int ComandoConferir(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream&)
{
    const CArgumentos args(argumentos, {"--concurso"});
    if (args.Posicionais().empty() || args.Posicionais().size() > 2)
        throw CErroDeUso("número errado de argumentos");
    const auto documento = LerArquivoDeApostas(args.Posicionais()[0]);
    const CCartaoResultado resultado(ColunasPedidas(args));

    std::vector<std::string> resumo;
    std::vector<SLinhaColorida> premios;
    const bool cinco = documento->ConferirVolantes(resultado.Volante(), resumo, premios);
    for (const std::string& linha : resumo)
        saida << linha << '\n';
    for (const SLinhaColorida& linha : premios)
        saida << linha.texto << '\n';
    if (cinco)
        saida << kParabensPelosCincoAcertos << '\n';
    return 0;
}

namespace {

void EscreverLinha(std::ostream& saida, const std::string& rotulo, const auto& celulas)
{
    saida << rotulo;
    for (const auto& celula : celulas)
        saida << ';' << celula;
    saida << '\n';
}

void EscreverAcertos(std::ostream& saida, const CAnaliseDeConcursos& analise)
{
    saida << "Concursos;Sem Acerto;1 Acerto;2 acertos;3 acertos;4 acertos;5 acertos\n";
    for (const SLinhaDaAnalise& linha : analise.Linhas())
        EscreverLinha(saida, std::to_string(linha.m_concurso), linha.m_acertos);
    EscreverLinha(saida, "Total:", analise.Total());
}

void EscreverRetorno(std::ostream& saida, const CRetornoDaAposta& retorno)
{
    EscreverLinha(saida, "Concursos", kColunasDoRetorno);
    for (const SRetornoDoConcurso& concurso : retorno.Concursos())
        EscreverLinha(saida, std::to_string(concurso.m_concurso), TextosDoRetorno(concurso));
    EscreverLinha(saida, "Total:", TextosDoRetorno(retorno.Total()));
}

} // namespace

int ComandoAnalisar(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream&)
{
    const CArgumentos args(argumentos, {"--de", "--ate"}, {"--retorno"});
    args.ExigirPosicionais(1);
    const CAnaliseDoArquivo analise(args.Posicionais()[0], args);
    if (args.Tem("--retorno"))
        EscreverRetorno(saida, analise.Retorno());
    else
        EscreverAcertos(saida, analise.Analise());
    return 0;
}
