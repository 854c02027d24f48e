#include "BancoDeDados.h"

#include "ArquivoDeResultados.h"

#include <algorithm>
#include <utility>

void CBancoDeDados::OrdenarPorConcurso(CListaDeResultados& lista)
{
    // Bolha: troca só quando o anterior é estritamente maior, o que a torna estável
    // e faz valer, em RemoverDuplicados, o primeiro de dois números iguais.
    const size_t n = lista.size();
    for (size_t passada = 1; passada < n; ++passada) {
        bool trocou = false;
        for (size_t i = 0; i + passada < n; ++i) {
            if (lista[i]->m_concurso > lista[i + 1]->m_concurso) {
                std::swap(lista[i], lista[i + 1]);
                trocou = true;
            }
        }
        if (!trocou)
            break;
    }
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
    // O novo vem antes dos gravados; a ordenação estável o mantém à frente do gravado
    // de mesmo número, que RemoverDuplicados então descarta.
    CListaDeResultados lista;
    lista.push_back(std::move(novo));
    LerArquivoDeResultados(caminho, lista);
    OrdenarPorConcurso(lista);
    RemoverDuplicados(lista);
    return GravarArquivoDeResultados(caminho, lista);
}

std::optional<int> CBancoDeDados::RemoverResultado(int32_t concurso, const std::filesystem::path& caminho)
{
    CListaDeResultados lista;
    LerArquivoDeResultados(caminho, lista);
    const auto removidos = std::erase_if(lista, [&](const auto& registro) { return registro->m_concurso == concurso; });
    if (!GravarArquivoDeResultados(caminho, lista))
        return std::nullopt;
    return int(removidos);
}
