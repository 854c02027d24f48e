#include "checking/AnaliseDeConcursos.h"

#include "checking/CartoesIndexados.h"
#include "checking/ContagemEmParalelo.h"
#include "checking/ProgressoDaAnalise.h"
#include "core/Volante.h"

#include <algorithm>

namespace {

constexpr size_t kCartoesPorVez = 1000;
// Concursos contados juntos a cada passada pelos cartões: cada bloco sai da memória uma vez só.
constexpr size_t kConcursosPorPassada = 32;

// Cartão que só empresta os placares do resultado, com a entrada m sendo o jogo m.
CVolante CartaoDoResultado(const CResultadoVarenta& resultado)
{
    CVolante cartao;
    cartao.m_qtde = static_cast<int32_t>(std::min<size_t>(resultado.m_scores.size(), 5));
    for (int32_t i = 0; i < cartao.m_qtde; ++i)
        cartao.m_scores[i] = resultado.m_scores[static_cast<size_t>(i)].get();
    cartao.OrdenarPorJogo();
    return cartao;
}

int Restantes(int inicial, int final)
{
    const int restantes = final - inicial;
    return restantes < 0 ? -1 : restantes;
}

} // namespace

CAnaliseDeConcursos::CAnaliseDeConcursos(const CListaDeResultados& resultados) : m_resultados(resultados) {}

int CAnaliseDeConcursos::LinhasDaGrade(int inicial, int final)
{
    return Restantes(inicial, final) + 3;
}

std::vector<const CResultadoVarenta*> CAnaliseDeConcursos::Faixa(int inicial, int final) const
{
    std::vector<const CResultadoVarenta*> faixa;
    int restantes = Restantes(inicial, final);
    for (size_t posicao = static_cast<size_t>(std::max(inicial, 0));
         inicial >= 0 && posicao < m_resultados.size() && restantes >= 0; ++posicao, --restantes)
        faixa.push_back(m_resultados[posicao].get());
    return faixa;
}

void CAnaliseDeConcursos::Analisar(const CListaDeVolantes& volantes, int inicial, int final,
                                   IProgressoAnalise& progresso)
{
    m_linhas.clear();
    m_total = {};
    m_interrompida = false;
    const std::vector<const CResultadoVarenta*> faixa = Faixa(inicial, final);
    if (faixa.empty())
        return;
    // Parada pedida durante a leitura dos cartões: nenhum concurso começou.
    const CCartoesIndexados cartoes(volantes, [&] {
        progresso.BombearMensagens();
        m_interrompida = progresso.PararSolicitado();
        return !m_interrompida;
    });
    for (size_t de = 0; de < faixa.size() && !m_interrompida; de += kConcursosPorPassada) {
        const size_t ate = std::min(de + kConcursosPorPassada, faixa.size());
        std::vector<CCartoesIndexados::SResultado> indexados;
        for (size_t i = de; i < ate; ++i)
            indexados.push_back(cartoes.Indexar(CartaoDoResultado(*faixa[i])));
        std::vector<AcertosPorClasse> contagens(indexados.size());
        ContarPassada(cartoes, indexados, contagens, progresso);
        // Os demais da passada já estão contados: só faltam as vezes da interface de cada um.
        for (size_t i = de; i < ate && !(i > de && m_interrompida); ++i) {
            if (i > de)
                AtenderInterface(cartoes.Quantidade(), 0, progresso);
            Concluir({faixa[i]->m_concurso, contagens[i - de]}, progresso);
        }
    }
}

void CAnaliseDeConcursos::ContarPassada(const CCartoesIndexados& cartoes,
                                        std::span<const CCartoesIndexados::SResultado> indexados,
                                        std::span<AcertosPorClasse> contagens, IProgressoAnalise& progresso)
{
    // As vezes da interface são as do 1º concurso da passada, o que estaria em curso.
    size_t feitas = 0;
    const size_t parou_em = ContarEmParalelo(cartoes, 0, indexados, contagens, [&](size_t contados) {
        feitas = AtenderInterface(contados, feitas, progresso);
        return !m_interrompida;
    });
    if (parou_em < cartoes.Blocos()) {
        // Parada pedida: o concurso em curso termina; os outros da passada ficam de fora.
        size_t antes = 0;
        for (size_t bloco = 0; bloco < parou_em; ++bloco)
            antes += cartoes.CartoesDoBloco(bloco);
        ContarEmParalelo(cartoes, parou_em, indexados.first(1), contagens.first(1), [&](size_t contados) {
            feitas = AtenderInterface(antes + contados, feitas, progresso);
            return true;
        });
    }
    AtenderInterface(cartoes.Quantidade(), feitas, progresso);
}

size_t CAnaliseDeConcursos::AtenderInterface(size_t contados, size_t feitas, IProgressoAnalise& progresso)
{
    // A vez k cabe depois do cartão 1000k + 1 contado.
    for (; feitas * kCartoesPorVez < contados; ++feitas) {
        progresso.BombearMensagens();
        m_interrompida = m_interrompida || progresso.PararSolicitado();
    }
    return feitas;
}

void CAnaliseDeConcursos::Concluir(const SLinhaDaAnalise& linha, IProgressoAnalise& progresso)
{
    for (size_t k = 0; k < m_total.size(); ++k)
        m_total[k] += linha.m_acertos[k];
    m_linhas.push_back(linha);
    progresso.ConcursoConcluido(m_linhas.back());
}
