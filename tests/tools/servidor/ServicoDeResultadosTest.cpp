// O quinaro-servidor-resultados de verdade no loopback: as páginas byte a byte, as
// conexões (HTTP/1.0, close, prazos, lotação), o login, o arquivo que some ou estraga e
// a carga do ab.
#include "tests/tools/servidor/ServicoIniciado.h"

#include "results/ArquivoDeResultados.h"
#include "results/DataDoResultado.h"
#include "results/RespostaDoServico.h"
#include "results/ValoresDoResultado.h"
#include "tests/support/PastaTemporaria.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <vector>

namespace fs = std::filesystem;
using testing::HasSubstr;
using testing::Not;

namespace {

constexpr int kEsperaMs = 10000;
const QByteArray kUltimo = "/WebService/PegarUltimoConcurso.aspx?tipo=80";
const QByteArray kLogin = "Authorization: Basic " + QByteArray("apostador:s3nh@").toBase64() + "\r\n";
const QByteArray kLoginErrado = "Authorization: Basic " + QByteArray("apostador:chute").toBase64() + "\r\n";

QByteArray Resultado(int concurso)
{
    return "/WebService/PegarResultado.aspx?tipo=80&concurso=" + QByteArray::number(concurso);
}

std::unique_ptr<CResultadoVarenta> Registro(int concurso)
{
    SValoresDoResultado valores;
    valores.concurso = concurso;
    valores.data = DataDoCalendario({2004, 3, 1 + concurso % 28, 0, 0, 0});
    valores.ganhadores = {concurso * 3, concurso, concurso % 2};
    valores.rateios = {12.5 + concurso, 1000.25 * concurso, 0.1 * concurso};
    valores.valor_acumulado = 100.0 + concurso;
    valores.colunas = {concurso % 5, (concurso + 1) % 5, 2, 3, 4, 0, 1, concurso % 5, 4, 4};
    return NovoResultado(valores);
}

void Gravar(const fs::path& arquivo, CListaDeResultados lista)
{
    ASSERT_TRUE(GravarArquivoDeResultados(arquivo, lista));
}

CListaDeResultados DeUmA(int ultimo)
{
    CListaDeResultados lista;
    for (int concurso = 1; concurso <= ultimo; ++concurso)
        lista.push_back(Registro(concurso));
    return lista;
}

QByteArray RespostaDoConcurso(int concurso)
{
    return QByteArray::fromStdString(EscreverRespostaDoResultado(*Registro(concurso)));
}

QByteArray Texto200(const QByteArray& corpo)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
           QByteArray::number(corpo.size()) + "\r\n\r\n" + corpo;
}

class ServicoDeResultados : public testing::Test {
protected:
    void SetUp() override { Gravar(m_arquivo, DeUmA(3)); }

    QStringList Arquivo() const { return {QStringLiteral("--arquivo"), QString::fromStdString(m_arquivo.string())}; }

    CPastaTemporaria m_pasta;
    fs::path m_arquivo = m_pasta / "Varenta.dat";
};

TEST_F(ServicoDeResultados, PaginasByteAByte)
{
    CServicoIniciado servico(Arquivo());
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    const auto texto = [](const QByteArray& estado, const QByteArray& corpo) {
        return "HTTP/1.1 " + estado + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
               QByteArray::number(corpo.size()) + "\r\n\r\n" + corpo;
    };
    const std::pair<QByteArray, QByteArray> casos[] = {
        {kUltimo, Texto200("3\r\n")},
        {Resultado(2), Texto200(RespostaDoConcurso(2))},
        {Resultado(9), Texto200("")},
        {"/WebService/PegarResultado.aspx?tipo=%38%30&concurso=1", Texto200(RespostaDoConcurso(1))},
        {"/WebService/PegarResultado.aspx?tipo=80&concurso=1x", texto("400 Bad Request", "Concurso inválido.\r\n")},
        {"/WebService/PegarResultado.aspx?tipo=80", texto("400 Bad Request", "Concurso inválido.\r\n")},
        {"/WebService/PegarUltimoConcurso.aspx?tipo=81", texto("400 Bad Request", "Tipo inválido.\r\n")},
        {"/WebService/Outra.aspx?tipo=80", texto("404 Not Found", "Página não encontrada.\r\n")},
        {"/", texto("404 Not Found", "Página não encontrada.\r\n")},
    };
    CConexaoCrua conexao(servico.Porta());
    ASSERT_TRUE(conexao.Conectada());
    for (const auto& [alvo, esperada] : casos) {
        SCOPED_TRACE(alvo.toStdString());
        conexao.Mandar(PedidoGet(alvo));
        const auto respostas = conexao.Respostas(1, kEsperaMs);
        ASSERT_EQ(respostas.size(), 1);
        EXPECT_EQ(respostas[0], esperada);
    }
    conexao.Mandar("POST " + kUltimo + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    const auto so_get = conexao.Respostas(1, kEsperaMs);
    ASSERT_EQ(so_get.size(), 1);
    EXPECT_EQ(so_get[0], texto("405 Method Not Allowed", "Só GET.\r\n"));
}

TEST_F(ServicoDeResultados, LoginByteAByte)
{
    CServicoIniciado servico(Arquivo(), {{QStringLiteral("QUINARO_SERVIDOR_USUARIO"), QStringLiteral("apostador")},
                                         {QStringLiteral("QUINARO_SERVIDOR_SENHA"), QStringLiteral("s3nh@")}});
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    CConexaoCrua conexao(servico.Porta());
    conexao.Mandar(PedidoGet(kUltimo) + PedidoGet(kUltimo, kLogin));
    const auto respostas = conexao.Respostas(2, kEsperaMs);
    ASSERT_EQ(respostas.size(), 2);
    EXPECT_EQ(respostas[0], QByteArray("HTTP/1.1 401 Unauthorized\r\nContent-Type: text/plain; charset=utf-8\r\n"
                                       "WWW-Authenticate: Basic realm=\"Quinaro\"\r\nContent-Length: 20\r\n\r\n"
                                       "Login necessário.\r\n"));
    EXPECT_EQ(respostas[1], Texto200("3\r\n"));
}

// Como termina a conexão depois de cada forma de pedido: uma resposta só, e fechada
// quando o HTTP manda.
TEST_F(ServicoDeResultados, ConexaoFechaQuandoOHttpManda)
{
    CServicoIniciado servico(Arquivo());
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    struct SCaso {
        const char* nome;
        QByteArray pedido;
        bool fecha;
        QByteArray campo_da_resposta;  // o campo Connection que a resposta leva
    };
    const SCaso casos[] = {
        {"HTTP/1.0 sem keep-alive", PedidoGet(kUltimo, {}, "HTTP/1.0"), true, "Connection: close\r\n"},
        {"HTTP/1.0 com keep-alive", PedidoGet(kUltimo, "Connection: Keep-Alive\r\n", "HTTP/1.0"), false,
         "Connection: keep-alive\r\n"},
        {"HTTP/1.1 com close", PedidoGet(kUltimo, "Connection: close\r\n"), true, "Connection: close\r\n"},
        {"HTTP/1.1", PedidoGet(kUltimo), false, {}},
        {"pedido que não se lê", "GET /x HTTP/1.1\r\nHost : x\r\n\r\n", true, "Connection: close\r\n"},
        {"HTTP/2.0", "GET / HTTP/2.0\r\n\r\n", true, "Connection: close\r\n"},
        {"corpo que não é lido", "POST " + kUltimo + " HTTP/1.1\r\nContent-Length: 5\r\n\r\nGET /", true,
         "Connection: close\r\n"},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        CConexaoCrua conexao(servico.Porta());
        ASSERT_TRUE(conexao.Conectada());
        conexao.Mandar(caso.pedido);
        const auto respostas = conexao.Respostas(1, kEsperaMs);
        ASSERT_EQ(respostas.size(), 1);
        if (caso.campo_da_resposta.isEmpty())
            EXPECT_THAT(respostas[0].toStdString(), Not(HasSubstr("Connection:")));
        else
            EXPECT_THAT(respostas[0].toStdString(), HasSubstr(caso.campo_da_resposta.toStdString()));
        if (caso.fecha) {
            EXPECT_TRUE(conexao.Fechou(kEsperaMs));
            EXPECT_TRUE(conexao.Sobra().isEmpty()) << conexao.Sobra().toStdString();
        } else {
            // Segue aberta: um segundo pedido na mesma conexão é respondido.
            conexao.Mandar(PedidoGet(kUltimo, "Connection: close\r\n"));
            EXPECT_EQ(conexao.Respostas(1, kEsperaMs).size(), 1);
        }
    }
}

TEST_F(ServicoDeResultados, UpgradeTemUmaSoResposta)
{
    CServicoIniciado servico(Arquivo());
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    const QByteArray pedidos[] = {
        PedidoGet(kUltimo, "Connection: Upgrade\r\nUpgrade: websocket\r\nSec-WebSocket-Version: 13\r\n"
                           "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"),
        PedidoGet(kUltimo, "Connection: Upgrade, HTTP2-Settings\r\nUpgrade: h2c\r\nHTTP2-Settings: AAMAAABkAAQCAAAA\r\n"),
    };
    for (const QByteArray& upgrade : pedidos) {
        CConexaoCrua conexao(servico.Porta());
        // O segundo pedido fecha: tudo o que vier depois da primeira resposta é dele.
        conexao.Mandar(upgrade + PedidoGet(Resultado(1), "Connection: close\r\n"));
        ASSERT_TRUE(conexao.Fechou(kEsperaMs));
        const auto respostas = conexao.Respostas(3, 0);
        ASSERT_EQ(respostas.size(), 2);
        EXPECT_EQ(respostas[0], Texto200("3\r\n"));
        EXPECT_EQ(Corpo(respostas[1]), RespostaDoConcurso(1));
        EXPECT_TRUE(conexao.Sobra().isEmpty());
    }
}

TEST_F(ServicoDeResultados, CabecalhoLentoECortadoNoPrazo)
{
    CServicoIniciado servico(Arquivo() + QStringList{QStringLiteral("--prazo-cabecalho"), QStringLiteral("1")});
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    CConexaoCrua conexao(servico.Porta());
    conexao.Mandar("GET " + kUltimo + " HTTP/1.1\r\n");
    QElapsedTimer relogio;
    relogio.start();
    // Um campo a cada 200 ms, sem nunca terminar: no máximo 10 s de pinga-pinga.
    bool fechou = false;
    for (int campo = 0; campo < 50 && !fechou; ++campo) {
        conexao.Mandar("X-Lento-" + QByteArray::number(campo) + ": a\r\n");
        fechou = conexao.Fechou(200);
    }
    ASSERT_TRUE(fechou);
    EXPECT_GE(relogio.elapsed(), 900);
    const auto respostas = conexao.Respostas(1, 0);
    ASSERT_EQ(respostas.size(), 1);
    EXPECT_EQ(LinhaDeEstado(respostas[0]), "HTTP/1.1 408 Request Timeout");

    // Conexão que não manda nada também é fechada no prazo, sem resposta.
    CConexaoCrua calada(servico.Porta());
    EXPECT_TRUE(calada.Fechou(kEsperaMs));
    EXPECT_TRUE(calada.Sobra().isEmpty());
}

TEST_F(ServicoDeResultados, ConexaoOciosaEFechada)
{
    CServicoIniciado servico(Arquivo() + QStringList{QStringLiteral("--prazo-ocioso"), QStringLiteral("1")});
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    CConexaoCrua conexao(servico.Porta());
    conexao.Mandar(PedidoGet(kUltimo));
    ASSERT_EQ(conexao.Respostas(1, kEsperaMs).size(), 1);
    QElapsedTimer relogio;
    relogio.start();
    EXPECT_TRUE(conexao.Fechou(kEsperaMs));
    EXPECT_GE(relogio.elapsed(), 900);
    EXPECT_TRUE(conexao.Sobra().isEmpty());
}

TEST_F(ServicoDeResultados, AlemDoLimiteDeConexoesResponde503)
{
    CServicoIniciado servico(Arquivo() + QStringList{QStringLiteral("--conexoes"), QStringLiteral("3")});
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    std::vector<std::unique_ptr<CConexaoCrua>> abertas;
    for (int i = 0; i < 3; ++i) {
        abertas.push_back(std::make_unique<CConexaoCrua>(servico.Porta()));
        // Respondida: o serviço já a contou.
        abertas.back()->Mandar(PedidoGet(kUltimo));
        ASSERT_EQ(abertas.back()->Respostas(1, kEsperaMs).size(), 1);
    }
    CConexaoCrua demais(servico.Porta());
    ASSERT_TRUE(demais.Fechou(kEsperaMs));
    const auto recusa = demais.Respostas(1, 0);
    ASSERT_EQ(recusa.size(), 1);
    EXPECT_EQ(LinhaDeEstado(recusa[0]), "HTTP/1.1 503 Service Unavailable");
    EXPECT_THAT(recusa[0].toStdString(), Not(HasSubstr(m_arquivo.string())));
    // As abertas seguem atendidas.
    abertas[0]->Mandar(PedidoGet(Resultado(1)));
    EXPECT_EQ(abertas[0]->Respostas(1, kEsperaMs).value(0), Texto200(RespostaDoConcurso(1)));

    // Uma que fecha devolve a vaga (o serviço vê o fechamento um pouco depois).
    abertas[1]->Mandar(PedidoGet(kUltimo, "Connection: close\r\n"));
    ASSERT_TRUE(abertas[1]->Fechou(kEsperaMs));
    QByteArray estado;
    for (int tentativa = 0; tentativa < 50 && estado != "HTTP/1.1 200 OK"; ++tentativa) {
        CConexaoCrua nova(servico.Porta());
        nova.Mandar(PedidoGet(kUltimo));
        estado = LinhaDeEstado(nova.Respostas(1, kEsperaMs).value(0));
    }
    EXPECT_EQ(estado, "HTTP/1.1 200 OK");
}

// Lotado por conexões que nunca terminam o cabeçalho, um cliente novo toma a vaga da que
// espera há mais tempo, em vez de receber 503.
TEST_F(ServicoDeResultados, CabecalhoSemFimCedeAVagaAoClienteNovo)
{
    CServicoIniciado servico(Arquivo() + QStringList{QStringLiteral("--conexoes"), QStringLiteral("3")});
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    std::vector<std::unique_ptr<CConexaoCrua>> lentas;
    for (int i = 0; i < 3; ++i) {
        lentas.push_back(std::make_unique<CConexaoCrua>(servico.Porta()));
        lentas.back()->Mandar("GET " + kUltimo + " HTTP/1.1\r\nX-Lento: a\r\n");
    }
    // Paradas há mais que CEscutaLimitada::kParadaQueCede.
    QThread::msleep(1500);
    CConexaoCrua nova(servico.Porta());
    nova.Mandar(PedidoGet(kUltimo));
    EXPECT_EQ(nova.Respostas(1, kEsperaMs).value(0), Texto200("3\r\n"));
    int cortadas = 0;
    for (auto& lenta : lentas)
        cortadas += lenta->Fechou(lenta == lentas.front() ? kEsperaMs : 100) ? 1 : 0;
    EXPECT_EQ(cortadas, 1);
    EXPECT_TRUE(lentas.front()->Sobra().isEmpty());
}

TEST_F(ServicoDeResultados, LoginPelaMetadeRecusadoNaPartida)
{
    struct SCaso {
        const char* nome;
        QStringList argumentos;
        std::map<QString, QString> ambiente;
        std::string mensagem;
    };
    const SCaso casos[] = {
        {"--senha sem --usuario", {QStringLiteral("--senha"), QStringLiteral("s3nh@")}, {}, "senha sem usuário"},
        {"senha do ambiente sem usuário", {}, {{QStringLiteral("QUINARO_SERVIDOR_SENHA"), QStringLiteral("s3nh@")}},
         "senha sem usuário"},
        {"usuário sem senha", {QStringLiteral("--usuario"), QStringLiteral("apostador")}, {}, "usuário sem senha"},
        {"usuário com dois-pontos", {QStringLiteral("--usuario=a:b"), QStringLiteral("--senha=c")}, {},
         "não pode ter \":\""},
        {"opção desconhecida", {QStringLiteral("--conexao"), QStringLiteral("3")}, {}, "opção desconhecida: --conexao"},
        {"limite fora da faixa", {QStringLiteral("--conexoes"), QStringLiteral("0")}, {}, "--conexoes inválido"},
        {"prazo que não é número", {QStringLiteral("--prazo-ocioso=1s")}, {}, "--prazo-ocioso inválido"},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        CServicoIniciado servico(Arquivo() + caso.argumentos, caso.ambiente);
        EXPECT_EQ(servico.Porta(), 0);
        EXPECT_EQ(servico.Saida(kEsperaMs), 2);
        EXPECT_THAT(servico.Erros().toStdString(), HasSubstr(caso.mensagem));
        EXPECT_THAT(servico.Erros().toStdString(), HasSubstr("Use --ajuda para ver as opções."));
    }
}

TEST_F(ServicoDeResultados, AjudaEmPortugues)
{
    CServicoIniciado servico({QStringLiteral("--help")});
    EXPECT_EQ(servico.Saida(kEsperaMs), 0);
    const std::string ajuda = servico.SaidaPadrao().toStdString();
    for (const char* trecho : {"Uso: quinaro-servidor-resultados --arquivo ARQUIVO", "Opções:", "--conexoes N",
                               "--prazo-cabecalho S", "--prazo-ocioso S", "mostra esta ajuda",
                               "QUINARO_SERVIDOR_SENHA"})
        EXPECT_THAT(ajuda, HasSubstr(trecho));
    for (const char* ingles : {"Usage", "Options", "Displays", "help on"})
        EXPECT_THAT(ajuda, Not(HasSubstr(ingles)));
}

TEST_F(ServicoDeResultados, LoginsErradosAtrasamSoOEnderecoQueErra)
{
    CServicoIniciado servico(Arquivo(), {{QStringLiteral("QUINARO_SERVIDOR_USUARIO"), QStringLiteral("apostador")},
                                         {QStringLiteral("QUINARO_SERVIDOR_SENHA"), QStringLiteral("s3nh@")}});
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    CConexaoCrua tentando(servico.Porta());
    // O cliente que ainda não mandou login não conta como erro.
    for (int vez = 0; vez < 6; ++vez)
        tentando.Mandar(PedidoGet(kUltimo));
    for (int erro = 0; erro < 5; ++erro)
        tentando.Mandar(PedidoGet(kUltimo, kLoginErrado));
    ASSERT_EQ(tentando.Respostas(11, kEsperaMs).size(), 11);

    QElapsedTimer relogio;
    relogio.start();
    tentando.Mandar(PedidoGet(kUltimo, kLoginErrado));
    ASSERT_EQ(tentando.Respostas(1, kEsperaMs).size(), 1);
    EXPECT_GE(relogio.elapsed(), 950);

    // O sétimo espera mais; enquanto isso, outro endereço é atendido.
    relogio.restart();
    tentando.Mandar(PedidoGet(kUltimo, kLoginErrado));
    CConexaoCrua outro(servico.Porta(), QHostAddress(QStringLiteral("127.0.0.2")));
    ASSERT_TRUE(outro.Conectada());
    outro.Mandar(PedidoGet(kUltimo, kLoginErrado) + PedidoGet(kUltimo, kLogin));
    const auto do_outro = outro.Respostas(2, kEsperaMs);
    ASSERT_EQ(do_outro.size(), 2);
    EXPECT_EQ(LinhaDeEstado(do_outro[0]), "HTTP/1.1 401 Unauthorized");
    EXPECT_EQ(do_outro[1], Texto200("3\r\n"));
    EXPECT_TRUE(tentando.Respostas(1, 0).isEmpty()) << "o sétimo erro foi respondido antes do outro endereço";
    const auto setimo = tentando.Respostas(1, kEsperaMs);
    ASSERT_EQ(setimo.size(), 1);
    EXPECT_GE(relogio.elapsed(), 1950);
    EXPECT_EQ(LinhaDeEstado(setimo[0]), "HTTP/1.1 401 Unauthorized");
}

// O arquivo servido some, estraga ou vira pasta: segue a última cópia boa, com aviso no
// stderr; quando volta, é lido de novo.
TEST_F(ServicoDeResultados, ArquivoIlegivelMantemAUltimaCopia)
{
    const std::pair<const char*, std::function<void(const fs::path&)>> estragos[] = {
        {"apagado", [](const fs::path& arquivo) { fs::remove(arquivo); }},
        {"danificado", [](const fs::path& arquivo) { std::ofstream(arquivo, std::ios::binary | std::ios::trunc) << "lixo"; }},
        {"pasta no lugar", [](const fs::path& arquivo) {
             fs::remove(arquivo);
             fs::create_directory(arquivo);
         }},
    };
    for (const auto& [nome, estragar] : estragos) {
        SCOPED_TRACE(nome);
        fs::remove_all(m_arquivo);
        Gravar(m_arquivo, DeUmA(3));
        CServicoIniciado servico(Arquivo());
        ASSERT_NE(servico.Porta(), 0) << servico.Falha();
        CConexaoCrua conexao(servico.Porta());
        estragar(m_arquivo);
        conexao.Mandar(PedidoGet(kUltimo) + PedidoGet(Resultado(2)));
        const auto respostas = conexao.Respostas(2, kEsperaMs);
        ASSERT_EQ(respostas.size(), 2);
        EXPECT_EQ(respostas[0], Texto200("3\r\n"));
        EXPECT_EQ(respostas[1], Texto200(RespostaDoConcurso(2)));
        const QByteArray aviso = "continua servindo a última cópia lida, com 3 concursos";
        EXPECT_THAT(servico.ErrosCom(aviso, kEsperaMs).toStdString(), HasSubstr(aviso.toStdString()));

        fs::remove_all(m_arquivo);
        Gravar(m_arquivo, DeUmA(4));
        conexao.Mandar(PedidoGet(kUltimo));
        EXPECT_EQ(conexao.Respostas(1, kEsperaMs).value(0), Texto200("4\r\n"));
    }
}

TEST_F(ServicoDeResultados, RegistrosForaDaFaixaNaoSaoPublicados)
{
    CListaDeResultados lista = DeUmA(3);
    lista.push_back(Registro(7));
    lista.back()->m_concurso = 100000;
    lista.push_back(Registro(8));
    lista.back()->m_ganhadores[4] = -1;
    lista.push_back(Registro(9));
    lista.back()->m_rateio[5] = 1e13;
    Gravar(m_arquivo, std::move(lista));
    CServicoIniciado servico(Arquivo());
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    CConexaoCrua conexao(servico.Porta());
    conexao.Mandar(PedidoGet(kUltimo) + PedidoGet(Resultado(100000)) + PedidoGet(Resultado(8)) +
                   PedidoGet(Resultado(9)) + PedidoGet(Resultado(3)));
    const auto respostas = conexao.Respostas(5, kEsperaMs);
    ASSERT_EQ(respostas.size(), 5);
    EXPECT_EQ(respostas[0], Texto200("3\r\n"));
    for (int i : {1, 2, 3})
        EXPECT_EQ(respostas[i], Texto200(""));
    EXPECT_EQ(respostas[4], Texto200(RespostaDoConcurso(3)));
    const std::string erros = servico.ErrosCom("concurso 9 não publicado", kEsperaMs).toStdString();
    EXPECT_THAT(erros, HasSubstr("concurso 100000 não publicado: Concurso fora da faixa"));
    EXPECT_THAT(erros, HasSubstr("concurso 8 não publicado: Ganhadores com 4 acertos fora da faixa"));
    EXPECT_THAT(erros, HasSubstr("concurso 9 não publicado: Rateio de 5 acertos fora da faixa"));
}

// O ab do apache2-utils termina, com e sem keep-alive (HTTP/1.0 nos dois).
TEST_F(ServicoDeResultados, AbTerminaComESemKeepAlive)
{
    const QString ab = QStandardPaths::findExecutable(QStringLiteral("ab"));
    if (ab.isEmpty())
        GTEST_SKIP() << "ab não está instalado (apache2-utils, tools/dependencias.sh)";
    CServicoIniciado servico(Arquivo());
    ASSERT_NE(servico.Porta(), 0) << servico.Falha();
    const QString alvo = QStringLiteral("http://127.0.0.1:%1%2").arg(servico.Porta()).arg(QString::fromLatin1(Resultado(2)));
    const std::pair<QStringList, int> cargas[] = {
        {{QStringLiteral("-k"), QStringLiteral("-c"), QStringLiteral("50"), QStringLiteral("-n"), QStringLiteral("2000")}, 2000},
        {{QStringLiteral("-c"), QStringLiteral("10"), QStringLiteral("-n"), QStringLiteral("500")}, 500},
    };
    for (const auto& [opcoes, pedidos] : cargas) {
        SCOPED_TRACE(opcoes.join(QLatin1Char(' ')).toStdString());
        QProcess processo;
        processo.setProcessChannelMode(QProcess::MergedChannels);
        processo.start(ab, opcoes + QStringList{QStringLiteral("-s"), QStringLiteral("10"), alvo});
        ASSERT_TRUE(processo.waitForFinished(60000)) << "o ab não terminou em 60 s";
        const std::string saida = processo.readAll().toStdString();
        EXPECT_EQ(processo.exitCode(), 0) << saida;
        EXPECT_THAT(saida, HasSubstr("Complete requests:      " + std::to_string(pedidos)));
        EXPECT_THAT(saida, HasSubstr("Failed requests:        0"));
        EXPECT_THAT(saida, Not(HasSubstr("Non-2xx")));
        if (opcoes.contains(QStringLiteral("-k"))) {
            EXPECT_THAT(saida, HasSubstr("Keep-Alive requests:    " + std::to_string(pedidos)));
        }
    }
}

} // namespace
