#include "core/Filtro.h"

#include "core/Configuracoes.h"
#include "core/ListaDeVolantes.h"
#include "core/Progresso.h"
#include "core/ResumoDoVolante.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <algorithm>
#include <string>
#include <vector>

const std::array<SDefinicaoDeFiltro, kQtdeDeFiltros> kFiltros{{
    {"quantidade_de_resultados_favoraveis_ao_time1", "Quantidade de resultados favoráveis ao TIME 1",
     "Quantidade de resultados favoráveis ao time 1", 5},
    {"quantidade_de_resultados_empatados", "Quantidade de resultados EMPATADOS ",
     "Quantidade de resultados empatados", 5},
    {"quantidade_de_resultados_favoraveis_ao_time2", "Quantidade de resultados favoráveis ao TIME 2",
     "Quantidade de resultados favoráveis ao time 2", 5},
    {"quantidade_de_resultados_iguais", "Quantidade de resultados iguais", "Quantidade de resultados iguais", 5},
    {"quantidade_de_resultados_iguais_em_sequencia", "Quantidade de resultados iguais em sequencia",
     "Quantidade de resultados iguais em sequencia", 5},
    {"quantidade_de_resultados_iguais_favoraveis_ao_time1", "Quantidade de resultados iguais favoráveis ao TIME 1",
     "Quantidade de resultados iguais favoráveis ao time 1", 5},
    {"quantidade_de_resultados_iguais_favoraveis_ao_time2", "Quantidade de resultados iguais favoráveis ao TIME 2",
     "Quantidade de resultados iguais favoráveis ao time 2", 5},
    {"quantidade_de_resultados_iguais_empatados", "Quantidade de resultados iguais  EMPATADOS ",
     "Quantidade de resultados iguais empatados", 5},
    {"quantidade_de_gols", "Quantidade de Gols", "Quantidade de Gols", 40},
    {"quantidade_de_gols_para_o_time1", "Quantidade de Gols para o TIME 1", "Quantidade de gols para o time 1", 20},
    {"quantidade_de_gols_para_o_time2", "Quantidade de Gols para o TIME 2", "Quantidade de gols para o time 2", 20},
    {"quantidade_de_0", "Quantidade de \"0\"", "Quantidade de 0", 10},
    {"quantidade_de_1", "Quantidade de \"1\"", "Quantidade de 1", 10},
    {"quantidade_de_2", "Quantidade de \"2\"", "Quantidade de 2", 10},
    {"quantidade_de_3", "Quantidade de \"3\"", "Quantidade de 3", 10},
    {"quantidade_de_4", "Quantidade de \"+\"", "Quantidade de 4", 10},
    {"quantidade_de_0_para_o_time1", "Quantidade de \"0\" para o TIME 1", "Quantidade de \"0\" para o time 1", 5},
    {"quantidade_de_1_para_o_time1", "Quantidade de \"1\" para o TIME 1", "Quantidade de \"1\" para o time 1", 5},
    {"quantidade_de_2_para_o_time1", "Quantidade de \"2\" para o TIME 1", "Quantidade de \"2\" para o time 1", 5},
    {"quantidade_de_3_para_o_time1", "Quantidade de \"3\" para o TIME 1", "Quantidade de \"3\" para o time 1", 5},
    {"quantidade_de_4_para_o_time1", "Quantidade de \"+\" para o TIME 1", "Quantidade de \"+\" para o time 1", 5},
    {"quantidade_de_0_para_o_time2", "Quantidade de \"0\" para o TIME 2", "Quantidade de \"0\" para o time 2", 5},
    {"quantidade_de_1_para_o_time2", "Quantidade de \"1\" para o TIME 2", "Quantidade de \"1\" para o time 2", 5},
    {"quantidade_de_2_para_o_time2", "Quantidade de \"2\" para o TIME 2", "Quantidade de \"2\" para o time 2", 5},
    {"quantidade_de_3_para_o_time2", "Quantidade de \"3\" para o TIME 2", "Quantidade de \"3\" para o time 2", 5},
    {"quantidade_de_4_para_o_time2", "Quantidade de \"+\" para o TIME 2", "Quantidade de \"+\" para o time 2", 5},
}};

namespace {

constexpr int kMensagensACada = 10;

// Por entrada da tabela de placares da lista: a descrição para as estatísticas e o
// fator das apostas (o nulo, entrada 0, vale 0 apostas).
struct SPlacaresDescritos {
    std::vector<CResumoDoVolante::SDescricao> descricoes;
    std::vector<int> apostas;

    explicit SPlacaresDescritos(const std::vector<const CScore*>& placares)
        : descricoes(placares.size()), apostas(placares.size(), 0)
    {
        for (size_t e = 0; e < placares.size(); ++e) {
            if (placares[e] == nullptr)
                continue;
            descricoes[e] = CResumoDoVolante::Descrever(*placares[e]);
            apostas[e] = CVolante::ApostasDoPlacar(*placares[e]);
        }
    }

    int QtdeDeApostas(const SIndicesDoCartao& indices) const
    {
        int total = 1;
        for (uint32_t lugar : indices.lugar)
            total *= apostas[lugar];
        return total;
    }
};

constexpr uint64_t kBitsAltos = 0x8080808080808080ull;
constexpr uint32_t kMaiorFaixa = 0x7F;

// Comparação sem sinal: um mínimo negativo reprova tudo, um máximo negativo não reprova nada.
uint32_t LimiteDaFaixa(int32_t limite)
{
    return std::min(static_cast<uint32_t>(limite), kMaiorFaixa);
}

void PorNaFaixa(uint64_t* palavras, int faixa, uint32_t valor)
{
    const int deslocamento = 8 * (faixa % 8);
    uint64_t& palavra = palavras[faixa / 8];
    palavra = (palavra & ~(uint64_t{0xFF} << deslocamento)) | (uint64_t{valor} << deslocamento);
}

} // namespace

SFaixasDoFiltro::SFaixasDoFiltro(const std::array<CFiltro::SCriterio, kQtdeDeFiltros>& criterios)
{
    for (int i = 0; i < kQtdeDeFiltros; ++i) {
        const CFiltro::SCriterio& criterio = criterios[static_cast<size_t>(i)];
        if (criterio.ligado == 0)
            continue;
        const int faixa = CResumoDoVolante::FaixaDoCriterio(i);
        PorNaFaixa(minimos, faixa, LimiteDaFaixa(criterio.minimo));
        PorNaFaixa(maximos, faixa, LimiteDaFaixa(criterio.maximo));
    }
    const int repeticao = CResumoDoVolante::kPalavrasDeSomas;
    repeticoes = minimos[repeticao] != 0 || maximos[repeticao] != kAbertas;
}

// Com valor, mínimo e máximo abaixo de 128, (valor + 128 - mínimo) tem o bit alto do byte
// só quando valor >= mínimo, sem emprestar do byte vizinho; o mesmo para o máximo.
bool SFaixasDoFiltro::Aprova(const CResumoDoVolante::SCartaoDescrito& cartao) const
{
    const auto dentro = [&](int p, uint64_t valores) {
        return ((valores | kBitsAltos) - minimos[p]) & ((maximos[p] | kBitsAltos) - valores);
    };
    uint64_t somas = kBitsAltos;
    for (int p = 0; p < CResumoDoVolante::kPalavrasDeSomas; ++p)
        somas &= dentro(p, cartao.somas[p]);
    if (somas != kBitsAltos)
        return false;
    if (!repeticoes)
        return true;
    const int p = CResumoDoVolante::kPalavrasDeSomas;
    return (dentro(p, CResumoDoVolante::Repeticoes(cartao)) & kBitsAltos) == kBitsAltos;
}

CFiltro::CFiltro(IConfiguracoes& configuracoes) : m_configuracoes(configuracoes) {}

void CFiltro::CarregarFiltros()
{
    for (size_t i = 0; i < kFiltros.size(); ++i) {
        const std::string nome = kFiltros[i].nome;
        SCriterio& criterio = m_criterios[i];
        criterio.ligado = m_configuracoes.LerInteiro(kSecaoFiltros, "m_bool_" + nome, 0);
        criterio.minimo = m_configuracoes.LerInteiro(kSecaoFiltros, "m_min_" + nome, 0);
        criterio.maximo = m_configuracoes.LerInteiro(kSecaoFiltros, "m_max_" + nome, kFiltros[i].maximo);
    }
}

bool CFiltro::AprovarVolante(const CVolante& volante) const
{
    return Faixas().Aprova(CResumoDoVolante::DescreverCartao(volante));
}

SFaixasDoFiltro CFiltro::Faixas() const
{
    return SFaixasDoFiltro(m_criterios);
}

// Cada placar distinto da lista é descrito uma vez; cada cartão só junta as descrições
// dos seus lugares.
void CFiltro::FiltrarVolantes(CListaDeVolantes& volantes, int32_t& qtde_apostas, IProgressoFiltragem& progresso)
{
    progresso.Iniciar(qtde_apostas);
    const SPlacaresDescritos placares(volantes.Placares());
    const SFaixasDoFiltro faixas = Faixas();
    std::vector<bool> reprovados(static_cast<size_t>(volantes.Quantidade()), false);
    int verificadas = 0;
    int reprovadas = 0;
    for (int32_t posicao = 0; posicao < volantes.Quantidade(); ++posicao) {
        const SIndicesDoCartao indices = volantes.Indices(posicao);
        const CResumoDoVolante::SDescricao* descricoes[5];
        for (size_t i = 0; i < 5; ++i)
            descricoes[i] = &placares.descricoes[indices.lugar[i]];
        if (!faixas.Aprova(CResumoDoVolante::DescreverCartao(indices.qtde, descricoes))) {
            // Um cartão lido de arquivo pode valer várias apostas.
            qtde_apostas -= placares.QtdeDeApostas(indices);
            reprovados[static_cast<size_t>(posicao)] = true;
            ++reprovadas;
        }
        ++verificadas;
        if (verificadas % kMensagensACada == 0) {
            progresso.BombearMensagens();
            progresso.Atualizar(verificadas, reprovadas);
        }
        if (progresso.PararSolicitado())
            break;
    }
    volantes.RemoverMarcados(reprovados);
    progresso.Atualizar(verificadas, reprovadas);
    progresso.Concluir();
}
