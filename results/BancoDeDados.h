#pragma once

#include "core/TravaDeArquivo.h"
#include "results/ResultadoVarenta.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

class CServicoDeResultados;
class IProgressoDaAtualizacao;

inline constexpr const char* kResultadosEmUso = "O arquivo de resultados está em uso por outro programa.";

// A trava de quem lê, muda e regrava o arquivo de resultados, do começo da leitura ao fim
// da gravação: outro programa que regrava o mesmo arquivo espera até `espera` e então
// falha com CArquivoEmUso(kResultadosEmUso).
CTravaDeArquivo TravarArquivoDeResultados(const std::filesystem::path& caminho,
                                          std::chrono::milliseconds espera = kEsperaPelaTrava);

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

    // Busca no serviço cada concurso que falta no arquivo, até o último que ele informa,
    // e regrava o arquivo ordenado e sem repetidos (o gravado vale sobre o buscado).
    // Nenhum gravado se perde, nem o de número acima do último do serviço. Falso se não
    // gravou. Último fora de 1..99999: CErroDoServico; pedido que falha: CErroDeInternet;
    // arquivo danificado: CErroDoUsuario. Em todos esses casos o arquivo fica como estava.
    static bool AtualizarPelaInternet(const std::filesystem::path& caminho, CServicoDeResultados& servico,
                                      IProgressoDaAtualizacao& progresso);
};
