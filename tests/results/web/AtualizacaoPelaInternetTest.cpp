// A atualização pela internet contra o serviço de resultados de verdade no loopback, e
// as falhas de rede contra servidores que calam, cortam ou respondem páginas de erro.
#include "tests/support/ServicosEmTeste.h"

#include "results/ArquivoDeResultados.h"
#include "results/BancoDeDados.h"
#include "results/web/ClienteDaInternet.h"
#include "results/DataDoResultado.h"
#include "results/ErroDeInternet.h"
#include "results/ErroDoServico.h"
#include "tests/support/PastaTemporaria.h"
#include "results/ProgressoDaAtualizacao.h"
#include "results/ServicoDeResultados.h"
#include "core/ValoresDeInternet.h"
#include "results/ValoresDoResultado.h"
#include "results/EnderecoDoServico.h"
#include "results/ParadaDaAtualizacao.h"
#include "results/RespostaDoServico.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Marca de quem veio cada registro: o serviço grava 100 + n no acumulado, o arquivo
// local 7000 + n.
constexpr double kDoServico = 100;
constexpr double kGravado = 7000;

std::unique_ptr<CResultadoVarenta> Registro(int concurso, double origem)
{
    SValoresDoResultado valores;
    valores.concurso = concurso;
    valores.data = DataDoCalendario({2004, 1 + concurso % 12, 1 + concurso % 28, concurso % 24, 15, 0});
    valores.ganhadores = {concurso * 3, concurso, concurso % 2};
    valores.rateios = {12.5 + concurso, 1000.25 * concurso, 0.1 * concurso};
    valores.valor_acumulado = origem + concurso;
    valores.colunas = {concurso % 5, (concurso + 1) % 5, 2, 3, 4, 0, 1, concurso % 5, 4, 4};
    // O número vai direto no registro: o arquivo do serviço pode trazer um fora da faixa
    // que NovoResultado recusaria.
    valores.concurso = 1;
    auto registro = NovoResultado(valores);
    registro->m_concurso = concurso;
    return registro;
}

void Gravar(const fs::path& arquivo, const std::vector<int>& concursos, double origem)
{
    CListaDeResultados lista;
    for (int concurso : concursos)
        lista.push_back(Registro(concurso, origem));
    ASSERT_TRUE(GravarArquivoDeResultados(arquivo, lista));
}

std::vector<int> DeUmA(int ultimo)
{
    std::vector<int> concursos;
    for (int n = 1; n <= ultimo; ++n)
        concursos.push_back(n);
    return concursos;
}

// Concurso e origem (acumulado menos o número) de cada registro do arquivo.
std::vector<std::pair<int, double>> Conteudo(const fs::path& arquivo)
{
    CListaDeResultados lista;
    EXPECT_TRUE(LerArquivoDeResultados(arquivo, lista));
    std::vector<std::pair<int, double>> conteudo;
    for (const auto& registro : lista)
        conteudo.emplace_back(registro->m_concurso, registro->m_valorAcumulado - registro->m_concurso);
    return conteudo;
}

class CValoresEmMemoria : public IValoresDeInternet {
public:
    std::string LerValorInternet(const std::string& nome) const override
    {
        const auto valor = m_valores.find(nome);
        return valor == m_valores.end() ? std::string() : valor->second;
    }
    void GravarValorInternet(const std::string& nome, const std::string& valor) override { m_valores[nome] = valor; }

private:
    std::map<std::string, std::string> m_valores;
};

// O cliente de verdade, anotando o objeto de cada pedido (o que vem depois do servidor).
class CPaginasAnotadas : public IPaginasDaInternet {
public:
    explicit CPaginasAnotadas(IPaginasDaInternet& real) : m_real(real) {}
    std::string BaixarPagina(const std::string& endereco) override
    {
        const auto consulta = endereco.find('?');
        m_pedidos.push_back(consulta == std::string::npos ? endereco : endereco.substr(consulta + 1));
        return m_real.BaixarPagina(endereco);
    }
    std::vector<std::string> m_pedidos;

private:
    IPaginasDaInternet& m_real;
};

class CProgressoAnotado : public IProgressoDaAtualizacao {
public:
    void Mostrar() override { m_mostrado = true; }
    void DefinirUltimo(int ultimo) override { m_ultimo = ultimo; }
    void MostrarConcurso(int n) override
    {
        m_posicoes.push_back(n);
        if (m_ao_mostrar)
            m_ao_mostrar(n);
    }
    void BombearMensagens() override {}
    bool m_mostrado = false;
    int m_ultimo = -1;
    std::vector<int> m_posicoes;
    std::function<void(int)> m_ao_mostrar;
};

std::vector<std::string> Pedidos(const std::vector<int>& concursos)
{
    std::vector<std::string> pedidos = {"tipo=80"};
    for (int concurso : concursos)
        pedidos.push_back("tipo=80&concurso=" + std::to_string(concurso));
    return pedidos;
}

// O concurso pedido em "GET /WebService/PegarResultado.aspx?tipo=80&concurso=N HTTP/1.1".
int ConcursoDoPedido(const QByteArray& linha)
{
    const QByteArray alvo = linha.split(' ').value(1);
    const qsizetype consulta = alvo.indexOf('?');
    if (consulta < 0)
        return -1;
    bool ok = false;
    const int concurso = QUrlQuery(QString::fromLatin1(alvo.mid(consulta + 1)))
                             .queryItemValue(QStringLiteral("concurso"))
                             .toInt(&ok);
    return ok ? concurso : -1;
}

QByteArray Http(int codigo, const QByteArray& corpo, const QByteArray& cabecalhos = {})
{
    return "HTTP/1.1 " + QByteArray::number(codigo) + " Teste\r\nContent-Type: text/plain\r\nContent-Length: " +
           QByteArray::number(corpo.size()) + "\r\n" + cabecalhos + "\r\n" + corpo;
}

// A resposta certa do serviço para o concurso (a mesma do Registro(n, kDoServico)).
QByteArray RespostaCerta(int concurso)
{
    return QByteArray::fromStdString(EscreverRespostaDoResultado(*Registro(concurso, kDoServico)));
}

// Servidor hostil: o último é `ultimo` e cada concurso recebe o que `corpo` devolve (com
// 200 e o tamanho certo), ou os bytes crus de `bruto` quando ele é dado.
using FCorpo = std::function<QByteArray(int concurso)>;
CServidorRoteirizado::FReacao Roteiro(int ultimo, FCorpo corpo)
{
    return [ultimo, corpo](QTcpSocket& conexao, const QByteArray& linha) {
        if (linha.contains("PegarUltimoConcurso.aspx"))
            conexao.write(Http(200, QByteArray::number(ultimo) + "\r\n"));
        else
            conexao.write(Http(200, corpo(ConcursoDoPedido(linha))));
    };
}

// Os bytes crus (linha de estado, cabeçalhos e corpo) para o concurso `alvo`; os outros, a
// resposta certa. Depois dos bytes crus a conexão fecha.
CServidorRoteirizado::FReacao RoteiroBruto(int ultimo, int alvo, QByteArray bruto)
{
    return [ultimo, alvo, bruto](QTcpSocket& conexao, const QByteArray& linha) {
        if (linha.contains("PegarUltimoConcurso.aspx")) {
            conexao.write(Http(200, QByteArray::number(ultimo) + "\r\n"));
            return;
        }
        const int concurso = ConcursoDoPedido(linha);
        if (concurso != alvo) {
            conexao.write(Http(200, RespostaCerta(concurso)));
            return;
        }
        conexao.write(bruto);
        conexao.flush();
        conexao.disconnectFromHost();
    };
}

class AtualizacaoPelaInternet : public testing::Test {
protected:
    // Sem pausa e com tempo limite curto: os testes não esperam à toa.
    SOpcoesDoCliente m_opcoes{0ms, 2000ms};
    SOpcoesDaAtualizacao m_opcoes_da_atualizacao;
    CValoresEmMemoria m_valores;
    CPastaTemporaria m_pasta;
    fs::path m_servido = m_pasta / "servido.dat";
    fs::path m_local = m_pasta / "resultados" / "Varenta.dat";
    CProgressoAnotado m_progresso;

    void SetUp() override { fs::create_directories(m_local.parent_path()); }

    SResumoDaAtualizacao Atualizar(const std::string& servidor, std::vector<std::string>* pedidos = nullptr)
    {
        CClienteDaInternet cliente(m_valores, m_opcoes);
        CPaginasAnotadas anotadas(cliente);
        CServicoDeResultados servico(anotadas, servidor);
        const auto registrar = [&] {
            if (pedidos)
                *pedidos = anotadas.m_pedidos;
        };
        try {
            const SResumoDaAtualizacao resumo =
                CBancoDeDados::AtualizarPelaInternet(m_local, servico, m_progresso, m_opcoes_da_atualizacao);
            registrar();
            return resumo;
        } catch (...) {
            registrar();
            throw;
        }
    }

    // A falha esperada, com o arquivo local como estava.
    template <typename Erro>
    std::optional<Erro> FalhaSemMexerNoArquivo(const std::string& servidor)
    {
        const std::string antes = fs::exists(m_local) ? LerBytes(m_local) : std::string("<nenhum>");
        try {
            Atualizar(servidor);
        } catch (const Erro& erro) {
            EXPECT_EQ(fs::exists(m_local) ? LerBytes(m_local) : std::string("<nenhum>"), antes);
            return erro;
        } catch (const std::exception& outro) {
            ADD_FAILURE() << "outro erro: " << outro.what();
            return std::nullopt;
        }
        ADD_FAILURE() << "a atualização não falhou";
        return std::nullopt;
    }
};

TEST_F(AtualizacaoPelaInternet, PedidosEArquivoDeCadaSituacao)
{
    struct SCaso {
        const char* nome;
        std::vector<int> gravados;  // vazio: sem arquivo local
        int ultimo;                 // o serviço tem de 1 ao último
        std::vector<int> pedidos;   // concursos pedidos depois do último
        std::vector<std::pair<int, double>> arquivo;
    };
    const SCaso casos[] = {
        {"primeira atualização, sem arquivo", {}, 3, {1, 2, 3}, {{1, kDoServico}, {2, kDoServico}, {3, kDoServico}}},
        {"em dia: só o último de novo; vale o gravado", {1, 2, 3}, 3, {3}, {{1, kGravado}, {2, kGravado}, {3, kGravado}}},
        {"lacunas e cauda", {1, 4}, 5, {2, 3, 4, 5},
         {{1, kGravado}, {2, kDoServico}, {3, kDoServico}, {4, kGravado}, {5, kDoServico}}},
        {"gravado acima do último depois de lacuna fica no arquivo", {1, 9}, 5, {1, 2, 3, 4, 5},
         {{1, kGravado}, {2, kDoServico}, {3, kDoServico}, {4, kDoServico}, {5, kDoServico}, {9, kGravado}}},
        {"gravado acima do último sem lacuna fica", {1, 2, 3}, 2, {}, {{1, kGravado}, {2, kGravado}, {3, kGravado}}},
        {"lacuna no começo", {2, 3}, 3, {1, 3}, {{1, kDoServico}, {2, kGravado}, {3, kGravado}}},
        {"lacuna e gravado acima do último", {1, 3, 9}, 5, {2, 3, 4, 5},
         {{1, kGravado}, {2, kDoServico}, {3, kGravado}, {4, kDoServico}, {5, kDoServico}, {9, kGravado}}},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        fs::remove(m_local);
        if (!caso.gravados.empty())
            Gravar(m_local, caso.gravados, kGravado);
        Gravar(m_servido, DeUmA(caso.ultimo), kDoServico);
        CServicoEmTeste servico(m_servido);
        ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
        std::vector<std::string> pedidos;
        ASSERT_TRUE(Atualizar(servico.Servidor(), &pedidos).gravado);
        EXPECT_EQ(pedidos, Pedidos(caso.pedidos));
        EXPECT_EQ(Conteudo(m_local), caso.arquivo);
    }
}

TEST_F(AtualizacaoPelaInternet, ProgressoMostraCadaConcursoPedido)
{
    Gravar(m_servido, DeUmA(3), kDoServico);
    CServicoEmTeste servico(m_servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    ASSERT_TRUE(Atualizar(servico.Servidor()).gravado);
    EXPECT_TRUE(m_progresso.m_mostrado);
    EXPECT_EQ(m_progresso.m_ultimo, 3);
    // Depois de pedir k, a posição é k + 1 (o diálogo mostra k).
    EXPECT_EQ(m_progresso.m_posicoes, (std::vector<int>{2, 3, 4}));
}

TEST_F(AtualizacaoPelaInternet, IdaEVoltaDaOsMesmosRegistros)
{
    // Concursos com lacunas no serviço, datas com hora e valores quebrados.
    std::vector<int> concursos = DeUmA(40);
    std::erase_if(concursos, [](int n) { return n % 7 == 0; });
    Gravar(m_servido, concursos, kDoServico);
    CServicoEmTeste servico(m_servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    ASSERT_TRUE(Atualizar(servico.Servidor()).gravado);
    EXPECT_EQ(LerBytes(m_local), LerBytes(m_servido));
}

TEST_F(AtualizacaoPelaInternet, UltimoConcursoInvalidoNaoMexeNoArquivo)
{
    // Arquivo do serviço vazio: último 0.
    Gravar(m_local, {1, 2}, kGravado);
    Gravar(m_servido, {}, kDoServico);
    CServicoEmTeste servico(m_servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    FalhaSemMexerNoArquivo<CErroDoServico>(servico.Servidor());
    // O nosso serviço não publica concurso fora da faixa: só um servidor de teste anuncia 100000.
    CServidorRoteirizado alem_da_faixa(CServidorRoteirizado::Responder(200, "100000\r\n"));
    FalhaSemMexerNoArquivo<CErroDoServico>(alem_da_faixa.Servidor());
}

TEST_F(AtualizacaoPelaInternet, ArquivoLocalDanificadoTerminaSemGravar)
{
    Gravar(m_servido, DeUmA(2), kDoServico);
    GravarBytes(m_local, std::string("\x01\x00\xff", 3));
    CServicoEmTeste servico(m_servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    const auto erro = FalhaSemMexerNoArquivo<CErroDoUsuario>(servico.Servidor());
    ASSERT_TRUE(erro);
    EXPECT_NE(std::string(erro->what()).find(m_local.filename().string()), std::string::npos) << erro->what();
}

TEST_F(AtualizacaoPelaInternet, ServicoRelendoOArquivoQuandoEleMuda)
{
    Gravar(m_servido, DeUmA(2), kDoServico);
    CServicoEmTeste servico(m_servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    ASSERT_TRUE(Atualizar(servico.Servidor()).gravado);
    // Um concurso a mais (o tamanho muda, então a releitura não depende do relógio).
    Gravar(m_servido, DeUmA(3), kDoServico);
    std::vector<std::string> pedidos;
    ASSERT_TRUE(Atualizar(servico.Servidor(), &pedidos).gravado);
    EXPECT_EQ(pedidos, Pedidos({2, 3}));
    EXPECT_EQ(LerBytes(m_local), LerBytes(m_servido));
}

TEST_F(AtualizacaoPelaInternet, FalhasDeRedeTerminamSemMexerNoArquivo)
{
    const QByteArray ultimo = "/WebService/PegarUltimoConcurso.aspx";
    const QByteArray resultado = "/WebService/PegarResultado.aspx";
    using S = CServidorRoteirizado;
    using T = CErroDeInternet::Tipo;
    const QByteArray chunked = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nTransfer-Encoding: chunked\r\n\r\n";
    struct SCaso {
        const char* nome;
        S::FReacao reacao;
        CErroDeInternet::Tipo tipo;
        const char* na_mensagem;
    };
    const SCaso casos[] = {
        {"servidor que cala", S::Calar(), T::TempoEsgotado, "não respondeu em 0.3 segundos"},
        {"cala depois do último", S::PorCaminho({{ultimo, S::Responder(200, "3\r\n")}, {resultado, S::Calar()}}),
         T::TempoEsgotado, "não respondeu"},
        {"corpo menor que o Content-Length",
         RoteiroBruto(3, 2, "HTTP/1.1 200 OK\r\nContent-Length: 400\r\n\r\n2\r\n15/03/2004\r\n"), T::Conexao,
         "fechou a conexão antes do fim da resposta"},
        {"corta o último", S::Cortar("3", 40), T::Conexao, "fechou a conexão"},
        {"fecha depois dos cabeçalhos", RoteiroBruto(3, 1, "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n"),
         T::Conexao, "fechou a conexão"},
        {"pedaço (chunk) com tamanho que não é hexadecimal",
         RoteiroBruto(3, 2, chunked + "zz\r\n" + RespostaCerta(2) + "\r\n0\r\n\r\n"), T::Conexao, "mal formada"},
        {"pedaço (chunk) de tamanho negativo",
         RoteiroBruto(3, 2, chunked + "-5\r\n" + RespostaCerta(2) + "\r\n0\r\n\r\n"), T::Conexao, ""},
        {"resposta maior que 1 MB",
         S::PorCaminho({{ultimo, S::Responder(200, "3\r\n")}, {resultado, S::Responder(200, QByteArray(1100000, 'x'))}}),
         T::RespostaGrande, "passou de 1024 KB"},
        {"401 no último", S::Responder(401, "Login necessário.\r\n"), T::CodigoHttp,
         "respondeu 401: Usuário ou senha recusados. Confira o usuário e a senha do servidor de resultados em "
         "Configurar Acesso à Internet."},
        {"404 num concurso",
         S::PorCaminho({{ultimo, S::Responder(200, "3\r\n")},
                        {resultado, S::Responder(404, "<html>\r\n<body>404</body>\r\n</html>\r\n")}}),
         T::CodigoHttp, "respondeu 404: Página não encontrada. Confira o servidor em Configurar Acesso à Internet."},
        {"500 com um resultado inteiro no corpo", RoteiroBruto(3, 2, Http(500, RespostaCerta(2))), T::CodigoHttp,
         "respondeu 500: Erro no servidor. Tente de novo mais tarde."},
        {"redirecionamento para outro servidor com login",
         RoteiroBruto(3, 2, Http(302, "", "Location: http://127.0.0.2:1/WebService/PegarResultado.aspx\r\n")),
         T::CodigoHttp, "respondeu 302"},
    };
    m_opcoes.tempo_limite = 300ms;
    m_valores.GravarValorInternet(kServicoUser, "apostador");
    m_valores.GravarValorInternet(kServicoPassword, "segredo-que-nao-sai");
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Gravar(m_local, {1}, kGravado);
        CServidorRoteirizado servidor(caso.reacao);
        const auto erro = FalhaSemMexerNoArquivo<CErroDeInternet>(servidor.Servidor());
        ASSERT_TRUE(erro);
        EXPECT_EQ(erro->TipoDoErro(), caso.tipo) << erro->what();
        const std::string mensagem = erro->what();
        EXPECT_EQ(mensagem.rfind("O servidor de resultados " + servidor.Servidor() + " ", 0) == 0 ||
                      mensagem.rfind("A resposta do servidor de resultados " + servidor.Servidor() + " ", 0) == 0,
                  true)
            << mensagem;
        EXPECT_NE(mensagem.find(caso.na_mensagem), std::string::npos) << mensagem;
        EXPECT_EQ(mensagem.find("segredo-que-nao-sai"), std::string::npos) << mensagem;
    }
}

TEST_F(AtualizacaoPelaInternet, ConexaoRecusadaNomeiaOServidorEOQueConferir)
{
    Gravar(m_local, {1}, kGravado);
    const std::string servidor = "127.0.0.1:" + std::to_string(PortaLivre());
    const auto erro = FalhaSemMexerNoArquivo<CErroDeInternet>(servidor);
    ASSERT_TRUE(erro);
    EXPECT_EQ(erro->TipoDoErro(), CErroDeInternet::Tipo::Conexao);
    EXPECT_STREQ(erro->what(), ("O servidor de resultados " + servidor +
                                " recusou a conexão. Confira o servidor em Configurar Acesso à Internet.")
                                   .c_str());
}

// Respostas 200 que não são o registro completo do concurso pedido: a atualização termina
// com o concurso na mensagem e o arquivo fica byte a byte como estava (e legível).
TEST_F(AtualizacaoPelaInternet, RespostaQueNaoEORegistroCompletoDoPedidoTerminaSemMexerNoArquivo)
{
    // Linhas da resposta certa: 0 concurso, 1 data, 2 placares, 3 acumulado, 4-6 o grupo de
    // 3 acertos, 7-9 o de 4, 10-12 o de 5, 13 "fim".
    const auto sem_linhas_finais = [](int concurso, int quantas) {
        QList<QByteArray> linhas = RespostaCerta(concurso).split('\n');
        linhas.removeLast();  // o vazio depois do último "\n"
        for (int i = 0; i < quantas; ++i)
            linhas.removeLast();
        return linhas.join('\n') + '\n';
    };
    const auto trocar_linha = [](int concurso, int linha, const QByteArray& nova) {
        QList<QByteArray> linhas = RespostaCerta(concurso).split('\n');
        linhas[linha] = nova + '\r';
        return linhas.join('\n');
    };
    struct SCaso {
        const char* nome;
        std::vector<int> gravados;
        int ultimo;
        int alvo;
        QByteArray bruto;  // a resposta HTTP inteira para o alvo
        std::string motivo;
    };
    const SCaso casos[] = {
        {"resposta de outro concurso numa lacuna", {1, 5}, 5, 2, Http(200, RespostaCerta(5)), "é do concurso 5"},
        {"só o número e a data", DeUmA(1000), 1001, 1001, Http(200, "1001\r\n15/03/2004\r\n"),
         "não é um resultado completo (sem os placares)"},
        {"cortada antes da linha final", {1}, 3, 2, Http(200, sem_linhas_finais(2, 1)),
         "não é um resultado completo (cortada no grupo de 5 acertos)"},
        {"conexão fechada no meio do registro, sem Content-Length", {1}, 3, 2,
         "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n" + sem_linhas_finais(2, 10),
         "sem os grupos de prêmios"},
        {"gol que a leitura não conhece", {1}, 3, 2, Http(200, trocar_linha(2, 2, "10 22 +1 00 3x")),
         "(placares incompletos)"},
        {"placares de dois jogos", {1}, 3, 2, Http(200, trocar_linha(2, 2, "10 22")), "(placares incompletos)"},
        {"placares de 5 gols", {1}, 3, 2, Http(200, trocar_linha(2, 2, "10 22 51 00 33")), "(placares incompletos)"},
        {"data que não existe", {1}, 3, 2, Http(200, trocar_linha(2, 1, "31/02/2004")), "(data inválida)"},
        {"valor acumulado que não é número", {1}, 3, 2, Http(200, trocar_linha(2, 3, "muito")),
         "(o valor acumulado não é um número)"},
        {"valor acumulado fora da faixa", {1}, 3, 2, Http(200, trocar_linha(2, 3, "10000000000000")),
         "Valor acumulado fora da faixa (de 0 a menos de 10000000000000): 10000000000000.00"},
        {"ganhadores acima de 32 bits", {1}, 3, 2, Http(200, trocar_linha(2, 5, "3000000000")),
         "Ganhadores com 3 acertos fora da faixa (de 0 a 2147483647): 3000000000)"},
        {"rateio negativo", {1}, 3, 2, Http(200, trocar_linha(2, 9, "-5")), "Rateio de 4 acertos fora da faixa"},
        {"sem o grupo de 4 acertos", {1}, 3, 2, Http(200, trocar_linha(2, 7, "2")), "(sem o grupo de 4 acertos)"},
        {"grupo repetido", {1}, 3, 2, Http(200, trocar_linha(2, 7, "3")), "(o grupo de 3 acertos vem repetido)"},
        {"número do concurso que não é número", {1}, 3, 2, Http(200, trocar_linha(2, 0, "abc")),
         "(o número do concurso não é um número)"},
        {"página HTML com 200", {1}, 3, 2, Http(200, "<html><body>Bem-vindo!</body></html>"), "(tem uma linha só)"},
    };
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        fs::remove(m_local);
        Gravar(m_local, caso.gravados, kGravado);
        CServidorRoteirizado servidor(RoteiroBruto(caso.ultimo, caso.alvo, caso.bruto));
        const auto erro = FalhaSemMexerNoArquivo<CErroDoServico>(servidor.Servidor());
        ASSERT_TRUE(erro);
        const std::string mensagem = erro->what();
        EXPECT_EQ(mensagem.rfind("A resposta do servidor de resultados " + servidor.Servidor() + " para o concurso " +
                                     std::to_string(caso.alvo) + " não serve: ",
                                 0),
                  0u)
            << mensagem;
        EXPECT_NE(mensagem.find(caso.motivo), std::string::npos) << mensagem;
        EXPECT_NE(mensagem.find("Nada foi gravado."), std::string::npos) << mensagem;
        // O arquivo continua legível por todos os comandos.
        CListaDeResultados lidos;
        EXPECT_TRUE(LerArquivoDeResultados(m_local, lidos));
        EXPECT_EQ(lidos.size(), caso.gravados.size());
    }
}

// Em pedaços e fechada no meio do registro (no fim de um pedaço, sem o pedaço final, ou no
// meio de um pedaço): o Qt às vezes vê a conexão fechada antes do fim, às vezes entrega o
// que veio, e então o registro está incompleto; nos dois casos não é resposta.
TEST_F(AtualizacaoPelaInternet, CorpoEmPedacosFechadoNoMeioDoRegistro)
{
    const QByteArray inicio = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nTransfer-Encoding: chunked\r\n\r\n";
    const QByteArray metade = RespostaCerta(2).split('\n').mid(0, 4).join('\n') + '\n';
    const QByteArray cortes[] = {
        inicio + QByteArray::number(metade.size(), 16) + "\r\n" + metade + "\r\n",
        inicio + "400\r\n" + RespostaCerta(2).left(30),
    };
    for (const QByteArray& corte : cortes) {
        for (int vez = 0; vez < 5; ++vez) {
            Gravar(m_local, {1}, kGravado);
            CServidorRoteirizado servidor(RoteiroBruto(3, 2, corte));
            const auto erro = FalhaSemMexerNoArquivo<CErroDoUsuario>(servidor.Servidor());
            ASSERT_TRUE(erro);
            EXPECT_NE(std::string(erro->what()).find("servidor de resultados " + servidor.Servidor()),
                      std::string::npos)
                << erro->what();
        }
    }
}

TEST_F(AtualizacaoPelaInternet, RespostaVaziaOuCurtaAindaEPulada)
{
    Gravar(m_local, {1}, kGravado);
    for (const QByteArray& curta : {QByteArray(), QByteArray("oi\r\n"), QByteArray("  \r\n\r\n")}) {
        SCOPED_TRACE(curta.toStdString());
        fs::remove(m_local);
        Gravar(m_local, {1}, kGravado);
        CServidorRoteirizado servidor(RoteiroBruto(3, 2, Http(200, curta)));
        const SResumoDaAtualizacao resumo = Atualizar(servidor.Servidor());
        EXPECT_TRUE(resumo.gravado);
        EXPECT_EQ(Conteudo(m_local), (std::vector<std::pair<int, double>>{{1, kGravado}, {3, kDoServico}}));
        EXPECT_EQ(TextoDaAtualizacao(resumo), "1 concurso novo (o 3).");
    }
}

TEST_F(AtualizacaoPelaInternet, ResumoDizQuantosConcursosNovos)
{
    Gravar(m_servido, {1, 2, 3, 5, 6}, kDoServico);
    Gravar(m_local, {2}, kGravado);
    CServicoEmTeste servico(m_servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    const SResumoDaAtualizacao resumo = Atualizar(servico.Servidor());
    EXPECT_TRUE(resumo.gravado);
    EXPECT_EQ(resumo.novos, 4);
    EXPECT_EQ(TextoDaAtualizacao(resumo), "4 concursos novos (do 1 ao 6).");

    // Em dia: nada novo, e o arquivo não é regravado.
    const auto antes = fs::last_write_time(m_local);
    const std::string bytes = LerBytes(m_local);
    const SResumoDaAtualizacao de_novo = Atualizar(servico.Servidor());
    EXPECT_EQ(TextoDaAtualizacao(de_novo), "Nenhum concurso novo.");
    EXPECT_EQ(LerBytes(m_local), bytes);
    EXPECT_EQ(fs::last_write_time(m_local), antes);
}

// Um servidor que diz que o último é 99999 não vira horas de pedidos.
TEST_F(AtualizacaoPelaInternet, NoMaximo2000ConcursosPorVez)
{
    EXPECT_EQ(SOpcoesDaAtualizacao().mais_concursos, 2000);
    CServidorRoteirizado servidor(Roteiro(99999, RespostaCerta));

    m_opcoes_da_atualizacao.mais_concursos = 5;
    Gravar(m_local, {2}, kGravado);
    std::vector<std::string> pedidos;
    SResumoDaAtualizacao resumo = Atualizar(servidor.Servidor(), &pedidos);
    // A lacuna 1, e a cauda desde o 2 gravado (pedido de novo, como sempre).
    EXPECT_EQ(pedidos, Pedidos({1, 2, 3, 4, 5}));
    EXPECT_EQ(Conteudo(m_local), (std::vector<std::pair<int, double>>{
                                     {1, kDoServico}, {2, kGravado}, {3, kDoServico}, {4, kDoServico}, {5, kDoServico}}));
    EXPECT_EQ(resumo.faltam, 99999 - 5);
    EXPECT_EQ(TextoDaAtualizacao(resumo),
              "4 concursos novos (do 1 ao 5). Faltam 99994 concursos: atualize de novo para buscá-los.");
    // A próxima continua de onde parou.
    resumo = Atualizar(servidor.Servidor(), &pedidos);
    EXPECT_EQ(pedidos, Pedidos({5, 6, 7, 8, 9}));
    EXPECT_EQ(resumo.novos, 4);
    EXPECT_EQ(resumo.faltam, 99999 - 9);

    // O limite de verdade: 2000 pedidos de concurso e o resto para depois.
    m_opcoes_da_atualizacao = {};
    fs::remove(m_local);
    resumo = Atualizar(servidor.Servidor(), &pedidos);
    EXPECT_EQ(pedidos.size(), 2001u);
    EXPECT_EQ(resumo.novos, 2000);
    EXPECT_EQ(resumo.faltam, 99999 - 2000);
    EXPECT_EQ(TextoDaAtualizacao(resumo),
              "2000 concursos novos (do 1 ao 2000). Faltam 97999 concursos: atualize de novo para buscá-los.");
    EXPECT_EQ(Conteudo(m_local).size(), 2000u);
    // O progresso vai até o último concurso pedido nesta vez.
    EXPECT_EQ(m_progresso.m_ultimo, 2000);
}

TEST_F(AtualizacaoPelaInternet, PararGuardaOsCompletosQueJaVieram)
{
    CParadaDaAtualizacao parada;
    m_opcoes.parada = &parada;
    m_opcoes_da_atualizacao.parada = &parada;
    Gravar(m_local, {1}, kGravado);

    // Entre dois concursos: pedida depois de o 4 chegar.
    {
        CServidorRoteirizado servidor(Roteiro(50, RespostaCerta));
        m_progresso.m_ao_mostrar = [&](int n) {
            if (n == 5)
                parada.Pedir();
        };
        std::vector<std::string> pedidos;
        const SResumoDaAtualizacao resumo = Atualizar(servidor.Servidor(), &pedidos);
        EXPECT_EQ(pedidos, Pedidos({1, 2, 3, 4}));
        EXPECT_TRUE(resumo.interrompida);
        EXPECT_TRUE(resumo.gravado);
        EXPECT_EQ(TextoDaAtualizacao(resumo), "Atualização interrompida: 3 concursos novos (do 2 ao 4).");
        EXPECT_EQ(Conteudo(m_local), (std::vector<std::pair<int, double>>{
                                         {1, kGravado}, {2, kDoServico}, {3, kDoServico}, {4, kDoServico}}));
    }

    // Durante um pedido que não acaba: ele é interrompido na hora e o 7 (que não veio
    // inteiro) não entra.
    CParadaDaAtualizacao outra;
    m_opcoes.parada = &outra;
    m_opcoes_da_atualizacao.parada = &outra;
    // Sem tempo limite que acabe antes do teste: só a parada termina o pedido.
    m_opcoes.tempo_limite = 3600000ms;
    m_progresso.m_ao_mostrar = {};
    CServidorRoteirizado servidor([&](QTcpSocket& conexao, const QByteArray& linha) {
        if (linha.contains("PegarUltimoConcurso.aspx")) {
            conexao.write(Http(200, "50\r\n"));
            return;
        }
        const int concurso = ConcursoDoPedido(linha);
        if (concurso < 7) {
            conexao.write(Http(200, RespostaCerta(concurso)));
            return;
        }
        // Metade da resposta, e a parada pedida um pouco depois.
        conexao.write("HTTP/1.1 200 OK\r\nContent-Length: 400\r\n\r\n" + RespostaCerta(concurso).left(20));
        QTimer::singleShot(200, [&] { outra.Pedir(); });
    });
    const SResumoDaAtualizacao resumo = Atualizar(servidor.Servidor());
    EXPECT_TRUE(resumo.interrompida);
    EXPECT_EQ(TextoDaAtualizacao(resumo), "Atualização interrompida: 2 concursos novos (do 5 ao 6).");
    std::vector<std::pair<int, double>> esperado = {{1, kGravado}};
    for (int n = 2; n <= 6; ++n)
        esperado.emplace_back(n, kDoServico);
    EXPECT_EQ(Conteudo(m_local), esperado);

    // Parada antes de tudo: nenhum pedido, nada gravado.
    const std::string agora = LerBytes(m_local);
    std::vector<std::string> pedidos;
    const SResumoDaAtualizacao nada = Atualizar(servidor.Servidor(), &pedidos);
    EXPECT_TRUE(pedidos.empty());
    EXPECT_EQ(TextoDaAtualizacao(nada), "Atualização interrompida: nenhum concurso novo.");
    EXPECT_EQ(LerBytes(m_local), agora);
}

TEST_F(AtualizacaoPelaInternet, LoginDoServidorComOuSemProxy)
{
    Gravar(m_servido, DeUmA(2), kDoServico);
    CServicoEmTeste servico(m_servido, "apostador", "s3nh@ secreta");
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    const std::string prefixo = "O servidor de resultados " + servico.Servidor() + " respondeu 401: ";

    // Sem login: pede; o login do proxy, mesmo certo, não vai ao serviço.
    m_valores.GravarValorInternet(kProxyUser, "apostador");
    m_valores.GravarValorInternet(kProxyPassword, "s3nh@ secreta");
    auto erro = FalhaSemMexerNoArquivo<CErroDeInternet>(servico.Servidor());
    ASSERT_TRUE(erro);
    EXPECT_EQ(erro->CodigoHttp(), 401);
    EXPECT_STREQ(erro->what(), (prefixo + "Login necessário. Confira o usuário e a senha do servidor de resultados "
                                          "em Configurar Acesso à Internet.")
                                   .c_str());

    // Senha errada: recusada, e a senha não aparece.
    m_valores.GravarValorInternet(kServicoUser, "apostador");
    m_valores.GravarValorInternet(kServicoPassword, "errada-987");
    erro = FalhaSemMexerNoArquivo<CErroDeInternet>(servico.Servidor());
    ASSERT_TRUE(erro);
    EXPECT_EQ(std::string(erro->what()).rfind(prefixo + "Usuário ou senha recusados.", 0), 0u) << erro->what();
    EXPECT_EQ(std::string(erro->what()).find("errada-987"), std::string::npos) << erro->what();

    // O login do serviço, sem proxy nenhum.
    m_valores.GravarValorInternet(kProxyUser, "");
    m_valores.GravarValorInternet(kProxyPassword, "");
    m_valores.GravarValorInternet(kServicoPassword, "s3nh@ secreta");
    ASSERT_TRUE(Atualizar(servico.Servidor()).gravado);
    EXPECT_EQ(LerBytes(m_local), LerBytes(m_servido));
}

TEST_F(AtualizacaoPelaInternet, PeloProxyDoSistemaComOsDoisLogins)
{
    if (!CProxyEmTeste::Instalado())
        GTEST_SKIP() << "tinyproxy não está instalado (tools/dependencias.sh, lista de teste)";
    Gravar(m_servido, DeUmA(3), kDoServico);
    CServicoEmTeste servico(m_servido, "apostador", "do-servico");
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    CProxyEmTeste proxy("viajante", "p4ss-do-proxy", servico.Servidor());
    ASSERT_FALSE(proxy.Endereco().empty()) << proxy.Falha();
    const std::string porta = servico.Servidor().substr(servico.Servidor().find(':'));
    const std::string pelo_proxy = std::string("servico") + kDominioPeloProxy + porta;
    // O proxy configurado no sistema (no Linux, a variável http_proxy).
    setenv("http_proxy", proxy.Endereco().c_str(), 1);

    m_valores.GravarValorInternet(kServicoUser, "apostador");
    m_valores.GravarValorInternet(kServicoPassword, "do-servico");
    m_valores.GravarValorInternet(kProxyUser, "viajante");
    m_valores.GravarValorInternet(kProxyPassword, "errada-123");
    // A recusa do proxy (407) termina a atualização sem mexer no arquivo.
    const auto recusa = FalhaSemMexerNoArquivo<CErroDeInternet>(pelo_proxy);
    ASSERT_TRUE(recusa);
    EXPECT_EQ(std::string(recusa->what()).find("errada-123"), std::string::npos) << recusa->what();
    EXPECT_NE(std::string(recusa->what()).find("proxy"), std::string::npos) << recusa->what();

    // Login do proxy certo e o do serviço errado: quem recusa é o serviço.
    m_valores.GravarValorInternet(kProxyPassword, "p4ss-do-proxy");
    m_valores.GravarValorInternet(kServicoPassword, "errada-456");
    const auto do_servico = FalhaSemMexerNoArquivo<CErroDeInternet>(pelo_proxy);
    ASSERT_TRUE(do_servico);
    EXPECT_EQ(do_servico->CodigoHttp(), 401) << do_servico->what();

    m_valores.GravarValorInternet(kServicoPassword, "do-servico");
    const bool gravou = Atualizar(pelo_proxy).gravado;
    unsetenv("http_proxy");
    ASSERT_TRUE(gravou);
    EXPECT_EQ(LerBytes(m_local), LerBytes(m_servido));
    // Os pedidos passaram mesmo pelo proxy.
    EXPECT_NE(proxy.Registro().find("PegarResultado.aspx?tipo=80&concurso=3"), std::string::npos) << proxy.Registro();
}

} // namespace
