#include "results/ArquivoDeResultados.h"

#include "core/ArquivoDanificado.h"
#include "tests/support/BytesHex.h"
#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Placar de resultado: uma coluna marcada por time.
std::unique_ptr<CScore> Placar(int jogo, int coluna1, int coluna2)
{
    auto score = std::make_unique<CScore>();
    score->m_jogo = static_cast<int16_t>(jogo);
    score->m_time1[coluna1] = 1;
    score->m_time2[coluna2] = 1;
    return score;
}

// Os dois registros descritos à mão nas fixtures.
CListaDeResultados RegistrosDasFixtures(size_t quantos)
{
    CListaDeResultados lista;
    auto primeiro = std::make_unique<CResultadoVarenta>();
    primeiro->m_concurso = 1234;
    primeiro->m_data = {45000.0, SData::kValida};
    primeiro->m_ganhadores[3] = 120;
    primeiro->m_ganhadores[4] = 7;
    primeiro->m_rateio[3] = 12.5;
    primeiro->m_rateio[4] = 350.75;
    primeiro->m_valorAcumulado = 1500000.0;
    primeiro->m_acumulado = 1;
    const int colunas1[5][2] = {{2, 1}, {0, 0}, {4, 3}, {1, 1}, {0, 4}};
    for (int m = 0; m < 5; ++m)
        primeiro->m_scores.push_back(Placar(m, colunas1[m][0], colunas1[m][1]));
    lista.push_back(std::move(primeiro));
    if (quantos == 1)
        return lista;
    auto segundo = std::make_unique<CResultadoVarenta>();
    segundo->m_concurso = 1235;
    segundo->m_data = {12345.25, SData::kInvalida};
    const int colunas2[5][2] = {{3, 3}, {4, 4}, {0, 1}, {2, 0}, {1, 2}};
    for (int m = 0; m < 5; ++m)
        segundo->m_scores.push_back(Placar(m, colunas2[m][0], colunas2[m][1]));
    lista.push_back(std::move(segundo));
    return lista;
}

void ExpectIguais(const CResultadoVarenta& a, const CResultadoVarenta& b)
{
    EXPECT_EQ(a.m_concurso, b.m_concurso);
    EXPECT_EQ(a.m_data.valor, b.m_data.valor);
    EXPECT_EQ(a.m_data.estado, b.m_data.estado);
    for (int h = 0; h < 15; ++h) {
        EXPECT_EQ(a.m_ganhadores[h], b.m_ganhadores[h]) << h;
        EXPECT_EQ(a.m_rateio[h], b.m_rateio[h]) << h;
    }
    EXPECT_EQ(a.m_acumulado, b.m_acumulado);
    EXPECT_EQ(a.m_valorAcumulado, b.m_valorAcumulado);
    ASSERT_EQ(a.m_scores.size(), b.m_scores.size());
    for (size_t i = 0; i < a.m_scores.size(); ++i) {
        EXPECT_EQ(a.m_scores[i]->m_jogo, b.m_scores[i]->m_jogo);
        EXPECT_EQ(a.m_scores[i]->m_reservado, b.m_scores[i]->m_reservado);
        EXPECT_TRUE(a.m_scores[i]->MesmoPlacar(*b.m_scores[i])) << i;
    }
}

class ArquivoDeResultados : public testing::Test {
protected:
    CPastaTemporaria pasta;
    const std::filesystem::path arquivo = pasta / "Varenta.dat";
};

TEST_F(ArquivoDeResultados, GravaOsBytesDescritosAMao)
{
    struct Caso {
        size_t registros;
        std::string esperado;
    };
    for (const Caso& caso : {Caso{0, std::string(2, '\0')}, Caso{1, FixtureHex("results/fixtures/um_resultado.hex")},
                             Caso{2, FixtureHex("results/fixtures/dois_resultados.hex")}}) {
        const CListaDeResultados lista = caso.registros == 0 ? CListaDeResultados{} : RegistrosDasFixtures(caso.registros);
        ASSERT_TRUE(GravarArquivoDeResultados(arquivo, lista));
        EXPECT_EQ(LerBytes(arquivo), caso.esperado) << caso.registros;
    }
    EXPECT_EQ(FixtureHex("results/fixtures/um_resultado.hex").size(), 231u);
    EXPECT_EQ(FixtureHex("results/fixtures/dois_resultados.hex").size(), 231u + 198u);
}

TEST_F(ArquivoDeResultados, LeOArquivoFeitoAMaoNaOrdemDoArquivo)
{
    GravarBytes(arquivo, FixtureHex("results/fixtures/dois_resultados.hex"));
    CListaDeResultados lida;
    ASSERT_TRUE(LerArquivoDeResultados(arquivo, lida));
    const CListaDeResultados esperada = RegistrosDasFixtures(2);
    ASSERT_EQ(lida.size(), 2u);
    ExpectIguais(*lida[0], *esperada[0]);
    ExpectIguais(*lida[1], *esperada[1]); // data inválida volta inválida, com o mesmo valor
}

TEST_F(ArquivoDeResultados, LeituraAcrescentaNoFimDaLista)
{
    GravarBytes(arquivo, FixtureHex("results/fixtures/um_resultado.hex"));
    CListaDeResultados lista = RegistrosDasFixtures(2);
    ASSERT_TRUE(LerArquivoDeResultados(arquivo, lista));
    ASSERT_EQ(lista.size(), 3u);
    EXPECT_EQ(lista[2]->m_concurso, 1234);

    GravarBytes(arquivo, std::string(2, '\0'));
    ASSERT_TRUE(LerArquivoDeResultados(arquivo, lista));
    EXPECT_EQ(lista.size(), 3u);
}

TEST_F(ArquivoDeResultados, IdaEVoltaGuardaSoAsFaixasDe3a5)
{
    CListaDeResultados lista = RegistrosDasFixtures(1);
    CResultadoVarenta& registro = *lista[0];
    registro.m_concurso = 0; // nem negativo nem repetido: fica
    for (int h = 0; h < 15; ++h) {
        registro.m_ganhadores[h] = 100 + h;
        registro.m_rateio[h] = 0.5 + h;
    }
    registro.m_data = {-1.75, SData::kNula};
    ASSERT_TRUE(GravarArquivoDeResultados(arquivo, lista));
    CListaDeResultados lida;
    ASSERT_TRUE(LerArquivoDeResultados(arquivo, lida));
    ASSERT_EQ(lida.size(), 1u);
    EXPECT_EQ(lida[0]->m_concurso, 0);
    EXPECT_EQ(lida[0]->m_data.valor, -1.75);
    EXPECT_EQ(lida[0]->m_data.estado, SData::kNula);
    for (int h = 0; h < 15; ++h) {
        const bool guardada = h >= 3 && h <= 5;
        EXPECT_EQ(lida[0]->m_ganhadores[h], guardada ? 100 + h : 0) << h;
        EXPECT_EQ(lida[0]->m_rateio[h], guardada ? 0.5 + h : 0.0) << h;
    }
}

TEST_F(ArquivoDeResultados, ArquivoQueNaoAbreDeixaAListaIntacta)
{
    CListaDeResultados lista = RegistrosDasFixtures(1);
    EXPECT_FALSE(LerArquivoDeResultados(pasta / "nao_existe.dat", lista));
    EXPECT_FALSE(LerArquivoDeResultados(pasta.Caminho(), lista)); // uma pasta
    EXPECT_EQ(lista.size(), 1u);
}

TEST_F(ArquivoDeResultados, ArquivoDanificadoDizOQueHouveComOCaminhoCompleto)
{
    const std::string um = FixtureHex("results/fixtures/um_resultado.hex");
    const std::string dois = FixtureHex("results/fixtures/dois_resultados.hex");
    constexpr size_t kPrimeiroPlacar = 2 + 23 + 64 + 2;      // etiqueta do primeiro placar
    constexpr size_t kSegundoPlacar = kPrimeiroPlacar + 36;  // etiqueta do segundo placar
    auto trocar = [](std::string bytes, size_t posicao, const std::string& por) {
        return bytes.replace(posicao, por.size(), por);
    };
    const std::string fim = "Attempted to access %1 past its end.";
    const std::string inesperado = "%1 contained an unexpected object.";
    const std::string esquema = "%1 contains an incorrect schema.";
    const std::string formato = "%1 has a bad format.";
    struct Caso {
        const char* nome;
        std::string bytes;
        std::string mensagem;
    };
    const Caso casos[] = {
        {"vazio", "", fim},
        {"só meia contagem", std::string(1, '\0'), fim},
        {"cortado no último placar", um.substr(0, um.size() - 1), fim},
        {"anuncia dois, tem um", trocar(um, 0, BytesDoHex("02 00")), fim},
        {"cortado no segundo registro", dois.substr(0, 300), fim},
        {"outro nome de classe", trocar(um, 22, "X"), inesperado},
        {"placar onde se espera registro", BytesDoHex("01 00 ff ff 00 00 06 00 \"CScore\""), inesperado},
        {"registro onde se espera placar", trocar(um, kSegundoPlacar, BytesDoHex("01 80")), inesperado},
        {"esquema 1", trocar(um, 4, BytesDoHex("01 00")), esquema},
        {"esquema do placar", trocar(um, kPrimeiroPlacar + 2, BytesDoHex("01 00")), esquema},
        {"classe não descrita", trocar(um, kSegundoPlacar, BytesDoHex("05 80")), formato},
        {"referência a objeto", trocar(dois, 231, BytesDoHex("02 00")), formato},
        {"registro nulo", BytesDoHex("01 00 00 00"), formato},
        {"placar nulo", trocar(um, kSegundoPlacar, BytesDoHex("00 00")), formato},
        {"quatro placares", trocar(um, kPrimeiroPlacar - 2, BytesDoHex("04 00")), formato},
        {"contagem de placares enorme", trocar(um, kPrimeiroPlacar - 2, BytesDoHex("ff ff ff ff ff 7f")), formato},
    };
    for (const Caso& caso : casos) {
        GravarBytes(arquivo, caso.bytes);
        CListaDeResultados lista = RegistrosDasFixtures(1);
        std::string mensagem = caso.mensagem;
        mensagem.replace(mensagem.find("%1"), 2, std::filesystem::absolute(arquivo).string());
        try {
            LerArquivoDeResultados(arquivo, lista);
            ADD_FAILURE() << caso.nome;
        } catch (const CArquivoDanificado& erro) {
            EXPECT_EQ(erro.what(), mensagem) << caso.nome;
        }
        EXPECT_EQ(lista.size(), 1u) << caso.nome;
    }
}

TEST_F(ArquivoDeResultados, FalhaAoGravarDeixaOArquivoAnterior)
{
    // Como root as permissões não impedem a gravação; um nome ocupado por uma pasta, sim.
    std::filesystem::create_directory(pasta / "ocupado");
    EXPECT_FALSE(GravarArquivoDeResultados(pasta / "ocupado", RegistrosDasFixtures(1)));
    EXPECT_TRUE(std::filesystem::is_directory(pasta / "ocupado"));
    EXPECT_FALSE(GravarArquivoDeResultados(pasta / "sem_pasta" / "Varenta.dat", RegistrosDasFixtures(1)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()), {}), 1) << "sobrou temporário";
}

} // namespace
