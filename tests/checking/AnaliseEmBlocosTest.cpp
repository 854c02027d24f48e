// A análise contada em blocos, várias de cada vez e em threads, contra ContarAcertos
// cartão a cartão: tamanhos em volta dos blocos e dos vetores, cartões de arquivo com
// entradas fora do comum e paradas em cada fase.
#include "checking/AnaliseDeConcursos.h"

#include "checking/CartoesIndexados.h"
#include "checking/ProgressoDaAnalise.h"
#include "core/CartaoCheio.h"
#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>

namespace {

class CProgressoContado : public IProgressoAnalise {
public:
    int parar_na_vez = 0;  // 0: nunca
    int vezes = 0;
    std::vector<SLinhaDaAnalise> concluidas;

    void BombearMensagens() override { ++vezes; }
    bool PararSolicitado() const override { return parar_na_vez > 0 && vezes >= parar_na_vez; }
    void ConcursoConcluido(const SLinhaDaAnalise& linha) override { concluidas.push_back(linha); }
};

// Que tipo de entrada os cartões sorteados recebem.
enum class ETipoDeCartao {
    Celulas,     // as células da tabela cheia, um placar por jogo (o cartão gerado)
    Estranhos,   // entradas de arquivo: cópias, jogos repetidos, nulas, marcas quaisquer
};

class AnaliseEmBlocos : public testing::Test {
protected:
    const CScore* Celula(int jogo, int k) const { return CCartaoCheio::Instancia().Celula(jogo, k); }

    // Placar que não é célula: marcas quaisquer, com o jogo dado (às vezes fora de 0..4).
    const CScore* PlacarEstranho(std::mt19937& sorteio)
    {
        CScore& placar = m_placares.emplace_back();
        switch (std::uniform_int_distribution<int>(0, 4)(sorteio)) {
        case 0:  // cópia de uma célula: mesmo conteúdo, outro objeto
            placar = *Celula(int(sorteio() % 5), int(sorteio() % 25));
            break;
        case 1:  // duas marcas num time
            placar.m_jogo = int16_t(sorteio() % 5);
            placar.m_time1[sorteio() % 5] = 1;
            placar.m_time1[sorteio() % 5] = 1;
            placar.m_time2[sorteio() % 5] = 1;
            break;
        case 2:  // marcas de 16 bits sem sentido: bem mais de 254 conteúdos no mesmo jogo
            placar.m_jogo = int16_t(sorteio() % 2);
            placar.m_time1[0] = int16_t(sorteio() % 600 - 300);
            placar.m_time2[4] = int16_t(sorteio() % 3);
            break;
        case 3:  // jogo fora de 0..4: nunca acerta
            placar = *Celula(int(sorteio() % 5), int(sorteio() % 25));
            placar.m_jogo = int16_t(std::array<int, 3>{-1, 5, 7}[sorteio() % 3]);
            break;
        default:  // o mesmo objeto repetido no cartão fica a cargo do sorteio das posições
            placar = *Celula(int(sorteio() % 5), int(sorteio() % 25));
            placar.m_reservado = 9;
            break;
        }
        return &placar;
    }

    const CScore* EntradaEstranha(std::mt19937& sorteio, const CVolante& anterior, int posicao)
    {
        switch (std::uniform_int_distribution<int>(0, 5)(sorteio)) {
        case 0:
            return nullptr;
        case 1:
            return posicao > 0 ? anterior.m_scores[posicao - 1] : nullptr;  // entrada duplicada
        case 2:
        case 3:
            return PlacarEstranho(sorteio);
        default:
            return Celula(int(sorteio() % 5), int(sorteio() % 25));  // qualquer jogo, qualquer posição
        }
    }

    void SortearCartoes(size_t quantidade, ETipoDeCartao tipo, uint32_t semente)
    {
        std::mt19937 sorteio(semente);
        for (size_t i = 0; i < quantidade; ++i) {
            CVolante volante;
            volante.m_qtde = 5;
            // Um quarto dos cartões estranhos é comum, para os dois caminhos se misturarem.
            const bool estranho = tipo == ETipoDeCartao::Estranhos && sorteio() % 4 != 0;
            for (int jogo = 0; jogo < 5; ++jogo)
                volante.m_scores[jogo] =
                    estranho ? EntradaEstranha(sorteio, volante, jogo) : Celula(jogo, int(sorteio() % 25));
            m_volantes.Adicionar(volante);
        }
    }

    // Resultados sorteados das células e, com cartões estranhos, também dos placares deles.
    void SortearResultados(size_t quantidade, uint32_t semente)
    {
        std::mt19937 sorteio(semente);
        for (size_t i = 0; i < quantidade; ++i) {
            auto resultado = std::make_unique<CResultadoVarenta>();
            resultado->m_concurso = int32_t(500 + i);
            for (int jogo = 0; jogo < 5; ++jogo) {
                auto placar = std::make_unique<CScore>(*Celula(jogo, int(sorteio() % 25)));
                if (!m_placares.empty() && sorteio() % 2 == 0) {
                    *placar = m_placares[sorteio() % m_placares.size()];
                    placar->m_jogo = int16_t(jogo);
                }
                resultado->m_scores.push_back(std::move(placar));
            }
            if (i % 7 == 3)
                resultado->m_scores.pop_back();  // só quatro jogos
            if (i % 5 == 1)
                std::swap(resultado->m_scores[0], resultado->m_scores[2]);  // fora de ordem
            m_resultados.push_back(std::move(resultado));
        }
    }

    SLinhaDaAnalise Referencia(const CResultadoVarenta& resultado) const
    {
        CVolante cartao;
        cartao.m_qtde = int32_t(std::min<size_t>(resultado.m_scores.size(), 5));
        for (int i = 0; i < cartao.m_qtde; ++i)
            cartao.m_scores[i] = resultado.m_scores[size_t(i)].get();
        cartao.OrdenarPorJogo();
        SLinhaDaAnalise linha{resultado.m_concurso, {}};
        for (const CVolante v : m_volantes)
            ++linha.m_acertos[size_t(cartao.ContarAcertos(v))];
        return linha;
    }

    std::vector<SLinhaDaAnalise> Referencias(size_t quantidade) const
    {
        std::vector<SLinhaDaAnalise> linhas;
        for (size_t i = 0; i < quantidade; ++i)
            linhas.push_back(Referencia(*m_resultados[i]));
        return linhas;
    }

    static AcertosPorClasse Soma(const std::vector<SLinhaDaAnalise>& linhas)
    {
        AcertosPorClasse total{};
        for (const SLinhaDaAnalise& linha : linhas)
            for (size_t k = 0; k < 6; ++k)
                total[k] += linha.m_acertos[k];
        return total;
    }

    std::deque<CScore> m_placares;  // donos dos placares estranhos
    CListaDeVolantes m_volantes;
    CListaDeResultados m_resultados;
};

struct STamanho {
    size_t cartoes;
    ETipoDeCartao tipo;
    size_t concursos;
};

TEST_F(AnaliseEmBlocos, CadaConcursoIgualAContarAcertosEmQualquerTamanho)
{
    constexpr size_t kBloco = CCartoesIndexados::kCartoesPorBloco;
    const STamanho tamanhos[] = {
        {1, ETipoDeCartao::Celulas, 3},
        {15, ETipoDeCartao::Celulas, 1},             // menos que um vetor
        {17, ETipoDeCartao::Celulas, 33},            // um vetor e pouco; duas passadas
        {kBloco - 1, ETipoDeCartao::Celulas, 5},
        {kBloco, ETipoDeCartao::Celulas, 5},
        {3 * kBloco + 1, ETipoDeCartao::Celulas, 70},  // três passadas, a última com 6
        {1, ETipoDeCartao::Estranhos, 4},
        {700, ETipoDeCartao::Estranhos, 40},
        {kBloco + 1030, ETipoDeCartao::Estranhos, 9},  // mais de um bloco de cada caminho
    };
    uint32_t semente = 1;
    for (const STamanho& tamanho : tamanhos) {
        m_volantes.Esvaziar();
        m_resultados.clear();
        m_placares.clear();
        SortearCartoes(tamanho.cartoes, tamanho.tipo, ++semente);
        SortearResultados(tamanho.concursos, ++semente);
        CAnaliseDeConcursos analise(m_resultados);
        CProgressoContado progresso;

        analise.Analisar(m_volantes, 0, int(tamanho.concursos) - 1, progresso);

        const std::vector<SLinhaDaAnalise> esperado = Referencias(tamanho.concursos);
        const size_t vezes_por_concurso = (tamanho.cartoes + 999) / 1000;
        SCOPED_TRACE(testing::Message() << tamanho.cartoes << " cartões, " << tamanho.concursos << " concursos");
        EXPECT_EQ(analise.Linhas(), esperado);
        EXPECT_EQ(progresso.concluidas, esperado);
        EXPECT_EQ(analise.Total(), Soma(esperado));
        EXPECT_EQ(size_t(progresso.vezes), tamanho.concursos * vezes_por_concurso);
    }
}

TEST_F(AnaliseEmBlocos, EntradasQueSoDiferemNoObjetoOuNaPosicaoContamIgual)
{
    // A mesma célula nas cinco posições, uma cópia dela e a entrada do jogo 3 na posição 0.
    const CScore* celula = Celula(1, 7);
    const CScore& copia = m_placares.emplace_back(*celula);
    const CScore* repetidos[][5] = {
        {celula, celula, celula, celula, celula},
        {&copia, celula, nullptr, nullptr, nullptr},
        {Celula(3, 0), Celula(1, 7), Celula(0, 0), Celula(4, 24), Celula(2, 5)},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    for (auto& entradas : repetidos) {
        CVolante volante;
        volante.m_qtde = 5;
        std::copy(std::begin(entradas), std::end(entradas), volante.m_scores);
        m_volantes.Adicionar(volante);
    }
    auto resultado = std::make_unique<CResultadoVarenta>();
    for (int jogo = 0; jogo < 5; ++jogo)
        resultado->m_scores.push_back(std::make_unique<CScore>(*Celula(jogo, jogo == 1 ? 7 : 0)));
    m_resultados.push_back(std::move(resultado));
    CAnaliseDeConcursos analise(m_resultados);
    CProgressoAnaliseSilencioso silencioso;

    analise.Analisar(m_volantes, 0, 0, silencioso);

    // 5 acertos (a célula cinco vezes), 2 (cópia e célula), 3 (jogos 0, 1 e 4) e nenhum.
    EXPECT_EQ(analise.Total(), (AcertosPorClasse{1, 0, 1, 1, 0, 1}));
    EXPECT_EQ(analise.Linhas(), Referencias(1));
}

TEST_F(AnaliseEmBlocos, MarcasDistintasDemaisNumJogoContamIgual)
{
    // 300 cartões comuns, cada um com marcas próprias no jogo 0: bem mais do que cabe num byte.
    for (int k = 0; k < 300; ++k) {
        CScore& placar = m_placares.emplace_back(*Celula(0, 0));
        placar.m_time1[1] = int16_t(k + 2);
        CVolante volante;
        volante.m_qtde = 5;
        volante.m_scores[0] = &placar;
        for (int jogo = 1; jogo < 5; ++jogo)
            volante.m_scores[jogo] = Celula(jogo, k % 25);
        m_volantes.Adicionar(volante);
    }
    // No jogo 0: marcas que nenhum cartão tem, a 1ª, a 254ª, a 255ª, a 256ª e a última.
    for (int k : {-1, 0, 253, 254, 255, 299}) {
        auto resultado = std::make_unique<CResultadoVarenta>();
        resultado->m_concurso = k;
        resultado->m_scores.push_back(std::make_unique<CScore>(*Celula(0, 0)));
        resultado->m_scores[0]->m_time1[1] = int16_t(k + 2);
        for (int jogo = 1; jogo < 5; ++jogo)
            resultado->m_scores.push_back(std::make_unique<CScore>(*Celula(jogo, 3)));
        m_resultados.push_back(std::move(resultado));
    }
    CAnaliseDeConcursos analise(m_resultados);
    CProgressoAnaliseSilencioso silencioso;

    analise.Analisar(m_volantes, 0, 5, silencioso);

    EXPECT_EQ(analise.Linhas(), Referencias(6));
}

struct SParada {
    const char* fase;
    size_t cartoes;
    size_t concursos;
    int parar_na_vez;
    size_t linhas;
    int vezes;
};

TEST_F(AnaliseEmBlocos, ParadaTerminaOConcursoEmCursoEFicaComOsTerminados)
{
    const SParada paradas[] = {
        // 40 vezes por concurso; a 5ª vem no meio da passada, com o 1º concurso por contar.
        {"no meio da 1ª passada", 40'000, 10, 5, 1, 40},
        {"na última vez do 1º concurso", 40'000, 10, 40, 1, 40},
        {"no 2º concurso, já contado na passada", 40'000, 10, 41, 2, 80},
        {"no meio da 2ª passada", 40'000, 40, 32 * 40 + 5, 33, 33 * 40},
        // A leitura dá uma vez a cada 65536 cartões: parada nela não conta concurso nenhum.
        {"na leitura dos cartões", 70'000, 3, 1, 0, 1},
        {"no 1º cartão do 1º concurso", 70'000, 3, 2, 1, 1 + 70},
    };
    for (const SParada& parada : paradas) {
        SCOPED_TRACE(parada.fase);
        m_volantes.Esvaziar();
        m_resultados.clear();
        SortearCartoes(parada.cartoes, ETipoDeCartao::Celulas, 77);
        SortearResultados(parada.concursos, 78);
        CAnaliseDeConcursos analise(m_resultados);
        CProgressoContado progresso;
        progresso.parar_na_vez = parada.parar_na_vez;

        analise.Analisar(m_volantes, 0, int(parada.concursos) - 1, progresso);

        const std::vector<SLinhaDaAnalise> esperado = Referencias(parada.linhas);
        EXPECT_EQ(analise.Linhas(), esperado);
        EXPECT_EQ(progresso.concluidas, esperado);
        EXPECT_EQ(analise.Total(), Soma(esperado));
        EXPECT_TRUE(analise.Interrompida());
        EXPECT_EQ(progresso.vezes, parada.vezes);
    }
}

TEST_F(AnaliseEmBlocos, ListaGrandeSemParadaDaUmaVezNaLeituraEAsDosConcursos)
{
    SortearCartoes(70'000, ETipoDeCartao::Celulas, 5);
    SortearResultados(2, 6);
    CAnaliseDeConcursos analise(m_resultados);
    CProgressoContado progresso;

    analise.Analisar(m_volantes, 0, 1, progresso);

    EXPECT_EQ(analise.Linhas(), Referencias(2));
    EXPECT_FALSE(analise.Interrompida());
    EXPECT_EQ(progresso.vezes, 1 + 2 * 70);
}

TEST_F(AnaliseEmBlocos, SemConcursosNaoLeNemChamaAInterface)
{
    SortearCartoes(70'000, ETipoDeCartao::Celulas, 5);
    SortearResultados(3, 6);
    for (const auto& [inicial, final] : {std::pair{-1, -1}, {2, 1}, {5, 9}}) {
        CAnaliseDeConcursos analise(m_resultados);
        CProgressoContado progresso;
        analise.Analisar(m_volantes, inicial, final, progresso);
        EXPECT_TRUE(analise.Linhas().empty()) << inicial << ".." << final;
        EXPECT_EQ(analise.Total(), AcertosPorClasse{});
        EXPECT_EQ(progresso.vezes, 0);
    }
}

} // namespace
