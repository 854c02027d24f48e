// quinaro-cli de ponta a ponta: o executável de verdade, com HOME isolado.
#include "tests/cli/ExecucaoDoCli.h"
#include "tests/support/PastaTemporaria.h"

#include "document/ArquivoDeApostas.h"
#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "core/CartaoCheio.h"
#include "core/PlacaresEmTexto.h"
#include "core/Score.h"
#include "core/Volante.h"
#include "platform/ConfiguracoesQt.h"
#include "platform/PastasDoSistema.h"
#include "document/VarentaDoc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

using testing::HasSubstr;
using testing::StartsWith;

constexpr int k1x0 = 9;
constexpr int k0x0 = 14;
constexpr int k2x2 = 12;

std::vector<std::string> Linhas(const std::string& texto)
{
    std::vector<std::string> linhas;
    std::istringstream entrada(texto);
    for (std::string linha; std::getline(entrada, linha);)
        linhas.push_back(linha);
    return linhas;
}

class Cli : public testing::Test {
protected:
    void SetUp() override
    {
        // Favoritos 1x0 e 0x0 em todo jogo, sem chaves: 32 cartões.
        CVarentaDoc documento;
        documento.OnNewDocument();
        for (auto& jogo : documento.m_celulas) {
            jogo[k1x0] = kFavorito;
            jogo[k0x0] = kFavorito;
        }
        GravarArquivoDeApostas(documento, m_quadro);
        ZerarFiltros();
        std::filesystem::remove(CaminhoDeDados(CPastasDoSistema(), kArquivoDeResultados));
    }

    static void ZerarFiltros()
    {
        CConfiguracoesQt configuracoes;
        configuracoes.Armazem().remove("filtros");
        configuracoes.Armazem().sync();
    }

    static void LigarFiltroDeEmpates(int maximo)
    {
        CConfiguracoesQt configuracoes;
        configuracoes.GravarInteiro("filtros", "m_bool_quantidade_de_resultados_empatados", 1);
        configuracoes.GravarInteiro("filtros", "m_min_quantidade_de_resultados_empatados", 0);
        configuracoes.GravarInteiro("filtros", "m_max_quantidade_de_resultados_empatados", maximo);
    }

    // Concurso com o mesmo placar (célula k) nos cinco jogos e os rateios de 3, 4 e 5 acertos.
    struct SConcurso {
        int concurso;
        int k_por_jogo;
        std::array<double, 3> rateios{};
    };

    static void GravarResultados(const std::vector<SConcurso>& concursos)
    {
        CListaDeResultados lista;
        for (const SConcurso& concurso : concursos) {
            auto resultado = std::make_unique<CResultadoVarenta>();
            resultado->m_concurso = concurso.concurso;
            for (int m = 0; m < 5; ++m) {
                auto score = std::make_unique<CScore>(*CCartaoCheio::Instancia().Celula(m, concurso.k_por_jogo));
                resultado->m_scores.push_back(std::move(score));
            }
            for (size_t faixa = 0; faixa < 3; ++faixa)
                resultado->m_rateio[faixa + 3] = concurso.rateios[faixa];
            lista.push_back(std::move(resultado));
        }
        ASSERT_TRUE(GravarArquivoDeResultados(CaminhoDeDados(CPastasDoSistema(), kArquivoDeResultados), lista));
    }

    static void GravarResultado(int concurso, int k_por_jogo) { GravarResultados({{concurso, k_por_jogo}}); }

    CPastaTemporaria m_pasta;
    std::filesystem::path m_quadro = m_pasta / "quadro.vrt";
    std::filesystem::path m_gerado = m_pasta / "gerado.vrt";
};

TEST_F(Cli, GerarEListar)
{
    const SExecucao gerar = ExecutarCli({"gerar", m_quadro, m_gerado});
    ASSERT_EQ(gerar.codigo, 0) << gerar.erros;
    EXPECT_EQ(gerar.saida, "");

    const auto documento = LerArquivoDeApostas(m_gerado);
    EXPECT_EQ(documento->m_volantes.Quantidade(), 32);
    EXPECT_EQ(documento->m_qtde_apostas, 32);
    EXPECT_EQ(documento->m_resumo, "");

    const SExecucao listar = ExecutarCli({"listar", m_gerado});
    ASSERT_EQ(listar.codigo, 0) << listar.erros;
    const auto linhas = Linhas(listar.saida);
    ASSERT_EQ(linhas.size(), 32u);
    EXPECT_EQ(linhas.front(), "1x0 1x0 1x0 1x0 1x0");
    EXPECT_EQ(linhas[1], "1x0 1x0 1x0 1x0 0x0");
    EXPECT_EQ(linhas.back(), "0x0 0x0 0x0 0x0 0x0");

    // Em CSV: o cabeçalho e as mesmas linhas, um jogo por coluna.
    const SExecucao csv = ExecutarCli({"listar", m_gerado, "--csv"});
    ASSERT_EQ(csv.codigo, 0) << csv.erros;
    const auto linhas_csv = Linhas(csv.saida);
    ASSERT_EQ(linhas_csv.size(), 33u);
    EXPECT_EQ(linhas_csv[0], "Jogo 1;Jogo 2;Jogo 3;Jogo 4;Jogo 5");
    EXPECT_EQ(linhas_csv[2], "1x0;1x0;1x0;1x0;0x0");
    for (size_t i = 0; i < linhas.size(); ++i) {
        std::string esperada = linhas[i];
        std::replace(esperada.begin(), esperada.end(), ' ', ';');
        EXPECT_EQ(linhas_csv[i + 1], esperada);
    }
}

TEST_F(Cli, GerarComFiltroEFiltrar)
{
    LigarFiltroDeEmpates(2);
    const SExecucao gerar = ExecutarCli({"gerar", m_quadro, m_gerado, "--filtrar"});
    ASSERT_EQ(gerar.codigo, 0) << gerar.erros;
    const auto filtrado = LerArquivoDeApostas(m_gerado);
    // Até dois empates (0x0) entre cinco jogos: 1 + 5 + 10.
    EXPECT_EQ(filtrado->m_volantes.Quantidade(), 16);
    EXPECT_EQ(filtrado->m_qtde_apostas, 16);
    EXPECT_EQ(filtrado->m_resumo,
              "Para acertar os 5 pontos será necessario que você acerte: <br>Os 5 jogos sem chave."
              "<br>Quantidade de resultados empatados Min:0 Max:2.");

    // Sem filtro na geração, depois "filtrar" com o máximo de um empate.
    ASSERT_EQ(ExecutarCli({"gerar", m_quadro, m_gerado}).codigo, 0);
    LigarFiltroDeEmpates(1);
    const auto saida = m_pasta / "filtrado.vrt";
    const SExecucao filtrar = ExecutarCli({"filtrar", m_gerado, saida});
    ASSERT_EQ(filtrar.codigo, 0) << filtrar.erros;
    const auto depois = LerArquivoDeApostas(saida);
    EXPECT_EQ(depois->m_volantes.Quantidade(), 6);
    EXPECT_EQ(depois->m_qtde_apostas, 6);
    EXPECT_THAT(depois->m_resumo, HasSubstr("Max:1."));
}

// Os 32 cartões são os vértices de um cubo de 5 dimensões (1x0 ou 0x0 em cada jogo).
TEST_F(Cli, ReduzirComGarantia)
{
    ASSERT_EQ(ExecutarCli({"gerar", m_quadro, m_gerado}).codigo, 0);
    const auto saida = m_pasta / "reduzido.vrt";
    struct Caso {
        int garantia;
        int depois;  // o menor possível, conferido à mão
        const char* piso;
    };
    // 3 pontos: um cartão e o seu oposto (quem está a 3 ou mais de um está a 2 ou menos
    // do outro). 4 pontos: cada cartão cobre 6 e com 6 sobram pares sem ninguém; 7 bastam.
    // O piso é 32 sobre a maior bola: 16 cartões a 3 pontos, 6 a 4.
    for (const Caso caso : {Caso{3, 2, "Nenhuma redução com essa garantia tem menos de 2 cartões (mínimo comprovado)"},
                            Caso{4, 7, "Nenhuma redução com essa garantia tem menos de 6 cartões"},
                            Caso{5, 32, "Nenhuma redução com essa garantia tem menos de 32 cartões (mínimo comprovado)"}}) {
        const SExecucao reduzir =
            ExecutarCli({"reduzir", m_gerado, saida, "--garantia", std::to_string(caso.garantia), "--tempo", "30"});
        ASSERT_EQ(reduzir.codigo, 0) << reduzir.erros;
        const std::string depois = std::to_string(caso.depois);
        EXPECT_EQ(reduzir.saida, "Cartões: 32 antes, " + depois + " depois\nPreço: 32.00 antes, " + depois +
                                     ".00 depois\n" + caso.piso + "\n");
        const auto original = LerArquivoDeApostas(m_gerado);
        const auto reduzido = LerArquivoDeApostas(saida);
        EXPECT_EQ(reduzido->m_volantes.Quantidade(), caso.depois);
        EXPECT_EQ(reduzido->m_qtde_apostas, caso.depois);
        for (const CVolante resultado : original->m_volantes) {
            int melhor = 0;
            for (const CVolante cartao : reduzido->m_volantes)
                melhor = std::max(melhor, resultado.ContarAcertos(cartao));
            EXPECT_GE(melhor, caso.garantia) << MarcasDoCartao(resultado);
        }
    }
}

TEST_F(Cli, ConferirComPlacaresDados)
{
    ASSERT_EQ(ExecutarCli({"gerar", m_quadro, m_gerado}).codigo, 0);
    const SExecucao conferir = ExecutarCli({"conferir", m_gerado, "1x0 1x0 1x0 1x0 1x0"});
    ASSERT_EQ(conferir.codigo, 0) << conferir.erros;
    const auto linhas = Linhas(conferir.saida);
    ASSERT_EQ(linhas.size(), 6u + 16u + 1u);
    EXPECT_EQ(linhas[0], "Foi encontrado 1 cartão com nenhum acerto");
    EXPECT_EQ(linhas[1], "Foram encontrados 5 cartões com 1 acerto");
    EXPECT_EQ(linhas[2], "Foram encontrados 10 cartões com 2 acertos.");
    EXPECT_EQ(linhas[4], "Foram encontrados 5 cartões com 4 acertos.");
    EXPECT_EQ(linhas[5], "Foi encontrado 1 cartão com 5 acertos.");
    EXPECT_EQ(linhas[6], "O volante 1 tem 5 pontos !!!");
    EXPECT_EQ(linhas[7], "O volante 2 tem 4 pontos !!!");
    EXPECT_EQ(linhas.back(), "Parabéns. Você acertou os 5 resultados !!!!");
}

TEST_F(Cli, ConferirEAnalisarComOArquivoDeResultados)
{
    ASSERT_EQ(ExecutarCli({"gerar", m_quadro, m_gerado}).codigo, 0);
    GravarResultado(1234, k0x0);

    const SExecucao conferir = ExecutarCli({"conferir", m_gerado, "--concurso", "1234"});
    ASSERT_EQ(conferir.codigo, 0) << conferir.erros;
    EXPECT_THAT(conferir.saida, HasSubstr("O volante 32 tem 5 pontos !!!\n"));

    const SExecucao analisar = ExecutarCli({"analisar", m_gerado});
    ASSERT_EQ(analisar.codigo, 0) << analisar.erros;
    EXPECT_EQ(analisar.saida,
              "Concursos;Sem Acerto;1 Acerto;2 acertos;3 acertos;4 acertos;5 acertos\n"
              "1234;1;5;10;10;5;1\n"
              "Total:;1;5;10;10;5;1\n");

    const SExecucao ausente = ExecutarCli({"conferir", m_gerado, "--concurso", "99"});
    EXPECT_EQ(ausente.codigo, 1);
    EXPECT_THAT(ausente.erros, HasSubstr("99"));
}

// Os 32 cartões contra cinco jogos iguais de uma das duas células favoritas: 1, 5, 10, 10,
// 5 e 1 cartões com 0 a 5 acertos; contra 2x2, nenhum acerto.
TEST_F(Cli, AnalisarComRetorno)
{
    ASSERT_EQ(ExecutarCli({"gerar", m_quadro, m_gerado}).codigo, 0);
    GravarResultados({{10, k0x0, {2.00, 20.00, 1000.00}}, {11, k2x2, {5.00, 50.00, 500.00}},
                      {12, k1x0, {1.50, 10.25, 0.0}}});
    struct Caso {
        int valor_da_aposta;
        std::vector<std::string> faixa;
        std::string saida;
    } const casos[] = {
        // "R$ 1,00" x 32 apostas em cada concurso.
        {0, {},
         "Concursos;3 acertos;4 acertos;5 acertos;Premio;Custo;Saldo\n"
         "10;10;5;1;1120.00;32.00;1088.00\n"
         "11;0;0;0;0.00;32.00;-32.00\n"
         "12;10;5;1;66.25;32.00;34.25\n"
         "Total:;20;10;2;1186.25;96.00;1090.25\n"},
        // "R$ 4,00" custa quatro vezes "R$ 1,00", como o "Valor" da tela de apostas.
        {2, {"--de", "11", "--ate", "12"},
         "Concursos;3 acertos;4 acertos;5 acertos;Premio;Custo;Saldo\n"
         "11;0;0;0;0.00;128.00;-128.00\n"
         "12;10;5;1;66.25;128.00;-61.75\n"
         "Total:;10;5;1;66.25;256.00;-189.75\n"},
        {1, {"--de", "12", "--ate", "10"},
         "Concursos;3 acertos;4 acertos;5 acertos;Premio;Custo;Saldo\n"
         "Total:;0;0;0;0.00;0.00;0.00\n"},
    };
    for (const Caso& caso : casos) {
        auto documento = LerArquivoDeApostas(m_gerado);
        documento->m_valor_da_aposta = caso.valor_da_aposta;
        GravarArquivoDeApostas(*documento, m_gerado);
        std::vector<std::string> argumentos{"analisar", m_gerado, "--retorno"};
        argumentos.insert(argumentos.end(), caso.faixa.begin(), caso.faixa.end());
        const SExecucao analisar = ExecutarCli(argumentos);
        ASSERT_EQ(analisar.codigo, 0) << analisar.erros;
        EXPECT_EQ(analisar.saida, caso.saida) << caso.valor_da_aposta;
    }

    const SExecucao relatorio = ExecutarCli({"relatorio", "retorno", m_gerado, "--de", "11"});
    ASSERT_EQ(relatorio.codigo, 0) << relatorio.erros;
    const std::string pagina = LerBytes(relatorio.saida.substr(0, relatorio.saida.size() - 1));
    EXPECT_THAT(pagina, HasSubstr("<td>12</td><td>10</td><td>5</td><td>1</td><td>66,25</td><td>64,00</td>"));
    EXPECT_THAT(pagina, HasSubstr("<td>Total:</td><td>10</td><td>5</td><td>1</td><td>66,25</td><td>128,00</td>"
                                  "<td>-61,75</td>"));
    EXPECT_EQ(pagina.find("<td>10</td><td>10</td>"), std::string::npos);  // o 10 fica fora da faixa

    EXPECT_EQ(ExecutarCli({"analisar", m_gerado, "--retorno", "--ate", "13"}).codigo, 1);
    EXPECT_EQ(ExecutarCli({"relatorio", "retorno"}).codigo, 2);
    EXPECT_EQ(ExecutarCli({"relatorio", "resultados", "--de", "10"}).codigo, 2);
}

TEST_F(Cli, Relatorios)
{
    ASSERT_EQ(ExecutarCli({"gerar", m_quadro, m_gerado}).codigo, 0);
    GravarResultado(7, k1x0);
    struct Caso {
        std::vector<std::string> argumentos;
        std::string arquivo;
        std::string trecho;
    };
    const Caso casos[] = {
        {{"relatorio", "resultados"}, "Varenta.htm", "<td>7</td>"},
        {{"relatorio", "grafico", "32773"}, "VarentaFrequencia.htm", "Time 1 vence"},
        {{"relatorio", "apostas", m_gerado}, "Varenta.htm", "Listagem das Apostas"},
        {{"relatorio", "comprovantes", m_gerado, "--concurso", "7"}, "Varenta.htm", "Concurso : 7</font>"},
        {{"relatorio", "retorno", m_gerado}, "VarentaRetorno.htm", "Retorno da Aposta na Varenta"},
    };
    for (const Caso& caso : casos) {
        const SExecucao execucao = ExecutarCli(caso.argumentos);
        ASSERT_EQ(execucao.codigo, 0) << execucao.erros;
        const std::filesystem::path caminho = execucao.saida.substr(0, execucao.saida.size() - 1);
        EXPECT_EQ(caminho.filename(), caso.arquivo);
        EXPECT_EQ(caminho.parent_path().filename(), "relatorios");
        EXPECT_THAT(LerBytes(caminho), HasSubstr(caso.trecho)) << caso.arquivo;
    }

    EXPECT_EQ(ExecutarCli({"relatorio", "grafico", "1"}).codigo, 1);
    EXPECT_EQ(ExecutarCli({"relatorio", "comprovantes", m_gerado}).codigo, 2);
    EXPECT_EQ(ExecutarCli({"relatorio", "resultados", "--concurso", "3"}).codigo, 2);
    EXPECT_EQ(ExecutarCli({"relatorio", "tabela"}).codigo, 2);
}

// Páginas de um PDF escrito pela QPrinter (um objeto "/Type /Page" por página).
int PaginasDoPdf(const std::string& pdf)
{
    int paginas = 0;
    for (size_t i = pdf.find("/Type /Page\n"); i != std::string::npos; i = pdf.find("/Type /Page\n", i + 1))
        ++paginas;
    return paginas;
}

TEST_F(Cli, ImprimirNumPdfComAsConfiguracoesGravadas)
{
    ASSERT_EQ(ExecutarCli({"gerar", m_quadro, m_gerado}).codigo, 0);
    struct SCaso {
        int tipo;
        int paginas;
    };
    // 32 cartões: um por volante, ou quatro por folha.
    for (const SCaso caso : {SCaso{1, 32}, SCaso{0, 8}, SCaso{3, 8}}) {
        SCOPED_TRACE("tipo " + std::to_string(caso.tipo));
        {
            CConfiguracoesQt configuracoes;
            configuracoes.GravarInteiro("impressao", "tipo", caso.tipo);
        }
        const auto pdf = m_pasta / ("tipo" + std::to_string(caso.tipo) + ".pdf");
        const SExecucao imprimir = ExecutarCli({"imprimir", m_gerado, "--pdf", pdf});
        ASSERT_EQ(imprimir.codigo, 0) << imprimir.erros;
        const std::string bytes = LerBytes(pdf);
        EXPECT_THAT(bytes, StartsWith("%PDF-"));
        EXPECT_EQ(PaginasDoPdf(bytes), caso.paginas);
    }
    const SExecucao sem_fila = ExecutarCli({"imprimir", m_gerado, "--impressora", "fila-que-nao-existe"});
    EXPECT_EQ(sem_fila.codigo, 1);
    EXPECT_THAT(sem_fila.erros, HasSubstr("Impressora não encontrada: fila-que-nao-existe"));
    CConfiguracoesQt configuracoes;
    configuracoes.Armazem().remove("impressao");
}

TEST_F(Cli, ErrosDeUsoEDeEntrada)
{
    struct Caso {
        std::vector<std::string> argumentos;
        int codigo;
        std::string mensagem;
    };
    GravarBytes(m_pasta / "lixo.vrt", "isto não é um arquivo de apostas");
    CVarentaDoc semFavorito;
    semFavorito.OnNewDocument();
    for (auto& jogo : semFavorito.m_celulas)
        jogo[0] = kFavorito;
    semFavorito.m_celulas[2][0] = kAlternativa;
    GravarArquivoDeApostas(semFavorito, m_pasta / "sem-favorito.vrt");
    // Um cartão de duas apostas (1x0 e 2x0 no jogo 1), como um arquivo pode trazer.
    CVarentaDoc dois_placares;
    dois_placares.OnNewDocument();
    CScore dois = *CCartaoCheio::Instancia().Celula(0, k1x0);
    dois.m_time1[2] = 1;
    for (const CScore* primeira : {CCartaoCheio::Instancia().Celula(0, k0x0), static_cast<const CScore*>(&dois)}) {
        CVolante cartao;
        cartao.m_qtde = 5;
        cartao.m_scores[0] = primeira;
        for (int m = 1; m < 5; ++m)
            cartao.m_scores[m] = CCartaoCheio::Instancia().Celula(m, k0x0);
        dois_placares.m_volantes.Adicionar(cartao);
    }
    dois_placares.m_qtde_apostas = 3;
    GravarArquivoDeApostas(dois_placares, m_pasta / "dois-placares.vrt");

    const Caso casos[] = {
        {{}, 2, "Uso:"},
        {{"sortear"}, 2, "comando desconhecido"},
        {{"gerar", m_quadro}, 2, "número errado de argumentos"},
        {{"gerar", m_quadro, m_gerado, "--rapido"}, 2, "opção desconhecida"},
        {{"gerar", m_pasta / "nao-existe.vrt", m_gerado}, 1, "Failed to open document."},
        {{"listar", m_pasta / "lixo.vrt"}, 1, "Unexpected file format."},
        {{"gerar", m_pasta / "sem-favorito.vrt", m_gerado}, 1, "Marque ao menos um favorito no jogo 3"},
        {{"conferir", m_quadro, "1x0 9x9 1x0 1x0 1x0"}, 1, "Placares inválidos"},
        {{"conferir", m_quadro}, 2, "informe os placares"},
        {{"conferir", m_quadro, "--concurso", "doze"}, 1, "inteiro"},
        {{"analisar", m_quadro}, 1, "Erro ao Abrir Arquivo"},
        {{"imprimir", m_quadro}, 2, "informe --pdf SAIDA.pdf ou --impressora NOME"},
        {{"imprimir", m_quadro, "--pdf", "a.pdf", "--impressora", "x"}, 2, "informe --pdf"},
        {{"imprimir", m_quadro, "--pdf", m_pasta / "quadro.pdf"}, 1, "não tem cartões para imprimir"},
        {{"reduzir", m_quadro, m_gerado}, 2, "informe --garantia 3, 4 ou 5"},
        {{"reduzir", m_quadro, m_gerado, "--garantia", "2"}, 2, "a garantia é de 3, 4 ou 5 pontos"},
        {{"reduzir", m_quadro, m_gerado, "--garantia", "4", "--tempo", "-1"}, 2, "--tempo são segundos"},
        {{"reduzir", m_pasta / "dois-placares.vrt", m_gerado, "--garantia", "4"}, 1,
         "O cartão 2 tem mais de um placar num jogo"},
    };
    for (const Caso& caso : casos) {
        const SExecucao execucao = ExecutarCli(caso.argumentos);
        EXPECT_EQ(execucao.codigo, caso.codigo) << caso.mensagem;
        EXPECT_THAT(execucao.erros, HasSubstr(caso.mensagem));
    }
    EXPECT_FALSE(std::filesystem::exists(m_gerado));
}

} // namespace
