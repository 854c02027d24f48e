#include "cli/ComandoResultados.h"

#include "cli/Argumentos.h"
#include "results/BancoDeDados.h"
#include "results/web/ClienteDaInternet.h"
#include "platform/ConfiguracoesQt.h"
#include "results/web/DataRegional.h"
#include "results/EnderecoDoServico.h"
#include "cli/ProgressoDaAtualizacaoNoTerminal.h"
#include "results/ParadaDaAtualizacao.h"
#include "results/ServicoDeResultados.h"
#include "platform/ValoresDeInternetQt.h"
#include "results/CaminhoDeDados.h"
#include "results/DataDoResultado.h"
#include "results/EscritorDeResultadosCsv.h"
#include "results/LeitorDeResultadosCsv.h"
#include "core/ErroAoAbrirArquivo.h"
#include "core/ErroDoUsuario.h"
#include "platform/PastasDoSistema.h"
#include "core/PlacaresEmTexto.h"
#include "results/RelogioDoSistema.h"
#include "results/ResultadosDoUsuario.h"
#include "cli/TextoDoErro.h"
#include "results/ValoresDoResultado.h"

#include <charconv>
#include <csignal>
#include <filesystem>

#include <signal.h>

namespace fs = std::filesystem;

namespace {

const char* const kUso =
    "Uso: quinaro-cli resultados listar\n"
    "     quinaro-cli resultados inserir --concurso N --placares \"1x0 2x2 +x1 0x0 3x+\" [--data dd/mm/aaaa]\n"
    "                [--ganhadores3 N] [--ganhadores4 N] [--ganhadores5 N]\n"
    "                [--rateio3 V] [--rateio4 V] [--rateio5 V] [--acumulado V]\n"
    "     quinaro-cli resultados remover N\n"
    "     quinaro-cli resultados atualizar [--servidor [https://]HOST[:PORTA]]\n"
    "     quinaro-cli resultados importar ARQUIVO.csv [--ignorar-erros]\n"
    "     quinaro-cli resultados exportar ARQUIVO.csv\n"
    "\n"
    "listar: uma linha por concurso, campos separados por \";\":\n"
    "  concurso;data;placares;ganhadores 3;ganhadores 4;ganhadores 5;rateio 3;rateio 4;rateio 5;acumulado\n"
    "inserir: substitui o resultado gravado do mesmo concurso; sem --data, agora.\n"
    "atualizar: busca no serviço de resultados os concursos que faltam (até 2000 por vez) e\n"
    "  diz quantos vieram; sem --servidor, o servidor configurado no programa (padrão\n"
    "  127.0.0.1:8080). Com https://, TLS com as autoridades certificadoras do sistema.\n"
    "  Ctrl-C para e grava os concursos completos que já vieram (saída 130).\n"
    "exportar: grava os resultados num CSV com o cabeçalho e as colunas de listar (com a hora\n"
    "  quando não é 00:00:00 e as casas decimais que o valor precisar).\n"
    "importar: lê um CSV assim (separador \";\" ou \",\", visto no cabeçalho; com \",\", valor\n"
    "  com vírgula decimal entre aspas) e junta os concursos como inserir. Cada linha recusada\n"
    "  sai com o número e o motivo; com alguma recusada nada é gravado, a menos que\n"
    "  --ignorar-erros grave as demais. Concurso repetido no arquivo: vale a primeira linha.\n"
    "Valores (V) em reais: 1234.50 ou 1234,50, sem separador de milhar.\n";

const char* const kRateios[3] = {"--rateio3", "--rateio4", "--rateio5"};
const char* const kGanhadores[3] = {"--ganhadores3", "--ganhadores4", "--ganhadores5"};

fs::path ArquivoDeResultados()
{
    return CaminhoDeDados(CPastasDoSistema(), kArquivoDeResultados);
}

std::string LinhaDoResultado(const CResultadoVarenta& resultado)
{
    std::string placares;
    for (const auto& placar : resultado.m_scores)
        placares += (placares.empty() ? "" : " ") + MarcasDaEntrada(*placar);
    std::string linha = std::to_string(resultado.m_concurso) + ';' + TextoDaData(resultado.m_data) + ';' + placares;
    for (int acertos = 3; acertos <= 5; ++acertos)
        linha += ';' + std::to_string(resultado.m_ganhadores[acertos]);
    for (int acertos = 3; acertos <= 5; ++acertos)
        linha += ';' + TextoFixo(resultado.m_rateio[acertos], 2);
    return linha + ';' + TextoFixo(resultado.m_valorAcumulado, 2);
}

int Listar(const CArgumentos& argumentos, std::ostream& saida)
{
    argumentos.ExigirPosicionais(0);
    for (const auto& resultado : LerResultadosDoUsuario(CPastasDoSistema()))
        saida << LinhaDoResultado(*resultado) << '\n';
    return 0;
}

double ReaisDaOpcao(const std::string& texto, const std::string& campo)
{
    const auto valor = LerReais(texto);
    if (!valor)
        throw CErroDoUsuario("Valor inválido para " + campo + ": \"" + texto +
                             "\" (esperado um valor em reais não negativo, como 1234.50).");
    return *valor;
}

int NaoNegativoDaOpcao(const std::string& texto, const std::string& campo)
{
    const auto valor = LerNaoNegativo(texto);
    if (!valor)
        throw CErroDoUsuario("Valor inválido para " + campo + ": \"" + texto +
                             "\" (esperado um número inteiro não negativo).");
    return *valor;
}

std::string Exigir(const CArgumentos& argumentos, const std::string& nome)
{
    const auto valor = argumentos.Valor(nome);
    if (!valor)
        throw CErroDeUso("falta a opção " + nome);
    return *valor;
}

SValoresDoResultado LerValores(const CArgumentos& argumentos, const IRelogio& relogio)
{
    SValoresDoResultado valores;
    valores.concurso = NaoNegativoDaOpcao(Exigir(argumentos, "--concurso"), "--concurso");
    valores.colunas = LerPlacares(Exigir(argumentos, "--placares"));
    const auto data = argumentos.Valor("--data");
    valores.data = DataDoCalendario(data ? LerDia(*data) : relogio.Agora());
    for (int faixa = 0; faixa < 3; ++faixa) {
        if (const auto ganhadores = argumentos.Valor(kGanhadores[faixa]))
            valores.ganhadores[faixa] = NaoNegativoDaOpcao(*ganhadores, kGanhadores[faixa]);
        if (const auto rateio = argumentos.Valor(kRateios[faixa]))
            valores.rateios[faixa] = ReaisDaOpcao(*rateio, kRateios[faixa]);
    }
    if (const auto acumulado = argumentos.Valor("--acumulado"))
        valores.valor_acumulado = ReaisDaOpcao(*acumulado, "--acumulado");
    return valores;
}

int Inserir(const CArgumentos& argumentos, const IRelogio& relogio, std::ostream& saida)
{
    argumentos.ExigirPosicionais(0);
    const SValoresDoResultado valores = LerValores(argumentos, relogio);
    const fs::path caminho = ArquivoDeResultados();
    if (!CBancoDeDados::InserirResultado(caminho, NovoResultado(valores)))
        throw CErroDoUsuario("Erro ao Salvar Arquivo: " + caminho.string());
    saida << "Concurso " << valores.concurso << " gravado em " << caminho.string() << '\n';
    return 0;
}

int Remover(const CArgumentos& argumentos, std::ostream& saida)
{
    argumentos.ExigirPosicionais(1);
    const int concurso = NaoNegativoDaOpcao(argumentos.Posicionais()[0], "o concurso");
    const fs::path caminho = ArquivoDeResultados();
    // Sem arquivo não há o que remover; não se cria um arquivo vazio por engano.
    if (!fs::exists(caminho))
        throw CErroAoAbrirArquivo(kErroAoAbrirArquivo, caminho);
    const auto removidos = CBancoDeDados::RemoverResultado(concurso, caminho);
    if (!removidos)
        throw CErroDoUsuario("Erro ao Salvar Arquivo: " + caminho.string());
    if (*removidos == 0)
        throw CErroDoUsuario("O concurso " + std::to_string(concurso) + " não está no arquivo de resultados.");
    saida << "Concurso " << concurso << " removido de " << caminho.string() << '\n';
    return 0;
}

// O Ctrl-C durante a atualização pede a parada (os concursos completos que já vieram são
// gravados); um segundo Ctrl-C volta ao tratamento de antes. Um só de cada vez.
CParadaDaAtualizacao* g_parada_pelo_sinal = nullptr;

extern "C" void PedirParadaPeloSinal(int)
{
    if (g_parada_pelo_sinal != nullptr)
        g_parada_pelo_sinal->Pedir();
}

class CParadaPeloCtrlC {
public:
    explicit CParadaPeloCtrlC(CParadaDaAtualizacao& parada)
    {
        g_parada_pelo_sinal = &parada;
        struct sigaction tratamento = {};
        tratamento.sa_handler = PedirParadaPeloSinal;
        sigemptyset(&tratamento.sa_mask);
        tratamento.sa_flags = SA_RESETHAND;
        m_instalado = sigaction(SIGINT, &tratamento, &m_anterior) == 0;
    }
    ~CParadaPeloCtrlC()
    {
        if (m_instalado)
            sigaction(SIGINT, &m_anterior, nullptr);
        g_parada_pelo_sinal = nullptr;
    }
    CParadaPeloCtrlC(const CParadaPeloCtrlC&) = delete;
    CParadaPeloCtrlC& operator=(const CParadaPeloCtrlC&) = delete;

private:
    struct sigaction m_anterior = {};
    bool m_instalado = false;
};

int Atualizar(const CArgumentos& argumentos, std::ostream& saida, std::ostream& erros)
{
    argumentos.ExigirPosicionais(0);
    const CConfiguracoesQt configuracoes;
    const std::string servidor =
        argumentos.Valor("--servidor").value_or(configuracoes.LerTexto("dados", "servidor", kServidorPadrao));
    const fs::path caminho = ArquivoDeResultados();
    CParadaDaAtualizacao parada;
    CValoresDeInternetQt valores;
    SOpcoesDoCliente opcoes_do_cliente;
    opcoes_do_cliente.parada = &parada;
    CClienteDaInternet cliente(valores, opcoes_do_cliente);
    CServicoDeResultados servico(cliente, servidor, DataRegionalDoSistema());
    SOpcoesDaAtualizacao opcoes;
    opcoes.parada = &parada;
    SResumoDaAtualizacao resumo;
    {
        const CParadaPeloCtrlC ctrl_c(parada);
        CProgressoDaAtualizacaoNoTerminal progresso(erros);
        resumo = CBancoDeDados::AtualizarPelaInternet(caminho, servico, progresso, opcoes);
    }
    if (!resumo.gravado)
        throw CErroDoUsuario("Erro ao Salvar Arquivo: " + caminho.string());
    saida << TextoDaAtualizacao(resumo) << '\n';
    // 130, como o de um programa terminado pelo Ctrl-C: a atualização não terminou.
    return resumo.interrompida ? 130 : 0;
}

int Exportar(const CArgumentos& argumentos, std::ostream& saida)
{
    argumentos.ExigirPosicionais(1);
    const fs::path csv = argumentos.Posicionais()[0];
    const auto resultados = LerResultadosDoUsuario(CPastasDoSistema());
    if (!GravarResultadosEmCsv(resultados, csv))
        throw CErroDoUsuario("Erro ao Salvar Arquivo: " + csv.string());
    saida << resultados.size() << " concursos gravados em " << csv.string() << '\n';
    return 0;
}

int Importar(const CArgumentos& argumentos, std::ostream& saida, std::ostream& erros)
{
    argumentos.ExigirPosicionais(1);
    const fs::path csv = argumentos.Posicionais()[0];
    SResultadosDoCsv lidos = LerResultadosDeCsv(csv);
    for (const SLinhaRecusada& recusa : lidos.recusadas)
        erros << csv.string() << ": " << TextoDaRecusa(recusa) << '\n';
    if (!lidos.recusadas.empty() && !argumentos.Tem("--ignorar-erros"))
        throw CErroDoUsuario("Nada gravado: " + std::to_string(lidos.recusadas.size()) +
                             " linha(s) recusada(s); --ignorar-erros grava as outras.");
    const size_t quantos = lidos.resultados.size();
    const fs::path caminho = ArquivoDeResultados();
    if (!CBancoDeDados::InserirResultados(caminho, std::move(lidos.resultados)))
        throw CErroDoUsuario("Erro ao Salvar Arquivo: " + caminho.string());
    saida << quantos << " concursos de " << csv.string() << " gravados em " << caminho.string() << '\n';
    return 0;
}

int Executar(const std::vector<std::string>& argumentos, const IRelogio& relogio, std::ostream& saida,
             std::ostream& erros)
{
    if (argumentos.empty())
        throw CErroDeUso("falta o subcomando (listar, inserir, remover, atualizar, importar ou exportar)");
    const std::string& subcomando = argumentos[0];
    const std::vector<std::string> resto(argumentos.begin() + 1, argumentos.end());
    if (subcomando == "listar")
        return Listar(CArgumentos(resto, {}), saida);
    if (subcomando == "inserir") {
        std::vector<std::string> opcoes = {"--concurso", "--data", "--placares", "--acumulado"};
        opcoes.insert(opcoes.end(), std::begin(kGanhadores), std::end(kGanhadores));
        opcoes.insert(opcoes.end(), std::begin(kRateios), std::end(kRateios));
        return Inserir(CArgumentos(resto, opcoes), relogio, saida);
    }
    if (subcomando == "remover")
        return Remover(CArgumentos(resto, {}), saida);
    if (subcomando == "atualizar")
        return Atualizar(CArgumentos(resto, {"--servidor"}), saida, erros);
    if (subcomando == "importar")
        return Importar(CArgumentos(resto, {}, {"--ignorar-erros"}), saida, erros);
    if (subcomando == "exportar")
        return Exportar(CArgumentos(resto, {}), saida);
    throw CErroDeUso("subcomando desconhecido: " + subcomando);
}

} // namespace

int ComandoResultados(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros)
{
    return ComandoResultadosComRelogio(argumentos, CRelogioDoSistema(), saida, erros);
}

int ComandoResultadosComRelogio(const std::vector<std::string>& argumentos, const IRelogio& relogio,
                                std::ostream& saida, std::ostream& erros)
{
    try {
        return Executar(argumentos, relogio, saida, erros);
    } catch (const CErroDeUso& erro) {
        erros << "quinaro-cli resultados: " << erro.what() << "\n\n" << kUso;
        return 2;
    } catch (const CErroDoUsuario& erro) {
        erros << TextoDoErro(erro) << '\n';
        return 1;
    }
}
