#include "BancoDeDados.h"

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
