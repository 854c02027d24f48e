// relatorio: os mesmos relatórios HTML dos menus do programa de mesa.
#include "cli/AnaliseDoArquivo.h"
#include "cli/Argumentos.h"
#include "cli/ComandosDoCli.h"

#include "document/ArquivoDeApostas.h"
#include "reports/Comprovantes.h"
#include "core/ErroDoUsuario.h"
#include "reports/Graficos.h"
#include "reports/ListagemDeApostas.h"
#include "reports/ListagemDeResultados.h"
#include "reports/RelatorioDoRetorno.h"
#include "platform/NavegadorDoSistema.h"
#include "cli/NomesDosGraficos.h"
#include "platform/PastasDoSistema.h"
#include "document/VarentaDoc.h"

namespace {

std::filesystem::path EscreverRelatorio(const CArgumentos& args, const IPastas& pastas)
{
    const auto& posicionais = args.Posicionais();
    if (posicionais.empty())
        throw CErroDeUso("falta o tipo de relatório");
    const std::string& tipo = posicionais[0];
    const bool comprovantes = tipo == "comprovantes";
    if (args.Valor("--concurso").has_value() != comprovantes)
        throw CErroDeUso(comprovantes ? "comprovantes pedem --concurso N" : "--concurso é só para comprovantes");
    if (tipo == "retorno") {
        args.ExigirPosicionais(2);
        return EscreverRelatorioDoRetorno(pastas, CAnaliseDoArquivo(posicionais[1], args).Retorno());
    }
    if (args.Valor("--de") || args.Valor("--ate"))
        throw CErroDeUso("--de e --ate são só para retorno");

    if (tipo == "resultados") {
        args.ExigirPosicionais(1);
        return EscreverListagemDeResultados(pastas);
    }
    if (tipo == "grafico") {
        args.ExigirPosicionais(2);
        const auto grafico = GraficoPedido(posicionais[1]);
        if (!grafico)
            throw CErroDoUsuario("Gráfico desconhecido: " + posicionais[1] + " (use " + ListaDosNomesDosGraficos() +
                                 " ou 32773, 32778, 32781, 32795, 32785, 32787).");
        return EscreverGrafico(pastas, *grafico);
    }
    if (tipo == "apostas" || comprovantes) {
        args.ExigirPosicionais(2);
        const auto documento = LerArquivoDeApostas(posicionais[1]);
        if (!comprovantes)
            return EscreverListagemDeApostas(pastas, documento->m_volantes);
        const int concurso = *args.Inteiro("--concurso");
        if (concurso < 0)
            throw CErroDoUsuario("Enter a positive integer.");
        return EscreverComprovantes(pastas, static_cast<uint32_t>(concurso), documento->m_celulas,
                                    documento->m_chave_do_jogo, documento->m_resumo);
    }
    throw CErroDeUso("relatório desconhecido: " + tipo);
}

} // namespace

int ComandoRelatorio(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream&)
{
    const CArgumentos args(argumentos, {"--concurso", "--de", "--ate"}, {"--abrir"});
    const CPastasDoSistema pastas;
    const std::filesystem::path relatorio = EscreverRelatorio(args, pastas);
    saida << relatorio.string() << '\n';
    if (args.Tem("--abrir"))
        CNavegadorDoSistema().Abrir(relatorio);
    return 0;
}
