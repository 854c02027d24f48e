// gerar, filtrar e listar: o mesmo trabalho do "Executar" e do "Filtrar" da tela de apostas.
#include "cli/Argumentos.h"
#include "cli/ComandosDoCli.h"
#include "cli/ProgressoNoTerminal.h"

#include "core/Aposta.h"
#include "document/ArquivoDeApostas.h"
#include "platform/ConfiguracoesQt.h"
#include "core/ErroDoUsuario.h"
#include "document/GeracaoDeApostas.h"
#include "core/PlacaresEmTexto.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"

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

int ComandoListar(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream&)
{
    const CArgumentos args(argumentos, {});
    args.ExigirPosicionais(1);
    const auto documento = LerArquivoDeApostas(args.Posicionais()[0]);
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
