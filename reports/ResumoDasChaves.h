#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CChave;
class IConfiguracoes;

// O que os cartões garantem, em frases separadas por "<br>": chaves completas, acertos por
// chave, jogos sem chave e, quando filtrado, os filtros ligados na seção "filtros". O
// mínimo e o máximo de chaves completas comparam-se sem sinal.
std::string ResumoDasChaves(int32_t min_completas, int32_t max_completas,
                            const std::vector<std::shared_ptr<CChave>>& chaves, bool filtrado,
                            const IConfiguracoes& configuracoes);
