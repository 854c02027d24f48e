#include "document/OrdemDasChaves.h"

#include "core/Chave.h"
#include "core/Cp1252.h"

#include <algorithm>
#include <string>
#include <utility>

void OrdenarChavesPorNome(std::vector<std::shared_ptr<CChave>>& chaves)
{
    // Cada nome convertido uma vez: milhares de chaves de nomes longos num arquivo.
    std::vector<std::pair<std::string, std::shared_ptr<CChave>>> pares;
    pares.reserve(chaves.size());
    for (auto& chave : chaves)
        pares.emplace_back(Utf8ParaCp1252(chave->m_nome), std::move(chave));
    // std::string compara os bytes sem sinal.
    std::stable_sort(pares.begin(), pares.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < pares.size(); ++i)
        chaves[i] = std::move(pares[i].second);
}
