// conferir e analisar: a conferência da tela de conferência e a análise de vários concursos.
#include "cli/Argumentos.h"
#include "cli/ComandosDoCli.h"
#include "cli/PosicaoDoConcurso.h"
#include "results/ResultadosDoUsuario.h"

#include "checking/AnaliseDeConcursos.h"
#include "checking/ColunasDoResultado.h"
#include "document/ArquivoDeApostas.h"
#include "checking/Conferencia.h"
#include "core/ErroDoUsuario.h"
#include "platform/PastasDoSistema.h"
#include "core/PlacaresEmTexto.h"
#include "checking/ProgressoDaAnalise.h"
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

int ComandoAnalisar(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream&)
{
    const CArgumentos args(argumentos, {"--de", "--ate"});
    args.ExigirPosicionais(1);
    const auto documento = LerArquivoDeApostas(args.Posicionais()[0]);
    const CListaDeResultados resultados = LerResultadosDoUsuario(CPastasDoSistema());

    const auto de = args.Inteiro("--de");
    const auto ate = args.Inteiro("--ate");
    const int inicial = de ? static_cast<int>(PosicaoDoConcurso(resultados, *de)) : 0;
    const int final = ate ? static_cast<int>(PosicaoDoConcurso(resultados, *ate))
                          : static_cast<int>(resultados.size()) - 1;

    CAnaliseDeConcursos analise(resultados);
    CProgressoAnaliseSilencioso progresso;
    analise.Analisar(documento->m_volantes, inicial, final, progresso);

    const auto escrever = [&saida](const std::string& rotulo, const AcertosPorClasse& acertos) {
        saida << rotulo;
        for (int64_t n : acertos)
            saida << ';' << n;
        saida << '\n';
    };
    saida << "Concursos;Sem Acerto;1 Acerto;2 acertos;3 acertos;4 acertos;5 acertos\n";
    for (const SLinhaDaAnalise& linha : analise.Linhas())
        escrever(std::to_string(linha.m_concurso), linha.m_acertos);
    escrever("Total:", analise.Total());
    return 0;
}
