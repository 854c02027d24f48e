// gerar, filtrar, reduzir e listar: o mesmo trabalho do "Executar", do "Filtrar" e do
// "Reduzir Apostas..." da tela de apostas.
#include "cli/Argumentos.h"
#include "cli/ComandosDoCli.h"
#include "cli/ProgressoNoTerminal.h"

#include "core/Aposta.h"
#include "document/ArquivoDeApostas.h"
#include "document/CartoesEmCsv.h"
#include "platform/ConfiguracoesQt.h"
#include "core/ErroDoUsuario.h"
#include "document/GeracaoDeApostas.h"
#include "core/PlacaresEmTexto.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"
#include "checking/ProgressoDoFechamento.h"
#include "core/PrecoDaAposta.h"
#include "document/ReducaoDeApostas.h"

#include <chrono>
#include <optional>

namespace {

// Sem --tempo, o mesmo prazo que o diálogo da tela sugere.
constexpr int kSegundosDaReducao = 60;

int GarantiaPedida(const CArgumentos& args)
{
    const std::optional<int> garantia = args.Inteiro("--garantia");
    if (!garantia)
        throw CErroDeUso("informe --garantia 3, 4 ou 5");
    if (*garantia < 3 || *garantia > 5)
        throw CErroDeUso("a garantia é de 3, 4 ou 5 pontos");
    return *garantia;
}

std::chrono::seconds PrazoPedido(const CArgumentos& args)
{
    const int segundos = args.Inteiro("--tempo").value_or(kSegundosDaReducao);
    if (segundos < 0)
        throw CErroDeUso("--tempo são segundos, de 0 em diante");
    return std::chrono::seconds(segundos);
}

} // namespace

int ComandoGerar(const std::vector<std::string>& argumentos, std::ostream&, std::ostream& erros)
{
    const CArgumentos args(argumentos, {}, {"--filtrar"});
    args.ExigirPosicionais(2);
    auto documento = LerArquivoDeApostas(args.Posicionais()[0]);
    if (const int jogo = ValidarFavoritos(*documento))
        throw CErroDoUsuario(MensagemDeJogoSemFavorito(jogo));

    CConfiguracoesQt configuracoes;
    CProgressoNoTerminal progresso(erros);
    CAposta aposta(configuracoes, progresso);
    bool filtrado = false;
    GerarApostasDoDocumento(*documento, aposta, args.Tem("--filtrar"), filtrado, configuracoes);
    GravarArquivoDeApostas(*documento, args.Posicionais()[1]);
    return 0;
}

int ComandoFiltrar(const std::vector<std::string>& argumentos, std::ostream&, std::ostream& erros)
{
    const CArgumentos args(argumentos, {});
    args.ExigirPosicionais(2);
    auto documento = LerArquivoDeApostas(args.Posicionais()[0]);

    CConfiguracoesQt configuracoes;
    CProgressoNoTerminal progresso(erros);
    CFiltro filtro(configuracoes);
    bool filtrado = false;
    FiltrarApostasDoDocumento(*documento, filtro, progresso, true, filtrado, configuracoes);
    GravarArquivoDeApostas(*documento, args.Posicionais()[1]);
    return 0;
}

int ComandoReduzir(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream&)
{
    const CArgumentos args(argumentos, {"--garantia", "--tempo"});
    args.ExigirPosicionais(2);
    const int garantia = GarantiaPedida(args);
    const std::chrono::seconds prazo = PrazoPedido(args);
    auto documento = LerArquivoDeApostas(args.Posicionais()[0]);

    const std::string preco_antes = TextoComDuasCasas(PrecoDaAposta(documento->m_valor_da_aposta, documento->m_qtde_apostas));
    CProgressoFechamentoSilencioso progresso;
    const SReducaoDeApostas reducao = ReduzirApostasDoDocumento(*documento, garantia, prazo, progresso);
    GravarArquivoDeApostas(*documento, args.Posicionais()[1]);
    saida << "Cartões: " << reducao.cartoes_antes << " antes, " << reducao.cartoes_depois << " depois\n"
          << "Preço: " << preco_antes << " antes, "
          << TextoComDuasCasas(PrecoDaAposta(documento->m_valor_da_aposta, documento->m_qtde_apostas)) << " depois\n"
          << TextoDoPiso(reducao) << '\n';
    if (reducao.interrompida)
        saida << "Prazo esgotado: a garantia vale, mas com mais tempo os cartões poderiam ser menos.\n";
    return 0;
}

int ComandoListar(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream&)
{
    const CArgumentos args(argumentos, {}, {"--csv"});
    args.ExigirPosicionais(1);
    const auto documento = LerArquivoDeApostas(args.Posicionais()[0]);
    if (args.Tem("--csv")) {
        EscreverCartoesEmCsv(*documento, saida);
        return 0;
    }
    std::string linhas;
    for (const CVolante cartao : documento->m_volantes) {
        linhas += MarcasDoCartao(cartao);
        linhas += '\n';
        if (linhas.size() > (1 << 16)) {
            saida << linhas;
            linhas.clear();
        }
    }
    saida << linhas << std::flush;
    return 0;
}
