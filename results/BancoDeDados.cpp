#include "results/BancoDeDados.h"

#include "results/ArquivoDeResultados.h"
#include "results/ErroDeInternet.h"
#include "results/ErroDoServico.h"
#include "results/FaixasDoResultado.h"
#include "results/ParadaDaAtualizacao.h"
#include "results/ProgressoDaAtualizacao.h"
#include "results/ServicoDeResultados.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

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

constexpr const char* kConfiraOServidor = "Confira o servidor em Configurar Acesso à Internet.";

// Um pedido da lista de concursos a buscar: onde ele entra (à frente dos gravados, nas
// lacunas, ou no fim) não muda mais nada, porque a junção ordena tudo.
std::vector<int> ConcursosAPedir(const CListaDeResultados& gravados, int ultimo)
{
    std::vector<int> pedidos;
    int n = 0;
    for (const auto& gravado : gravados) {
        ++n;
        while (gravado->m_concurso > n) {
            // Acima do último do serviço: a contagem volta, mas o gravado fica no arquivo.
            if (gravado->m_concurso > ultimo) {
                --n;
                break;
            }
            pedidos.push_back(n++);
        }
    }
    if (n == 0)
        n = 1;
    while (n <= ultimo)
        pedidos.push_back(n++);
    return pedidos;
}

// A resposta para o concurso pedido: vazio se ela é vazia ou curta demais (o concurso fica
// faltando); o registro, se é o registro completo daquele concurso; senão CErroDoServico
// com o concurso e o motivo.
std::unique_ptr<CResultadoVarenta> BuscarConcurso(CServicoDeResultados& servico, int concurso)
{
    auto resultado = std::make_unique<CResultadoVarenta>();
    std::string defeito;
    if (resultado->LerDaResposta(servico.PegarResultado(concurso), servico.DataRegional(), &defeito) == 0)
        return nullptr;
    const auto recusar = [&](const std::string& motivo) {
        throw CErroDoServico("A resposta do servidor de resultados " + servico.Servidor() + " para o concurso " +
                             std::to_string(concurso) + " não serve: " + motivo + ". Nada foi gravado. " +
                             kConfiraOServidor);
    };
    if (!defeito.empty())
        recusar("não é um resultado completo (" + defeito + ")");
    if (resultado->m_concurso != concurso)
        recusar("é do concurso " + std::to_string(resultado->m_concurso));
    try {
        ExigirFaixas(*resultado);
    } catch (const CCampoForaDaFaixa& fora) {
        std::string texto = fora.what();
        if (!texto.empty() && texto.back() == '.')
            texto.pop_back();
        recusar(texto);
    }
    return resultado;
}

bool Parada(const SOpcoesDaAtualizacao& opcoes)
{
    return opcoes.parada != nullptr && opcoes.parada->Pedida();
}

} // namespace

SResumoDaAtualizacao CBancoDeDados::JuntarBuscados(const std::filesystem::path& caminho, CListaDeResultados buscados)
{
    SResumoDaAtualizacao resumo;
    // Releitura, junção e gravação: o que outro comando gravou enquanto a atualização
    // buscava fica, e vale sobre o buscado de mesmo número. A trava vale só daqui ao fim:
    // durante a busca, que pode levar minutos, os outros comandos gravam à vontade.
    const CTravaDeArquivo trava = TravarArquivoDeResultados(caminho);
    CListaDeResultados lista;
    LerArquivoDeResultados(caminho, lista);
    std::set<int32_t> gravados;
    for (const auto& registro : lista)
        gravados.insert(registro->m_concurso);
    OrdenarPorConcurso(buscados);
    RemoverDuplicados(buscados);
    for (auto& buscado : buscados) {
        if (gravados.count(buscado->m_concurso) != 0)
            continue;
        if (resumo.novos++ == 0)
            resumo.primeiro = buscado->m_concurso;
        resumo.ultimo = buscado->m_concurso;
        lista.push_back(std::move(buscado));
    }
    if (resumo.novos == 0)
        return resumo;
    OrdenarPorConcurso(lista);
    RemoverDuplicados(lista);
    resumo.gravado = GravarArquivoDeResultados(caminho, lista);
    return resumo;
}

SResumoDaAtualizacao CBancoDeDados::AtualizarPelaInternet(const std::filesystem::path& caminho,
                                                          CServicoDeResultados& servico,
                                                          IProgressoDaAtualizacao& progresso,
                                                          const SOpcoesDaAtualizacao& opcoes)
{
    CListaDeResultados buscados;
    bool interrompida = false;
    int faltam = 0;
    // Parar durante um pedido o interrompe; o que já veio inteiro fica.
    const auto pedido = [&](const auto& acao) {
        try {
            acao();
            return true;
        } catch (const CErroDeInternet& erro) {
            if (erro.TipoDoErro() != CErroDeInternet::Tipo::Interrompido && !Parada(opcoes))
                throw;
            interrompida = true;
            return false;
        }
    };

    progresso.Mostrar();
    int ultimo = 0;
    interrompida = Parada(opcoes);
    if (!interrompida && pedido([&] { ultimo = servico.PegarUltimoConcurso(); })) {
        // Um último absurdo (página de erro, resposta vazia) não pode apagar nem inventar nada.
        if (!ConcursoNaFaixa(ultimo))
            throw CErroDoServico("O servidor de resultados " + servico.Servidor() +
                                 " não informou um último concurso válido (leu " + std::to_string(ultimo) + "). " +
                                 kConfiraOServidor);

        CListaDeResultados gravados;
        LerArquivoDeResultados(caminho, gravados);
        std::set<int32_t> ja_gravados;
        for (const auto& gravado : gravados)
            ja_gravados.insert(gravado->m_concurso);
        const std::vector<int> pedidos = ConcursosAPedir(gravados, ultimo);
        const size_t nesta_vez = std::min(pedidos.size(), size_t(std::max(opcoes.mais_concursos, 0)));
        for (size_t i = nesta_vez; i < pedidos.size(); ++i)
            faltam += ja_gravados.count(pedidos[i]) == 0 ? 1 : 0;
        progresso.DefinirUltimo(nesta_vez < pedidos.size() && nesta_vez > 0 ? pedidos[nesta_vez - 1] : ultimo);

        for (size_t i = 0; i < nesta_vez; ++i) {
            if (Parada(opcoes)) {
                interrompida = true;
                break;
            }
            const int concurso = pedidos[i];
            if (!pedido([&] {
                    if (auto resultado = BuscarConcurso(servico, concurso))
                        buscados.push_back(std::move(resultado));
                }))
                break;
            progresso.MostrarConcurso(concurso + 1);
            progresso.BombearMensagens();
        }
    }
    if (interrompida) {
        // Os concursos que não vieram nesta vez continuam faltando: a próxima os busca.
        faltam = 0;
    }

    SResumoDaAtualizacao resumo = JuntarBuscados(caminho, std::move(buscados));
    resumo.faltam = faltam;
    resumo.interrompida = interrompida;
    return resumo;
}
