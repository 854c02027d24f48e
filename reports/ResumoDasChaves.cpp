#include "reports/ResumoDasChaves.h"

#include "core/Chave.h"
#include "core/Configuracoes.h"
#include "core/Filtro.h"

namespace {

constexpr int kJogos = 5;

std::string N(int64_t valor)
{
    return std::to_string(valor);
}

std::string ChavesCompletas(int32_t min_completas, int32_t max_completas, size_t chaves)
{
    std::string texto;
    if (min_completas != 0)
        texto += min_completas == 1 ? "<br>No mínimo " + N(min_completas) + " chave completa."
                                    : "<br>No mínimo " + N(min_completas) + " chaves completas.";
    if (chaves > static_cast<uint32_t>(max_completas))
        texto += static_cast<uint32_t>(max_completas) <= 1
                     ? "<br>No máximo " + N(max_completas) + " chave completa."
                     : "<br>No máximo " + N(max_completas) + " chaves completas.";
    return texto;
}

std::string JogosDaChave(const CChave& chave)
{
    std::string texto;
    if (chave.m_min > 0)
        texto += chave.m_min == 1 ? "<br>No mínimo " + N(chave.m_min) + " jogo na chave " + chave.m_nome + "."
                                  : "<br>No mínimo " + N(chave.m_min) + " jogos na chave " + chave.m_nome + ".";
    if (chave.m_qtde_jogos > chave.m_max)
        texto += chave.m_max <= 1 ? "<br>No máximo " + N(chave.m_max) + " jogo na chave " + chave.m_nome + "."
                                  : "<br>No máximo " + N(chave.m_max) + " jogos na chave " + chave.m_nome + ".";
    return texto;
}

std::string JogosSemChave(const std::vector<std::shared_ptr<CChave>>& chaves)
{
    int64_t com_chave = 0;
    for (const auto& chave : chaves)
        com_chave += chave->m_qtde_jogos;
    if (com_chave >= kJogos)
        return {};
    const int64_t sem_chave = kJogos - com_chave;
    return sem_chave >= 2 ? "<br>Os " + N(sem_chave) + " jogos sem chave." : "<br>O único jogo sem chave.";
}

// O máximo ausente é o mesmo que a filtragem usou.
std::string FiltrosLigados(const IConfiguracoes& configuracoes)
{
    std::string texto;
    for (const SDefinicaoDeFiltro& filtro : kFiltros) {
        const std::string nome = filtro.nome;
        if (configuracoes.LerInteiro(kSecaoFiltros, "m_bool_" + nome, 0) == 0)
            continue;
        const int minimo = configuracoes.LerInteiro(kSecaoFiltros, "m_min_" + nome, 0);
        const int maximo = configuracoes.LerInteiro(kSecaoFiltros, "m_max_" + nome, filtro.maximo);
        texto += "<br>" + std::string(filtro.rotulo_do_resumo) + " Min:" + N(minimo) + " Max:" + N(maximo) + ".";
    }
    return texto;
}

} // namespace

std::string ResumoDasChaves(int32_t min_completas, int32_t max_completas,
                            const std::vector<std::shared_ptr<CChave>>& chaves, bool filtrado,
                            const IConfiguracoes& configuracoes)
{
    std::string texto = "Para acertar os 5 pontos será necessario que você acerte: ";
    texto += ChavesCompletas(min_completas, max_completas, chaves.size());
    for (const auto& chave : chaves)
        texto += JogosDaChave(*chave);
    texto += JogosSemChave(chaves);
    if (filtrado)
        texto += FiltrosLigados(configuracoes);
    return texto;
}
