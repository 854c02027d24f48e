#pragma once

#include "core/TravaDeArquivo.h"
#include "results/ResultadoVarenta.h"
#include "results/ResumoDaAtualizacao.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

class CParadaDaAtualizacao;
class CServicoDeResultados;
class IProgressoDaAtualizacao;

inline constexpr const char* kResultadosEmUso = "O arquivo de resultados está em uso por outro programa.";

// A trava de quem lê, muda e regrava o arquivo de resultados, do começo da leitura ao fim
// da gravação: outro programa que regrava o mesmo arquivo espera até `espera` e então
// falha com CArquivoEmUso(kResultadosEmUso).
CTravaDeArquivo TravarArquivoDeResultados(const std::filesystem::path& caminho,
                                          std::chrono::milliseconds espera = kEsperaPelaTrava);

struct SOpcoesDaAtualizacao {
    int mais_concursos = kMaisConcursosPorAtualizacao;  // pedidos de concursos por vez
    const CParadaDaAtualizacao* parada = nullptr;        // quem pode pedir para parar
};

// Comandos que regravam o arquivo de resultados e as operações de lista que os deixam
// ordenados e sem concursos repetidos.
class CBancoDeDados {
public:
    // Ordem crescente de concurso; iguais mantêm a ordem relativa.
    static void OrdenarPorConcurso(CListaDeResultados& lista);
    // Apaga cada registro que repete o número do anterior mantido e os de número
    // negativo. Depois de OrdenarPorConcurso fica o primeiro de cada número.
    static void RemoverDuplicados(CListaDeResultados& lista);

    // Junta o novo registro aos do arquivo (arquivo que não abre conta como vazio),
    // ordena, tira repetidos e negativos e grava: o novo substitui o gravado de mesmo
    // número. Falso se não gravou (o arquivo fica como estava). Arquivo danificado:
    // CErroDoUsuario, nada gravado. Tudo sob TravarArquivoDeResultados.
    static bool InserirResultado(const std::filesystem::path& caminho, std::unique_ptr<CResultadoVarenta> novo);
    // O mesmo com vários novos de uma vez (a importação de CSV), de números diferentes
    // entre si: cada um substitui o gravado de mesmo número.
    static bool InserirResultados(const std::filesystem::path& caminho, CListaDeResultados novos,
                                  std::chrono::milliseconds espera = kEsperaPelaTrava);
    // Tira todo registro de número concurso e regrava a lista na mesma ordem, mesmo sem
    // ter tirado nenhum. Quantos saíram; vazio se não gravou. Arquivo danificado:
    // CErroDoUsuario, nada gravado. Sob a trava, como a inserção.
    static std::optional<int> RemoverResultado(int32_t concurso, const std::filesystem::path& caminho,
                                               std::chrono::milliseconds espera = kEsperaPelaTrava);

    // Busca no serviço cada concurso que falta no arquivo, até o último que ele informa e
    // no máximo opcoes.mais_concursos pedidos, e regrava o arquivo ordenado e sem
    // repetidos (o gravado vale sobre o buscado); sem concurso novo, não grava. Só entra
    // uma resposta que é o registro completo do concurso pedido (LerDaResposta sem
    // defeito, número igual ao pedido, campos nas faixas); a vazia ou de menos de 5
    // caracteres é pulada. Nenhum gravado se perde, nem o de número acima do último do
    // serviço. Último fora de 1..99999 ou resposta que não serve: CErroDoServico; pedido
    // que falha: CErroDeInternet; arquivo danificado: CErroDoUsuario. Em todos esses casos
    // o arquivo fica como estava. Parada pedida (opcoes.parada): grava os completos que já
    // vieram e devolve o resumo com interrompida.
    static SResumoDaAtualizacao AtualizarPelaInternet(const std::filesystem::path& caminho,
                                                      CServicoDeResultados& servico,
                                                      IProgressoDaAtualizacao& progresso,
                                                      const SOpcoesDaAtualizacao& opcoes = {});
    // O fim da atualização: relê o arquivo, junta os buscados (o gravado vale) e grava se
    // algum é novo. É aqui, e só aqui, que o arquivo é lido, mudado e gravado.
    static SResumoDaAtualizacao JuntarBuscados(const std::filesystem::path& caminho, CListaDeResultados buscados);
};
