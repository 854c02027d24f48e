// Leitura e escrita das respostas do serviço de resultados e a divisão dos endereços.
#include "results/DataDoResultado.h"
#include "results/EnderecoDoServico.h"
#include "results/ErroDeInternet.h"
#include "results/RespostaDoServico.h"
#include "results/TextoDaResposta.h"
#include "results/ResumoDaAtualizacao.h"
#include "results/ValoresDoResultado.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

// As colunas dos dois times de cada jogo, na ordem dos jogos.
std::vector<std::array<int, 2>> Colunas(const CResultadoVarenta& resultado)
{
    std::vector<std::array<int, 2>> colunas;
    for (const auto& score : resultado.m_scores)
        colunas.push_back({score->ColunaDoTime1(), score->ColunaDoTime2()});
    return colunas;
}

std::string Linhas(const std::vector<std::string>& linhas)
{
    std::string texto;
    for (size_t i = 0; i < linhas.size(); ++i)
        texto += linhas[i] + (i + 1 < linhas.size() ? "\r\n" : "");
    return texto;
}

const std::vector<std::string> kResposta = {"1234", "15/03/2004", "10 22 +1 00 3+", "0", "5", "2", "850.50", "fim"};

TEST(LerDaResposta, RespostaCompletaSemLerAUltimaLinha)
{
    CResultadoVarenta resultado;
    ASSERT_EQ(resultado.LerDaResposta(Linhas(kResposta)), 1);
    EXPECT_EQ(resultado.m_concurso, 1234);
    EXPECT_EQ(TextoDaData(resultado.m_data), "15/03/2004");
    EXPECT_EQ(resultado.m_acumulado, 0);
    EXPECT_EQ(resultado.m_ganhadores[5], 2);
    EXPECT_EQ(resultado.m_rateio[5], 850.5);
    EXPECT_EQ(Colunas(resultado), (std::vector<std::array<int, 2>>{{1, 0}, {2, 2}, {4, 1}, {0, 0}, {3, 4}}));
    for (const auto& score : resultado.m_scores)
        EXPECT_EQ(score->m_reservado, 0);
}

TEST(LerDaResposta, SemALinhaFinalOUltimoRateioSePerde)
{
    std::vector<std::string> sem_fim(kResposta.begin(), kResposta.end() - 1);
    CResultadoVarenta resultado;
    ASSERT_EQ(resultado.LerDaResposta(Linhas(sem_fim)), 1);
    EXPECT_EQ(resultado.m_ganhadores[5], 2);
    EXPECT_EQ(resultado.m_rateio[5], 0.0);
}

TEST(LerDaResposta, FaixasDeAcertos)
{
    struct SCaso {
        const char* nome;
        std::vector<std::string> grupo;  // acertos, ganhadores, rateio
        int indice;
        int ganhadores;
        double rateio;
    };
    const SCaso casos[] = {
        {"20 vale 0", {"20", "7", "1.5"}, 0, 7, 1.5},
        {"ganhadores truncados", {"3", "152.9", "25.40"}, 3, 152, 25.4},
        {"ganhadores negativos truncados para zero", {"4", "-2.7", "1"}, 4, -2, 1.0},
        {"ganhadores grandes demais ficam no limite", {"4", "99999999999", "1"}, 4, 2147483647, 1.0},
        {"faixa 14 é guardada", {"14", "1", "2"}, 14, 1, 2.0},
    };
    for (const SCaso& caso : casos) {
        std::vector<std::string> linhas = {"7", "01/01/2004", "00 00 00 00 00", "0"};
        linhas.insert(linhas.end(), caso.grupo.begin(), caso.grupo.end());
        linhas.push_back("fim");
        CResultadoVarenta resultado;
        ASSERT_EQ(resultado.LerDaResposta(Linhas(linhas)), 1) << caso.nome;
        EXPECT_EQ(resultado.m_ganhadores[caso.indice], caso.ganhadores) << caso.nome;
        EXPECT_EQ(resultado.m_rateio[caso.indice], caso.rateio) << caso.nome;
    }
}

TEST(LerDaResposta, FaixaForaDe0a14NaoGuardaNada)
{
    CResultadoVarenta resultado;
    ASSERT_EQ(resultado.LerDaResposta(Linhas({"7", "01/01/2004", "", "0", "15", "9", "9", "-1", "8", "8", "fim"})), 1);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(resultado.m_ganhadores[i], 0) << i;
        EXPECT_EQ(resultado.m_rateio[i], 0.0) << i;
    }
}

TEST(LerDaResposta, TextoCurtoDeixaORegistroVazio)
{
    for (const char* texto : {"", "1234", "12\r\n"}) {
        CResultadoVarenta resultado;
        EXPECT_EQ(resultado.LerDaResposta(texto), 0) << texto;
        EXPECT_EQ(resultado.m_concurso, 0) << texto;
        EXPECT_TRUE(resultado.m_scores.empty()) << texto;
    }
}

TEST(LerDaResposta, AcumuladoPositivoLigaOIndicador)
{
    struct SCaso {
        const char* valor;
        double esperado;
        int indicador;
    };
    for (const SCaso& caso : {SCaso{"350000.75", 350000.75, 1}, SCaso{"0.00", 0.0, 0}, SCaso{"-3", -3.0, 0},
                              SCaso{"abc", 0.0, 0}, SCaso{"  12.5xyz", 12.5, 1}}) {
        CResultadoVarenta resultado;
        ASSERT_EQ(resultado.LerDaResposta(Linhas({"9", "01/01/2004", "", caso.valor, "fim"})), 1);
        EXPECT_EQ(resultado.m_valorAcumulado, caso.esperado) << caso.valor;
        EXPECT_EQ(resultado.m_acumulado, caso.indicador) << caso.valor;
    }
}

TEST(LerPlacares, ColunasDosCaracteres)
{
    struct SCaso {
        const char* linha;
        std::vector<std::array<int, 2>> colunas;
    };
    const SCaso casos[] = {
        {"12", {{1, 2}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
        {"10 22 +1 00 3+", {{1, 0}, {2, 2}, {4, 1}, {0, 0}, {3, 4}}},
        // De 5 a 9 gols é a coluna "+"; o que não é algarismo nem "+", coluna 0.
        {"59 67 8x ab 4-", {{4, 4}, {4, 4}, {4, 0}, {0, 0}, {4, 0}}},
        {"", {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    };
    for (const SCaso& caso : casos) {
        CResultadoVarenta resultado;
        resultado.LerPlacares(caso.linha);
        EXPECT_EQ(Colunas(resultado), caso.colunas) << caso.linha;
        for (size_t jogo = 0; jogo < resultado.m_scores.size(); ++jogo)
            EXPECT_EQ(resultado.m_scores[jogo]->m_jogo, int(jogo));
    }
}

TEST(TextoDaResposta, NumerosDoComecoDoTexto)
{
    struct SCaso {
        const char* texto;
        int32_t inteiro;
        double decimal;
    };
    const SCaso casos[] = {
        {"42", 42, 42.0},           {"  -7.25 reais", -7, -7.25}, {"+3", 3, 3.0},   {"abc", 0, 0.0},
        {"", 0, 0.0},               {"12.5.6", 12, 12.5},         {"1e5", 1, 1.0}, {".5", 0, 0.5},
        {"99999999999", 2147483647, 99999999999.0},               {"-99999999999", -2147483647 - 1, -99999999999.0},
    };
    for (const SCaso& caso : casos) {
        EXPECT_EQ(InteiroDoInicio(caso.texto), caso.inteiro) << caso.texto;
        EXPECT_EQ(DecimalDoInicio(caso.texto), caso.decimal) << caso.texto;
    }
}

TEST(TextoDaResposta, DatasNasTresFormas)
{
    const auto regional = [](const std::string& texto) -> std::optional<SDiaEHora> {
        if (texto == "mar 15, 2004")
            return SDiaEHora{2004, 3, 15};
        return std::nullopt;
    };
    struct SCaso {
        const char* texto;
        std::optional<SDiaEHora> momento;  // vazio: inválida
        double invalida = 0.0;             // valor da data inválida
    };
    const SCaso casos[] = {
        {"15/03/2004", SDiaEHora{2004, 3, 15}},
        {"5/3/2004 20:30", SDiaEHora{2004, 3, 5, 20, 30}},
        {"15/03/2004 08:05:09", SDiaEHora{2004, 3, 15, 8, 5, 9}},
        {"2004-03-15", SDiaEHora{2004, 3, 15}},
        {"2004-03-15T21:00:01", SDiaEHora{2004, 3, 15, 21, 0, 1}},
        {"mar 15, 2004", SDiaEHora{2004, 3, 15}},
        {"31/02/2004", std::nullopt, -1.0},
        {"15/03/2004 25:00", std::nullopt, -1.0},
        {"amanhã", std::nullopt, 0.0},
        {"", std::nullopt, 0.0},
    };
    for (const SCaso& caso : casos) {
        const SData data = LerDataDaResposta(caso.texto, regional);
        if (caso.momento) {
            EXPECT_EQ(data.estado, SData::kValida) << caso.texto;
            EXPECT_EQ(CalendarioDaData(data), caso.momento) << caso.texto;
        } else {
            EXPECT_EQ(data.estado, SData::kInvalida) << caso.texto;
            EXPECT_EQ(data.valor, caso.invalida) << caso.texto;
        }
    }
}

TEST(TextoDaResposta, LinhaDeDataLongaNaoEsgotaAPilha)
{
    // Uma linha da rede com um milhão de brancos ou algarismos: antes derrubava o
    // programa por estouro de pilha.
    const std::string brancos(1000000, ' ');
    struct SCaso {
        std::string texto;
        std::optional<SDiaEHora> momento;  // vazio: inválida com valor 0
    };
    const SCaso casos[] = {
        {"15/03/2004" + brancos + "20:30", SDiaEHora{2004, 3, 15, 20, 30}},
        {"15/03/2004" + brancos + "x", std::nullopt},
        {"15/03/" + std::string(1000000, '2'), std::nullopt},
        {"2004-03-15T" + std::string(1000000, '1'), std::nullopt},
    };
    for (const SCaso& caso : casos) {
        const SData data = LerDataDaResposta(caso.texto, FLerDataRegional());
        if (caso.momento) {
            EXPECT_EQ(data.estado, SData::kValida);
            EXPECT_EQ(CalendarioDaData(data), caso.momento);
        } else {
            EXPECT_EQ(data.estado, SData::kInvalida);
            EXPECT_EQ(data.valor, 0.0);
        }
    }
    CResultadoVarenta resultado;
    ASSERT_EQ(resultado.LerDaResposta(Linhas({"7", "01/01/2004" + brancos + "10:00", "00 00 00 00 00", "fim"})), 1);
    EXPECT_EQ(CalendarioDaData(resultado.m_data), (SDiaEHora{2004, 1, 1, 10, 0}));
}

TEST(EnderecoDoServico, DivisaoEmServidorPortaEObjeto)
{
    struct SCaso {
        const char* endereco;
        const char* servidor;
        int porta;
        const char* objeto;
    };
    const SCaso casos[] = {
        {"http://127.0.0.1:8080/WebService/PegarUltimoConcurso.aspx?tipo=80", "127.0.0.1", 8080,
         "/WebService/PegarUltimoConcurso.aspx?tipo=80"},
        {"http://resultados.exemplo/a/b", "resultados.exemplo", 80, "/a/b"},
        {"xxxxxxxservidor", "servidor", 80, "/"},
        {"http://servidor:81", "servidor", 81, "/"},
        {"http://:81/x", ":81", 80, "/x"},  // ":" na primeira posição não separa porta
        {"http:/", "", 80, "/"},
    };
    for (const SCaso& caso : casos) {
        const SEndereco partes = DividirEndereco(caso.endereco);
        EXPECT_EQ(partes.servidor, caso.servidor) << caso.endereco;
        EXPECT_EQ(partes.porta, caso.porta) << caso.endereco;
        EXPECT_EQ(partes.objeto, caso.objeto) << caso.endereco;
    }
    for (const char* invalido : {"http://servidor:0/x", "http://servidor:70000/x", "http://servidor:abc/x"}) {
        try {
            DividirEndereco(invalido);
            ADD_FAILURE() << invalido;
        } catch (const CErroDeInternet& erro) {
            EXPECT_EQ(erro.TipoDoErro(), CErroDeInternet::Tipo::EnderecoInvalido) << invalido;
        }
    }
    EXPECT_EQ(EnderecoDoResultado("h:1", 12), "http://h:1/WebService/PegarResultado.aspx?tipo=80&concurso=12");
}

TEST(EnderecoDoServico, RespostaMontadaLinhaALinha)
{
    struct SCaso {
        std::string corpo;
        std::string resposta;
    };
    const SCaso casos[] = {
        {"1\n2\n3", "1\r\n2\r\n3"},
        {"1\r\n2\r\n3\r\n", "1\r\n2\r\n3"},
        {"\n\n  12 \r\n\t", "12"},
        {"a\r\rb\nc", "ab\r\nc"},
        {"", ""},
    };
    for (const SCaso& caso : casos)
        EXPECT_EQ(MontarResposta(caso.corpo), caso.resposta) << caso.corpo;
}

TEST(RespostaDoServico, EscritaRelidaDaOMesmoRegistro)
{
    SValoresDoResultado valores;
    valores.concurso = 321;
    valores.data = DataDoCalendario({2004, 3, 15, 20, 30, 5});
    valores.ganhadores = {152, 9, 1};
    valores.rateios = {25.4, 2100.0, 0.1 + 0.2};
    valores.valor_acumulado = 350000.75;
    valores.colunas = {1, 0, 2, 2, 4, 1, 0, 0, 3, 4};
    const auto original = NovoResultado(valores);

    const std::string texto = EscreverRespostaDoResultado(*original);
    CResultadoVarenta relido;
    // A resposta passa pela montagem do cliente, como viria da rede.
    ASSERT_EQ(relido.LerDaResposta(MontarResposta(texto)), 1);
    EXPECT_EQ(relido.m_concurso, 321);
    EXPECT_EQ(relido.m_data.estado, SData::kValida);
    EXPECT_EQ(relido.m_data.valor, original->m_data.valor);
    for (int acertos = 3; acertos <= 5; ++acertos) {
        EXPECT_EQ(relido.m_ganhadores[acertos], original->m_ganhadores[acertos]);
        EXPECT_EQ(relido.m_rateio[acertos], original->m_rateio[acertos]);
    }
    EXPECT_EQ(relido.m_valorAcumulado, 350000.75);
    EXPECT_EQ(relido.m_acumulado, 1);
    EXPECT_EQ(Colunas(relido), Colunas(*original));
}

} // namespace

namespace {

std::vector<std::string> LinhasDaResposta(const std::string& texto)
{
    std::vector<std::string> linhas;
    for (size_t inicio = 0, fim; (fim = texto.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2)
        linhas.push_back(texto.substr(inicio, fim - inicio));
    return linhas;
}

// Valores que nenhuma entrada aceita, mas que um arquivo plantado traz: cada um sai
// por inteiro, nunca com bytes que o escritor não escreveu.
TEST(RespostaDoServico, ValoresEnormesENaoNumerosSaemPorEscrito)
{
    CResultadoVarenta resultado;
    resultado.m_concurso = 7;
    resultado.m_valorAcumulado = 1e300;
    resultado.m_rateio[3] = std::numeric_limits<double>::infinity();
    resultado.m_rateio[4] = std::nan("");
    resultado.m_rateio[5] = -std::numeric_limits<double>::max();
    const std::vector<std::string> linhas = LinhasDaResposta(EscreverRespostaDoResultado(resultado));
    ASSERT_EQ(linhas.size(), 14u);
    char enorme[512];
    std::snprintf(enorme, sizeof enorme, "%.0f", 1e300);
    char menor[512];
    std::snprintf(menor, sizeof menor, "%.0f", -std::numeric_limits<double>::max());
    EXPECT_EQ(linhas[3], enorme);
    EXPECT_EQ(linhas[6], "inf");
    EXPECT_EQ(linhas[9], "nan");
    EXPECT_EQ(linhas[12], menor);
    EXPECT_EQ(linhas[13], "fim");
}

// O registro completo: os três grupos guardados e a linha final.
const std::vector<std::string> kCompleta = {"1234", "15/03/2004", "10 22 +1 00 3+", "0",     "3",
                                            "120",  "5.5",        "4",              "7",     "80.25",
                                            "5",    "2",          "850.50",         "fim"};

std::string Defeito(const std::vector<std::string>& linhas)
{
    CResultadoVarenta resultado;
    std::string defeito = "<não preenchido>";
    resultado.LerDaResposta(Linhas(linhas), FLerDataRegional(), &defeito);
    return defeito;
}

std::vector<std::string> Trocada(size_t linha, const std::string& nova)
{
    std::vector<std::string> linhas = kCompleta;
    linhas[linha] = nova;
    return linhas;
}

TEST(LerDaResposta, RegistroCompletoNaoTemDefeito)
{
    EXPECT_EQ(Defeito(kCompleta), "");
    // Grupos em outra ordem e um grupo a mais (2 acertos, não guardado) também servem.
    EXPECT_EQ(Defeito({"7", "01/01/2004", "00 00 00 00 00", "0", "5", "1", "9", "20", "0", "0", "2", "1", "1", "4",
                       "3", "3", "3", "3", "3", "x"}),
              "");
    // O escritor do serviço dá sempre o registro completo, como o cliente o monta.
    SValoresDoResultado valores;
    valores.concurso = 9;
    valores.colunas = {4, 4, 0, 1, 2, 3, 4, 0, 1, 2};
    CResultadoVarenta relido;
    std::string defeito = "<não preenchido>";
    ASSERT_EQ(relido.LerDaResposta(MontarResposta(EscreverRespostaDoResultado(*NovoResultado(valores))),
                                   FLerDataRegional(), &defeito),
              1);
    EXPECT_EQ(defeito, "");
}

TEST(LerDaResposta, DefeitoDeCadaRespostaIncompleta)
{
    std::vector<std::string> sem_fim(kCompleta.begin(), kCompleta.end() - 1);
    struct SCaso {
        std::vector<std::string> linhas;
        std::string defeito;
    };
    const SCaso casos[] = {
        {{"1001", "15/03/2004"}, "sem os placares"},
        {{"1001", "15/03/2004", "10 22 +1 00 3+"}, "sem o valor acumulado"},
        {{"1001", "15/03/2004", "10 22 +1 00 3+", "0"}, "sem os grupos de prêmios"},
        {{"um texto só, sem quebra"}, "tem uma linha só"},
        {sem_fim, "cortada no grupo de 5 acertos"},
        {{kCompleta.begin(), kCompleta.end() - 2}, "cortada no grupo de 5 acertos"},
        {Trocada(0, "x12"), "o número do concurso não é um número"},
        {Trocada(1, "32/01/2004"), "data inválida"},
        {Trocada(1, "ontem"), "data inválida"},
        {Trocada(2, "10 22 +1 00"), "placares incompletos"},
        {Trocada(2, "10 22 +1 00 3"), "placares incompletos"},
        {Trocada(2, "10 22 +1 00 39"), "placares incompletos"},
        {Trocada(2, "10 22 -1 00 33"), "placares incompletos"},
        {Trocada(3, ""), "o valor acumulado não é um número"},
        {Trocada(4, "três"), "o número de acertos de um grupo de prêmios não é um número"},
        {Trocada(5, "-"), "o número de ganhadores não é um número"},
        {Trocada(5, "2147483648"), "Ganhadores com 3 acertos fora da faixa (de 0 a 2147483647): 2147483648"},
        {Trocada(8, "-1"), "Ganhadores com 4 acertos fora da faixa (de 0 a 2147483647): -1"},
        {Trocada(12, "."), "o rateio não é um número"},
        {Trocada(12, std::string(400, '9')), "o rateio não é um número"},  // não cabe num double
        {Trocada(7, "3"), "o grupo de 3 acertos vem repetido"},
        {Trocada(7, "6"), "sem o grupo de 4 acertos"},
    };
    for (const SCaso& caso : casos)
        EXPECT_EQ(Defeito(caso.linhas), caso.defeito) << Linhas(caso.linhas);
    // Um só "2147483647" ainda cabe; ganhadores decimais são truncados, como sempre.
    EXPECT_EQ(Defeito(Trocada(5, "2147483647")), "");
    EXPECT_EQ(Defeito(Trocada(5, "2.9")), "");
    // Texto curto: não é lido, e o defeito diz que veio vazio.
    EXPECT_EQ(Defeito({"12"}), "resposta vazia");
}

TEST(LerDaResposta, DefeitoNaoMudaALeitura)
{
    // O defeito é só informado: o registro é lido como sempre foi.
    std::vector<std::string> sem_fim(kCompleta.begin(), kCompleta.end() - 1);
    CResultadoVarenta resultado;
    std::string defeito;
    ASSERT_EQ(resultado.LerDaResposta(Linhas(sem_fim), FLerDataRegional(), &defeito), 1);
    EXPECT_EQ(defeito, "cortada no grupo de 5 acertos");
    EXPECT_EQ(resultado.m_ganhadores[5], 2);
    EXPECT_EQ(resultado.m_rateio[5], 0.0);
    EXPECT_EQ(resultado.m_ganhadores[4], 7);
    EXPECT_EQ(resultado.m_rateio[4], 80.25);
}

TEST(NumeroDoInicio, DistingueZeroDeNaoNumero)
{
    EXPECT_EQ(NumeroDoInicio("0"), 0.0);
    EXPECT_EQ(NumeroDoInicio(" -12.5xyz"), -12.5);
    EXPECT_EQ(NumeroDoInicio(".5"), 0.5);
    EXPECT_EQ(NumeroDoInicio("abc"), std::nullopt);
    EXPECT_EQ(NumeroDoInicio("-"), std::nullopt);
    EXPECT_EQ(NumeroDoInicio(""), std::nullopt);
    EXPECT_EQ(NumeroDoInicio(std::string(400, '9')), std::nullopt);
    EXPECT_EQ(DecimalDoInicio(std::string(400, '9')), 0.0);
}

TEST(EnderecoDoServico, HttpsEEsquemaNoServidor)
{
    EXPECT_EQ(BaseDoServidor("127.0.0.1:8080"), "http://127.0.0.1:8080");
    EXPECT_EQ(BaseDoServidor(" http://h:1/ "), "http://h:1");
    EXPECT_EQ(BaseDoServidor("HTTPS://h:8443//"), "https://h:8443");
    EXPECT_EQ(EnderecoDoUltimoConcurso("https://r.exemplo"),
              "https://r.exemplo/WebService/PegarUltimoConcurso.aspx?tipo=80");
    EXPECT_EQ(EnderecoDoResultado("https://r.exemplo:8443/", 7),
              "https://r.exemplo:8443/WebService/PegarResultado.aspx?tipo=80&concurso=7");

    const SEndereco https = DividirEndereco("https://r.exemplo/WebService/x?y=1");
    EXPECT_TRUE(https.tls);
    EXPECT_EQ(https.servidor, "r.exemplo");
    EXPECT_EQ(https.porta, 443);
    EXPECT_EQ(https.objeto, "/WebService/x?y=1");
    const SEndereco com_porta = DividirEndereco("HttpS://r.exemplo:8443");
    EXPECT_TRUE(com_porta.tls);
    EXPECT_EQ(com_porta.servidor, "r.exemplo");
    EXPECT_EQ(com_porta.porta, 8443);
    EXPECT_FALSE(DividirEndereco("http://r.exemplo:8443").tls);

    EXPECT_EQ(NomeDoServidor("127.0.0.1:8080"), "127.0.0.1:8080");
    EXPECT_EQ(NomeDoServidor("http://r.exemplo/"), "r.exemplo");
    EXPECT_EQ(NomeDoServidor("https://r.exemplo:443"), "https://r.exemplo");
    EXPECT_EQ(NomeDoServidor("https://r.exemplo:8443"), "https://r.exemplo:8443");
    EXPECT_EQ(NomeDoServidor(" h:99999 "), "h:99999");  // porta inválida: o texto como veio
}

TEST(TextoDaAtualizacao, DizOQueVeio)
{
    SResumoDaAtualizacao resumo;
    EXPECT_EQ(TextoDaAtualizacao(resumo), "Nenhum concurso novo.");
    resumo.novos = 1;
    resumo.primeiro = resumo.ultimo = 7;
    EXPECT_EQ(TextoDaAtualizacao(resumo), "1 concurso novo (o 7).");
    resumo.novos = 3;
    resumo.primeiro = 4;
    resumo.ultimo = 9;
    EXPECT_EQ(TextoDaAtualizacao(resumo), "3 concursos novos (do 4 ao 9).");
    resumo.faltam = 1;
    EXPECT_EQ(TextoDaAtualizacao(resumo), "3 concursos novos (do 4 ao 9). Falta 1 concurso: atualize de novo para buscá-lo.");
    resumo.faltam = 0;
    resumo.interrompida = true;
    EXPECT_EQ(TextoDaAtualizacao(resumo), "Atualização interrompida: 3 concursos novos (do 4 ao 9).");
    resumo.novos = 0;
    EXPECT_EQ(TextoDaAtualizacao(resumo), "Atualização interrompida: nenhum concurso novo.");
}

} // namespace
