// quinaro-cli: a geração, a filtragem, a redução, a conferência, a análise, os relatórios e a
// manutenção dos resultados do Quinaro, sem a interface gráfica.
#include "cli/Argumentos.h"
#include "cli/ComandosDoCli.h"
#include "cli/NomesDosGraficos.h"
#include "cli/TextoDoErro.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Uso()
{
    return
        "Uso: quinaro-cli COMANDO [argumentos]\n"
        "\n"
        "  gerar ENTRADA.vrt SAIDA.vrt [--filtrar]   gera os cartões do quadro de ENTRADA\n"
        "  filtrar ENTRADA.vrt SAIDA.vrt             aplica os filtros configurados aos cartões\n"
        "  reduzir ENTRADA.vrt SAIDA.vrt --garantia G [--tempo S]\n"
        "                                            menos cartões que ainda garantem G pontos (3, 4 ou 5)\n"
        "                                            com qualquer resultado entre os cartões; S segundos\n"
        "                                            no máximo (60 se não for dado)\n"
        "  listar ARQUIVO.vrt [--csv]                um cartão por linha: 1x0 2x2 +x1 0x0 3x+\n"
        "                                            (--csv: cabeçalho Jogo 1;...;Jogo 5, um jogo por coluna)\n"
        "  conferir ARQUIVO.vrt \"1x0 2x2 +x1 0x0 3x+\" | --concurso N\n"
        "                                            confere os cartões com um resultado\n"
        "  analisar ARQUIVO.vrt [--de N] [--ate M] [--retorno]\n"
        "                                            acertos por concurso, do N ao M; com --retorno,\n"
        "                                            prêmio, custo e saldo da aposta em cada um\n"
        "  relatorio resultados [--abrir]            relatório dos resultados\n"
        "  relatorio apostas ARQUIVO.vrt [--abrir]   relatório de todas as apostas\n"
        "  relatorio comprovantes ARQUIVO.vrt --concurso N [--abrir]\n"
        "  relatorio retorno ARQUIVO.vrt [--de N] [--ate M] [--abrir]\n"
        "                                            saldo da aposta por concurso, com gráfico\n"
        "  relatorio grafico NOME [--abrir]          NOME: " + ListaDosNomesDosGraficos() + "\n"
        "                                            (ou o número do menu: 32773 32778 32781 32795 32785 32787)\n"
        "  imprimir ARQUIVO.vrt --pdf SAIDA.pdf | --impressora NOME\n"
        "                                            imprime os cartões num PDF (A4) ou na impressora\n"
        "  resultados listar\n"
        "  resultados inserir --concurso N [--data dd/mm/aaaa] --placares \"1x0 2x2 +x1 0x0 3x+\"\n"
        "                     [--ganhadores3 N] [--ganhadores4 N] [--ganhadores5 N]\n"
        "                     [--rateio3 V] [--rateio4 V] [--rateio5 V] [--acumulado V]\n"
        "  resultados remover N\n"
        "  resultados atualizar [--servidor [https://]HOST[:PORTA]]\n"
        "                                            busca no serviço os concursos que faltam\n"
        "                                            (Ctrl-C para e grava os que já vieram)\n"
        "  resultados importar ARQUIVO.csv [--ignorar-erros]\n"
        "                                            junta os concursos do CSV (nada se uma linha é ruim)\n"
        "  resultados exportar ARQUIVO.csv           grava os resultados em CSV (as colunas de listar)\n"
        "\n"
        "Saída: 0 sucesso, 1 falha (mensagem no stderr), 2 uso errado, 130 atualização\n"
        "interrompida pelo Ctrl-C (o que já veio fica gravado).\n";
}

using Comando = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

const std::map<std::string, Comando>& Comandos()
{
    static const std::map<std::string, Comando> comandos = {
        {"gerar", ComandoGerar},         {"filtrar", ComandoFiltrar},       {"listar", ComandoListar},
        {"reduzir", ComandoReduzir},
        {"conferir", ComandoConferir},   {"analisar", ComandoAnalisar},     {"relatorio", ComandoRelatorio},
        {"resultados", ComandoResultados}, {"imprimir", ComandoImprimir},
    };
    return comandos;
}

// Só a impressão precisa de fontes e da QPrinter: aplicação gráfica, fora da tela quando
// ninguém escolheu a plataforma (um PDF não precisa de monitor).
std::unique_ptr<QCoreApplication> CriarAplicacao(int& argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "imprimir") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const auto aplicacao = CriarAplicacao(argc, argv);
    const std::vector<std::string> argumentos(argv + 1, argv + argc);
    if (argumentos.empty() || argumentos[0] == "--help" || argumentos[0] == "-h") {
        (argumentos.empty() ? std::cerr : std::cout) << Uso();
        return argumentos.empty() ? 2 : 0;
    }
    const auto comando = Comandos().find(argumentos[0]);
    if (comando == Comandos().end()) {
        std::cerr << "quinaro-cli: comando desconhecido: " << argumentos[0] << "\n\n" << Uso();
        return 2;
    }
    try {
        return comando->second({argumentos.begin() + 1, argumentos.end()}, std::cout, std::cerr);
    } catch (const CErroDeUso& erro) {
        std::cerr << "quinaro-cli " << argumentos[0] << ": " << erro.what() << "\n\n" << Uso();
        return 2;
    } catch (const std::exception& erro) {
        std::cerr << TextoDoErro(erro) << '\n';
        return 1;
    }
}
