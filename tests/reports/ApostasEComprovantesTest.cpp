#include "core/CartaoCheio.h"
#include "reports/Comprovantes.h"
#include "core/ListaDeVolantes.h"
#include "reports/ListagemDeApostas.h"
#include "tests/support/Montagem.h"
#include "tests/reports/PastasDeTeste.h"
#include "reports/ProgressoDoRelatorio.h"
#include "reports/RelatorioInterrompido.h"
#include "core/Volante.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kResumo =
    "Para acertar os 5 pontos será necessario que você acerte: <br>No mínimo 1 jogo na chave A.<br>Os 3 jogos sem chave.";

// O quadro dos comprovantes esperados: jogos 1 e 2 na chave A, os outros sem chave.
CelulasDoQuadro QuadroDeExemplo()
{
    CelulasDoQuadro celulas{};
    celulas[0][0] = celulas[0][14] = kFavorito;
    celulas[0][24] = kRemovido;
    celulas[1][10] = kFavorito;
    celulas[1][3] = kRemovido;
    for (size_t jogo : {2u, 3u, 4u})
        celulas[jogo][jogo] = kFavorito;
    celulas[3][20] = kRemovido;
    return celulas;
}

size_t Ocorrencias(const std::string& texto, const std::string& parte)
{
    size_t total = 0;
    for (size_t pos = texto.find(parte); pos != std::string::npos; pos = texto.find(parte, pos + 1))
        ++total;
    return total;
}

class RelatoriosDasApostas : public testing::Test {
protected:
    CPastasDeTeste m_pastas;
};

TEST_F(RelatoriosDasApostas, ListagemComUmaLinhaPorCartao)
{
    CListaDeVolantes volantes;
    for (const char* cartao : {"1x0 2x2 +x1 0x0 3x+", "0x0 0x0 0x0 0x0 0x0", "+x+ 3x3 2x1 1x2 0x+"})
        AdicionarCartao(volantes, cartao);

    const fs::path caminho = EscreverListagemDeApostas(m_pastas.Pastas(), volantes);

    EXPECT_EQ(caminho, m_pastas.Dados() / "relatorios" / "Varenta.htm");
    EXPECT_EQ(LerBytes(caminho), LerBytes(Fixture("reports/fixtures/listagem_de_apostas.htm")));
}

TEST_F(RelatoriosDasApostas, ListagemSemCartoesSoOsCabecalhos)
{
    const CListaDeVolantes volantes;

    const std::string pagina = LerBytes(EscreverListagemDeApostas(m_pastas.Pastas(), volantes));

    EXPECT_EQ(Ocorrencias(pagina, "<tr"), 2u);
    EXPECT_NE(pagina.find("Time 2</font></div> </td> </tr></table> </tr></table></body> </tr></table>"),
              std::string::npos);
}

TEST_F(RelatoriosDasApostas, TimeSemColunaMarcadaNaoEscreveCelula)
{
    CListaDeVolantes volantes;
    CScore sem_marca;
    sem_marca.m_jogo = 2;
    sem_marca.m_time2[4] = 1;
    CListaDeVolantes modelo;
    AdicionarCartao(modelo, "1x0 2x2 +x1 0x0 3x+");
    CVolante cartao = modelo.Cartao(0);
    cartao.m_scores[2] = &sem_marca;
    volantes.Adicionar(cartao);

    const std::string pagina = LerBytes(EscreverListagemDeApostas(m_pastas.Pastas(), volantes));

    EXPECT_NE(pagina.find("<tr><td>1</td><td>0</td><td>2</td><td>2</td><td>+</td><td>0</td><td>0</td>"),
              std::string::npos);
}

TEST_F(RelatoriosDasApostas, ComprovantesPecaPorPeca)
{
    const std::array<std::string, 5> chaves{"A", "A", "", "", ""};

    const fs::path caminho = EscreverComprovantes(m_pastas.Pastas(), 321, QuadroDeExemplo(), chaves, kResumo);

    EXPECT_EQ(caminho, m_pastas.Dados() / "relatorios" / "Varenta.htm");
    EXPECT_EQ(LerBytes(caminho), LerBytes(Fixture("reports/fixtures/comprovantes.htm")));
}

TEST_F(RelatoriosDasApostas, ComprovantesSemChaveSoTemCaixasNosFavoritos)
{
    CelulasDoQuadro celulas{};
    celulas[4][7] = kFavorito;
    const std::array<std::string, 5> sem_chaves{};

    const std::string pagina =
        LerBytes(EscreverComprovantes(m_pastas.Pastas(), 0, celulas, sem_chaves, "Para acertar"));

    EXPECT_EQ(Ocorrencias(pagina, "<input"), 1u);
    EXPECT_NE(pagina.find("Concurso : 0</font>"), std::string::npos);
}

TEST_F(RelatoriosDasApostas, TextoDoArquivoDeApostasNaoViraMarcacao)
{
    const std::array<std::string, 5> chaves{"<script>alert(1)</script>", "&", "", "", ""};
    const std::string resumo = "Para acertar: <br>No mínimo 1 jogo na chave <img src=x onerror=alert(1)>.";

    const std::string pagina = LerBytes(EscreverComprovantes(m_pastas.Pastas(), 5, {}, chaves, resumo));

    EXPECT_EQ(pagina.find("<script>alert"), std::string::npos);
    EXPECT_EQ(pagina.find("<img"), std::string::npos);
    EXPECT_NE(pagina.find("sans-serif\">&lt;script&gt;alert(1)&lt;/script&gt;</font></div>"), std::string::npos);
    EXPECT_NE(pagina.find("sans-serif\">&amp;</font></div>"), std::string::npos);
    EXPECT_NE(pagina.find("Para acertar: <br>No m\xednimo 1 jogo na chave &lt;img src=x onerror=alert(1)&gt;."),
              std::string::npos);
}

TEST_F(RelatoriosDasApostas, ConcursoGrandeSaiComoFoiDigitado)
{
    const std::string pagina = LerBytes(EscreverComprovantes(m_pastas.Pastas(), 4000000000u, {}, {}, ""));

    EXPECT_NE(pagina.find("Concurso : 4000000000</font>"), std::string::npos);
}

// Pede a parada quando recebe tantos cartões escritos; guarda o que viu.
class CProgressoQueParaEm : public IProgressoDoRelatorio {
public:
    explicit CProgressoQueParaEm(int64_t parar_em) : m_parar_em(parar_em) {}
    void Iniciar(int64_t total) override { m_total = total; }
    void Atualizar(int64_t escritos) override { m_ultimo = escritos; }
    bool PararSolicitado() const override { return m_parar_em >= 0 && m_ultimo >= m_parar_em; }

    int64_t m_parar_em;
    int64_t m_total = -1;
    int64_t m_ultimo = 0;
};

void AdicionarRepetidos(CListaDeVolantes& volantes, int quantidade)
{
    for (int i = 0; i < quantidade; ++i)
        AdicionarCartao(volantes, i % 2 ? "1x0 2x2 +x1 0x0 3x+" : "0x0 0x0 0x0 0x0 0x0");
}

TEST_F(RelatoriosDasApostas, ListagemParadaNaoDeixaArquivoEMantemAAnterior)
{
    CListaDeVolantes volantes;
    AdicionarRepetidos(volantes, 5000);
    const fs::path pasta = m_pastas.Dados() / "relatorios";
    fs::create_directories(pasta);
    std::ofstream(pasta / "Varenta.htm", std::ios::binary) << "anterior";

    CProgressoQueParaEm progresso(2000);
    EXPECT_THROW(EscreverListagemDeApostas(m_pastas.Pastas(), volantes, progresso), CRelatorioInterrompido);

    EXPECT_EQ(progresso.m_total, 5000);
    EXPECT_EQ(progresso.m_ultimo, 2000);
    EXPECT_EQ(LerBytes(pasta / "Varenta.htm"), "anterior");
    // Nem o temporário da gravação segura fica para trás.
    std::vector<fs::path> arquivos;
    for (const auto& entrada : fs::directory_iterator(pasta))
        arquivos.push_back(entrada.path().filename());
    EXPECT_EQ(arquivos, std::vector<fs::path>{"Varenta.htm"});
}

TEST_F(RelatoriosDasApostas, ListagemComProgressoEscreveOMesmoQueSemEle)
{
    CListaDeVolantes volantes;
    AdicionarRepetidos(volantes, 2500);
    const std::string sem_progresso = LerBytes(EscreverListagemDeApostas(m_pastas.Pastas(), volantes));
    CProgressoQueParaEm nunca(-1);
    const std::string com_progresso = LerBytes(EscreverListagemDeApostas(m_pastas.Pastas(), volantes, nunca));
    EXPECT_EQ(com_progresso, sem_progresso);
    EXPECT_EQ(nunca.m_ultimo, 2000);
}

TEST_F(RelatoriosDasApostas, TamanhoAproximadoDaListagemFicaPertoDoReal)
{
    for (int cartoes : {0, 1000, 20000}) {
        CListaDeVolantes volantes;
        AdicionarRepetidos(volantes, cartoes);
        const auto real = static_cast<double>(fs::file_size(EscreverListagemDeApostas(m_pastas.Pastas(), volantes)));
        const auto estimado = static_cast<double>(TamanhoAproximadoDaListagem(cartoes));
        EXPECT_GE(estimado, real * 0.95) << cartoes;
        EXPECT_LE(estimado, real * 1.05 + 4096) << cartoes;
    }
    // O documento maior possível: perto de 1,1 GB.
    EXPECT_NEAR(static_cast<double>(TamanhoAproximadoDaListagem(9765625)) / 1e9, 1.14, 0.02);
}

} // namespace
