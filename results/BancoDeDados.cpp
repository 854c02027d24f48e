#include "results/BancoDeDados.h"

#include "results/ArquivoDeResultados.h"
#include "results/ErroDoServico.h"
#include "results/ProgressoDaAtualizacao.h"
#include "results/ServicoDeResultados.h"

#include <algorithm>
#include <iterator>
#include <utility>

CTravaDeArquivo TravarArquivoDeResultados(const std::filesystem::path& caminho, std::chrono::milliseconds espera)
{
    return CTravaDeArquivo(caminho, kResultadosEmUso, espera);
}

void CBancoDeDados::OrdenarPorConcurso(CListaDeResultados& lista)
{
    // Estável: em RemoverDuplicados vale o primeiro de dois números iguais.
    std::stable_sort(lista.begin(), lista.end(),
                     [](const auto& a, const auto& b) { return a->m_concurso < b->m_concurso; });
}

void CBancoDeDados::RemoverDuplicados(CListaDeResultados& lista)
{
    int32_t ultimo_mantido = -999;
    CListaDeResultados mantidos;
    for (auto& registro : lista) {
        if (registro->m_concurso == ultimo_mantido || registro->m_concurso < 0)
            continue; // apagado com a lista antiga
        ultimo_mantido = registro->m_concurso;
        mantidos.push_back(std::move(registro));
    }
    lista = std::move(mantidos);
}

bool CBancoDeDados::InserirResultado(const std::filesystem::path& caminho, std::unique_ptr<CResultadoVarenta> novo)
{
    CListaDeResultados novos;
    novos.push_back(std::move(novo));
    return InserirResultados(caminho, std::move(novos));
}

bool CBancoDeDados::InserirResultados(const std::filesystem::path& caminho, CListaDeResultados novos,
                                      std::chrono::milliseconds espera)
{
    const CTravaDeArquivo trava = TravarArquivoDeResultados(caminho, espera);
    // Os novos vêm antes dos gravados; a ordenação estável os mantém à frente do gravado
    // de mesmo número, que RemoverDuplicados então descarta.
    CListaDeResultados lista = std::move(novos);
    LerArquivoDeResultados(caminho, lista);
    OrdenarPorConcurso(lista);
    RemoverDuplicados(lista);
    return GravarArquivoDeResultados(caminho, lista);
}

std::optional<int> CBancoDeDados::RemoverResultado(int32_t concurso, const std::filesystem::path& caminho,
                                                   std::chrono::milliseconds espera)
{
    const CTravaDeArquivo trava = TravarArquivoDeResultados(caminho, espera);
    CListaDeResultados lista;
    LerArquivoDeResultados(caminho, lista);
    const auto removidos = std::erase_if(lista, [&](const auto& registro) { return registro->m_concurso == concurso; });
    if (!GravarArquivoDeResultados(caminho, lista))
        return std::nullopt;
    return int(removidos);
}

namespace {

constexpr int kMaiorConcurso = 99999;

bool ConcursoValido(int32_t concurso)
{
    return concurso > 0 && concurso <= kMaiorConcurso;
}

// O número lido da resposta não é comparado com o pedido; inválido: nada.
std::unique_ptr<CResultadoVarenta> BuscarConcurso(CServicoDeResultados& servico, int concurso)
{
    auto resultado = std::make_unique<CResultadoVarenta>();
    resultado->LerDaResposta(servico.PegarResultado(concurso), servico.DataRegional());
    if (!ConcursoValido(resultado->m_concurso))
        return nullptr;
    return resultado;
}

} // namespace

bool CBancoDeDados::AtualizarPelaInternet(const std::filesystem::path& caminho, CServicoDeResultados& servico,
                                          IProgressoDaAtualizacao& progresso)
{
    progresso.Mostrar();
    const int ultimo = servico.PegarUltimoConcurso();
    // Um último absurdo (página de erro, resposta vazia) não pode apagar nem inventar nada.
    if (!ConcursoValido(ultimo))
        throw CErroDoServico("O servidor de resultados não informou um último concurso válido (leu " +
                             std::to_string(ultimo) + ").");
    progresso.DefinirUltimo(ultimo);

    CListaDeResultados gravados;
    LerArquivoDeResultados(caminho, gravados);
    CListaDeResultados na_frente;  // os das lacunas, cada um à frente dos anteriores
    CListaDeResultados no_fim;
    const auto buscar = [&](int& n, CListaDeResultados& destino) {
        if (auto resultado = BuscarConcurso(servico, n))
            destino.push_back(std::move(resultado));
        ++n;
        progresso.MostrarConcurso(n);
        progresso.BombearMensagens();
    };

    int n = 0;
    for (const auto& gravado : gravados) {
        ++n;
        while (gravado->m_concurso > n) {
            // Acima do último do serviço: a contagem volta, mas o gravado fica no arquivo.
            if (gravado->m_concurso > ultimo) {
                --n;
                break;
            }
            buscar(n, na_frente);
        }
    }
    if (n == 0)
        n = 1;
    while (n <= ultimo)
        buscar(n, no_fim);

    CListaDeResultados lista;
    lista.reserve(na_frente.size() + gravados.size() + no_fim.size());
    std::move(na_frente.rbegin(), na_frente.rend(), std::back_inserter(lista));
    std::move(gravados.begin(), gravados.end(), std::back_inserter(lista));
    std::move(no_fim.begin(), no_fim.end(), std::back_inserter(lista));
    OrdenarPorConcurso(lista);
    RemoverDuplicados(lista);
    return GravarArquivoDeResultados(caminho, lista);
}
