// O CSV de resultados: leitura linha a linha, recusas com número e motivo, escrita e a
// volta completa pelo arquivo de resultados.
#include "results/ArquivoDeResultados.h"
#include "results/BancoDeDados.h"
#include "results/DataDoResultado.h"
#include "results/ErroNoCsv.h"
#include "results/EscritorDeResultadosCsv.h"
#include "results/FormatoDoCsvDeResultados.h"
#include "results/LeitorDeResultadosCsv.h"
#include "results/ValoresDoResultado.h"
#include "core/ErroAoAbrirArquivo.h"
#include "core/PlacaresEmTexto.h"
#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

using Motivo = SLinhaRecusada::Motivo;

const std::string kCabecalho =
    "concurso;data;placares;ganhadores 3;ganhadores 4;ganhadores 5;rateio 3;rateio 4;rateio 5;acumulado\n";

SResultadosDoCsv Ler(const std::string& texto)
{
    std::istringstream entrada(texto);
    return LerResultadosDeCsv(entrada);
}

std::string Escrito(const CListaDeResultados& lista)
{
    std::ostringstream saida;
    EscreverResultadosEmCsv(lista, saida);
    return saida.str();
}

std::string Placares(const CResultadoVarenta& resultado)
{
    std::string texto;
    for (const auto& placar : resultado.m_scores)
        texto += (texto.empty() ? "" : " ") + MarcasDaEntrada(*placar);
    return texto;
}

std::unique_ptr<CResultadoVarenta> Resultado(int concurso, const SDiaEHora& dia, const std::string& placares,
                                             std::array<int32_t, 3> ganhadores, std::array<double, 3> rateios,
                                             double acumulado)
{
    SValoresDoResultado valores;
    valores.concurso = concurso;
    valores.data = DataDoCalendario(dia);
    valores.colunas = LerPlacares(placares);
    valores.ganhadores = ganhadores;
    valores.rateios = rateios;
    valores.valor_acumulado = acumulado;
    return NovoResultado(valores);
}

// Registros como os que o programa grava: à meia-noite e com hora, centavos e valores
// que duas casas não representam, o primeiro e o último concurso e valores perto do teto.
CListaDeResultados Variados()
{
    CListaDeResultados lista;
    lista.push_back(Resultado(1, {2004, 3, 15}, "0x0 0x0 0x0 0x0 0x0", {0, 0, 0}, {0, 0, 0}, 0));
    lista.push_back(Resultado(1234, {2004, 3, 15}, "1x0 2x2 +x1 0x0 3x+", {152, 9, 0}, {25.4, 2100, 0}, 350000));
    lista.push_back(Resultado(1235, {2011, 7, 9, 14, 35, 20}, "+x+ 3x3 2x1 1x2 0x+", {7, 1, 1}, {0.1 + 0.2, 1e-7, 1.0 / 3},
                              1e12 + 0.5));
    lista.push_back(Resultado(1236, {1899, 12, 29, 6, 0, 0}, "3x0 0x3 1x1 2x2 +x0", {2147483647, 0, 0}, {0.125, 0, 0},
                              0.01));
    lista.push_back(Resultado(99999, {9999, 12, 31, 23, 59, 59}, "0x1 1x0 0x1 1x0 0x1", {0, 0, 0},
                              {9999999999999.99, 0, 0}, 0));
    return lista;
}

TEST(CsvDeResultados, EscreveAsColunasDeListarComHoraECasasQuandoPrecisa)
{
    EXPECT_EQ(Escrito(Variados()),
              kCabecalho +
                  "1;15/03/2004;0x0 0x0 0x0 0x0 0x0;0;0;0;0.00;0.00;0.00;0.00\n"
                  "1234;15/03/2004;1x0 2x2 +x1 0x0 3x+;152;9;0;25.40;2100.00;0.00;350000.00\n"
                  "1235;09/07/2011 14:35:20;+x+ 3x3 2x1 1x2 0x+;7;1;1;0.30000000000000004;0.0000001;"
                  "0.3333333333333333;1000000000000.50\n"
                  "1236;29/12/1899 06:00:00;3x0 0x3 1x1 2x2 +x0;2147483647;0;0;0.125;0.00;0.00;0.01\n"
                  "99999;31/12/9999 23:59:59;0x1 1x0 0x1 1x0 0x1;0;0;0;9999999999999.99;0.00;0.00;0.00\n");
    EXPECT_EQ(Escrito({}), kCabecalho);
}

TEST(CsvDeResultados, LidoDeVoltaDaOMesmoArquivoDeResultadosByteAByte)
{
    CPastaTemporaria pasta;
    const CListaDeResultados lista = Variados();
    ASSERT_TRUE(GravarArquivoDeResultados(pasta / "original.dat", lista));
    ASSERT_TRUE(GravarResultadosEmCsv(lista, pasta / "resultados.csv"));

    SResultadosDoCsv lidos = LerResultadosDeCsv(pasta / "resultados.csv");
    ASSERT_TRUE(lidos.recusadas.empty()) << TextoDaRecusa(lidos.recusadas[0]);
    ASSERT_TRUE(CBancoDeDados::InserirResultados(pasta / "importado.dat", std::move(lidos.resultados)));
    EXPECT_EQ(LerBytes(pasta / "importado.dat"), LerBytes(pasta / "original.dat"));

    // Importar sobre o próprio arquivo substitui cada concurso por ele mesmo.
    ASSERT_TRUE(CBancoDeDados::InserirResultados(pasta / "original.dat",
                                                 LerResultadosDeCsv(pasta / "resultados.csv").resultados));
    EXPECT_EQ(LerBytes(pasta / "original.dat"), LerBytes(pasta / "importado.dat"));
}

TEST(CsvDeResultados, LeSeparadorDoCabecalhoBomCrLfLinhasVaziasEAspas)
{
    const std::string virgula = "\xEF\xBB\xBF"
                                "Concurso,Data,Placares,Ganhadores 3,Ganhadores 4,Ganhadores 5,Rateio 3,Rateio 4,"
                                "Rateio 5,Acumulado\r\n"
                                "\r\n"
                                "1234, 15/03/2004 ,1x0 2x2 +x1 0x0 3x+,152,9,0,\"25,40\",2100.00,\"0\",\"350000,5\"\r\n"
                                "\n"
                                "7,-,\"0x0 0x0 0x0 0x0 0x0\",0,0,0,0,0,0,0";
    const std::string ponto_e_virgula = kCabecalho + "1234;15/03/2004;1x0 2x2 +x1 0x0 3x+;152;9;0;25,40;2100;0;350000.50\n"
                                                     "7;-;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0\n";
    for (const std::string& texto : {virgula, ponto_e_virgula}) {
        const SResultadosDoCsv lidos = Ler(texto);
        ASSERT_TRUE(lidos.recusadas.empty()) << TextoDaRecusa(lidos.recusadas[0]);
        ASSERT_EQ(lidos.resultados.size(), 2u);
        const CResultadoVarenta& primeiro = *lidos.resultados[0];
        EXPECT_EQ(primeiro.m_concurso, 1234);
        EXPECT_EQ(primeiro.m_data.valor, 38061.0);
        EXPECT_EQ(primeiro.m_data.estado, SData::kValida);
        EXPECT_EQ(Placares(primeiro), "1x0 2x2 +x1 0x0 3x+");
        EXPECT_EQ(primeiro.m_ganhadores[3], 152);
        EXPECT_EQ(primeiro.m_ganhadores[4], 9);
        EXPECT_EQ(primeiro.m_rateio[3], 25.4);
        EXPECT_EQ(primeiro.m_rateio[4], 2100.0);
        EXPECT_EQ(primeiro.m_valorAcumulado, 350000.5);
        EXPECT_EQ(primeiro.m_acumulado, 1);
        const CResultadoVarenta& segundo = *lidos.resultados[1];
        EXPECT_EQ(segundo.m_concurso, 7);
        EXPECT_EQ(segundo.m_data.estado, SData::kInvalida);
        EXPECT_EQ(segundo.m_acumulado, 0);
        EXPECT_EQ(TextoDaDataEHora(segundo.m_data), "-");
    }
}

struct SLinhaRuim {
    const char* linha;
    Motivo motivo;
    std::string texto = {};
    int faixa = 0;
};

TEST(CsvDeResultados, RecusaCadaLinhaRuimComNumeroEMotivo)
{
    const std::string bom = "9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0";
    const SLinhaRuim casos[] = {
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0", Motivo::Colunas},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0;extra", Motivo::Colunas},
        {"solto", Motivo::Colunas},
        {"9;\"01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Aspas},
        {"-1;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Concurso, "-1"},
        {"2147483648;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Concurso, "2147483648"},
        {"0;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Concurso, "0"},
        {"100000;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Concurso, "100000"},
        {"2147483647;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Concurso, "2147483647"},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;2147483648;0;0;0;0;0", Motivo::Ganhadores, "2147483648", 4},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;10000000000000;0;0", Motivo::Rateio, "10000000000000", 4},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;10000000000000.00", Motivo::Acumulado, "10000000000000.00"},
        {"1.5;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Concurso, "1.5"},
        {";01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Concurso, ""},
        {"9;31/02/2004;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Data, "31/02/2004"},
        {"9;2004-03-15;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Data, "2004-03-15"},
        {"9;15/03/2004 24:00:00;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Data, "15/03/2004 24:00:00"},
        {"9;15/03/2004 10:00;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Data, "15/03/2004 10:00"},
        {"9;;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Data, ""},
        {"9;01/02/2010;0x0 0x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Placares, "0x0 0x0 0x0 0x0"},
        {"9;01/02/2010;0x0 0x0 4x0 0x0 0x0;0;0;0;0;0;0;0", Motivo::Placares, "0x0 0x0 4x0 0x0 0x0"},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;x;0;0;0;0;0;0", Motivo::Ganhadores, "x", 3},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;-2;0;0;0;0", Motivo::Ganhadores, "-2", 5},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;1e3;0;0;0", Motivo::Rateio, "1e3", 3},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;1.234,50;0;0", Motivo::Rateio, "1.234,50", 4},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;-0.01;0", Motivo::Rateio, "-0.01", 5},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;nan", Motivo::Acumulado, "nan"},
        {"9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;inf", Motivo::Acumulado, "inf"},
    };
    for (const SLinhaRuim& caso : casos) {
        // A linha ruim entre duas boas, depois de uma linha vazia: a contagem inclui o
        // cabeçalho e as vazias.
        const SResultadosDoCsv lidos = Ler(kCabecalho + "\n" + bom + "\n" + caso.linha + "\r\n" +
                                           "10;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0\n");
        ASSERT_EQ(lidos.recusadas.size(), 1u) << caso.linha;
        const SLinhaRecusada& recusa = lidos.recusadas[0];
        EXPECT_EQ(recusa.linha, 4u) << caso.linha;
        EXPECT_EQ(recusa.motivo, caso.motivo) << caso.linha;
        EXPECT_EQ(recusa.texto, caso.texto) << caso.linha;
        EXPECT_EQ(recusa.faixa, caso.faixa) << caso.linha;
        EXPECT_EQ(TextoDaRecusa(recusa).rfind("Linha 4: ", 0), 0u) << TextoDaRecusa(recusa);
        EXPECT_EQ(lidos.resultados.size(), 2u) << caso.linha;
    }
}

// A faixa vai na mensagem, a mesma de "inserir" e do diálogo.
TEST(CsvDeResultados, RecusaPelaFaixaDizAFaixa)
{
    const SResultadosDoCsv lidos = Ler(kCabecalho + "0;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0\n"
                                                    "9;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;1e13\n"
                                                    "10;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;-1;0;0;0;0\n");
    ASSERT_EQ(lidos.recusadas.size(), 3u);
    EXPECT_EQ(TextoDaRecusa(lidos.recusadas[0]), "Linha 2: concurso inválido: \"0\" (de 1 a 99999).");
    EXPECT_EQ(TextoDaRecusa(lidos.recusadas[1]),
              "Linha 3: acumulado inválido: \"1e13\" (valor em reais de 0 a menos de 10000000000000).");
    EXPECT_EQ(TextoDaRecusa(lidos.recusadas[2]), "Linha 4: ganhadores 5 inválido: \"-1\" (de 0 a 2147483647).");
}

TEST(CsvDeResultados, ColunasContadasLinhaLongaEConcursoRepetido)
{
    const std::string linha = "5;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;0\n";
    const std::string longa = "6;01/02/2010;0x0 0x0 0x0 0x0 0x0;0;0;0;0;0;0;" + std::string(kMaiorLinhaDoCsv, '0') + "\n";
    const SResultadosDoCsv lidos =
        Ler(kCabecalho + linha + "6;7;8\n" + longa + "6;01/02/2010;1x1 1x1 1x1 1x1 1x1;0;0;0;0;0;0;0\n" + linha);
    ASSERT_EQ(lidos.recusadas.size(), 3u);
    EXPECT_EQ(lidos.recusadas[0].linha, 3u);
    EXPECT_EQ(lidos.recusadas[0].motivo, Motivo::Colunas);
    EXPECT_EQ(lidos.recusadas[0].colunas, 3u);
    EXPECT_EQ(lidos.recusadas[1].linha, 4u);
    EXPECT_EQ(lidos.recusadas[1].motivo, Motivo::LinhaLonga);
    // Vale a primeira linha de cada concurso; a linha recusada não conta como primeira.
    EXPECT_EQ(lidos.recusadas[2].linha, 6u);
    EXPECT_EQ(lidos.recusadas[2].motivo, Motivo::ConcursoRepetido);
    EXPECT_EQ(lidos.recusadas[2].primeira, 2u);
    EXPECT_EQ(TextoDaRecusa(lidos.recusadas[2]), "Linha 6: concurso 5 repetido (já na linha 2).");
    ASSERT_EQ(lidos.resultados.size(), 2u);
    EXPECT_EQ(lidos.resultados[1]->m_concurso, 6);
    EXPECT_EQ(Placares(*lidos.resultados[1]), "1x1 1x1 1x1 1x1 1x1");
}

TEST(CsvDeResultados, SemCabecalhoNadaELido)
{
    const std::string cabecalho_sem_coluna =
        "concurso;data;placares;ganhadores 3;ganhadores 4;ganhadores 5;rateio 3;rateio 4;rateio 5\n";
    const std::string textos[] = {
        "",
        "\n\r\n",
        "1234;15/03/2004;1x0 2x2 +x1 0x0 3x+;152;9;0;25.40;2100.00;0.00;350000.00\n",
        cabecalho_sem_coluna,
        "concurso;data;placares;ganhadores 3;ganhadores 4;ganhadores 5;rateio 3;rateio 4;rateio 5;acumulado;extra\n",
        "concurso\tdata\tplacares\tganhadores 3\tganhadores 4\tganhadores 5\trateio 3\trateio 4\trateio 5\tacumulado\n",
        std::string(kMaiorLinhaDoCsv + 1, ';') + "\n",
    };
    for (const std::string& texto : textos) {
        try {
            Ler(texto);
            ADD_FAILURE() << texto;
        } catch (const CErroNoCsv& erro) {
            EXPECT_EQ(erro.TipoDoErro(), CErroNoCsv::Tipo::Cabecalho) << texto;
        }
    }
}

TEST(CsvDeResultados, ArquivoGrandeOuComLinhasDemaisNaoELido)
{
    CPastaTemporaria pasta;
    const fs::path grande = pasta / "grande.csv";
    GravarBytes(grande, kCabecalho);
    fs::resize_file(grande, kMaiorCsvDeResultados + 1);  // esparso: não ocupa o disco
    try {
        LerResultadosDeCsv(grande);
        ADD_FAILURE();
    } catch (const CErroNoCsv& erro) {
        EXPECT_EQ(erro.TipoDoErro(), CErroNoCsv::Tipo::ArquivoGrande);
        EXPECT_NE(std::string(erro.what()).find(grande.string()), std::string::npos) << erro.what();
    }

    std::string linhas = kCabecalho;
    for (size_t i = 1; i < kMaisLinhasDoCsv; ++i)
        linhas += "x\n";
    EXPECT_EQ(Ler(linhas).recusadas.size(), kMaisLinhasDoCsv - 1);
    try {
        Ler(linhas + "x\n");
        ADD_FAILURE();
    } catch (const CErroNoCsv& erro) {
        EXPECT_EQ(erro.TipoDoErro(), CErroNoCsv::Tipo::LinhasDemais);
    }

    EXPECT_THROW(LerResultadosDeCsv(pasta / "nao_existe.csv"), CErroAoAbrirArquivo);
    EXPECT_THROW(LerResultadosDeCsv(pasta.Caminho()), CErroAoAbrirArquivo);
}

TEST(CsvDeResultados, ReaisExatosEDataComHora)
{
    const std::pair<double, const char*> valores[] = {
        {0, "0.00"}, {25.4, "25.40"}, {2100, "2100.00"}, {0.125, "0.125"}, {0.005, "0.005"},
        {1e20, "100000000000000000000.00"}, {0.1 + 0.2, "0.30000000000000004"},
    };
    for (const auto& [valor, texto] : valores) {
        EXPECT_EQ(ReaisExatos(valor), texto);
        EXPECT_EQ(LerReais(texto), valor) << texto;
    }
    const std::pair<SDiaEHora, const char*> datas[] = {
        {{2004, 3, 15}, "15/03/2004"},
        {{2004, 3, 15, 0, 0, 1}, "15/03/2004 00:00:01"},
        {{100, 1, 1}, "01/01/0100"},
        {{1899, 12, 30, 23, 59, 59}, "30/12/1899 23:59:59"},
    };
    for (const auto& [dia, texto] : datas) {
        EXPECT_EQ(TextoDaDataEHora(DataDoCalendario(dia)), texto);
        EXPECT_EQ(LerDiaEHora(texto), dia) << texto;
    }
    EXPECT_EQ(TextoDaDataEHora(SData{0, SData::kNula}), "-");
}

} // namespace
