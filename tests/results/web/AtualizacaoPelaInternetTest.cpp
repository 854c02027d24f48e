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

#include <QTcpSocket>

#include <gtest/gtest.h>

#include <cstdlib>
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
    void MostrarConcurso(int n) override { m_posicoes.push_back(n); }
    void BombearMensagens() override {}
    bool m_mostrado = false;
    int m_ultimo = -1;
    std::vector<int> m_posicoes;
};

std::vector<std::string> Pedidos(const std::vector<int>& concursos)
{
    std::vector<std::string> pedidos = {"tipo=80"};
    for (int concurso : concursos)
        pedidos.push_back("tipo=80&concurso=" + std::to_string(concurso));
    return pedidos;
}

class AtualizacaoPelaInternet : public testing::Test {
protected:
    // Sem pausa e com tempo limite curto: os testes não esperam à toa.
    SOpcoesDoCliente m_opcoes{0ms, 2000ms};
    CValoresEmMemoria m_valores;
    CPastaTemporaria m_pasta;
    fs::path m_servido = m_pasta / "servido.dat";
    fs::path m_local = m_pasta / "resultados" / "Varenta.dat";
    CProgressoAnotado m_progresso;

    void SetUp() override { fs::create_directories(m_local.parent_path()); }

    bool Atualizar(const std::string& servidor, std::vector<std::string>* pedidos = nullptr)
    {
        CClienteDaInternet cliente(m_valores, m_opcoes);
        CPaginasAnotadas anotadas(cliente);
        CServicoDeResultados servico(anotadas, servidor);
        const auto registrar = [&] {
            if (pedidos)
                *pedidos = anotadas.m_pedidos;
        };
        try {
            const bool gravou = CBancoDeDados::AtualizarPelaInternet(m_local, servico, m_progresso);
            registrar();
            return gravou;
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
        ASSERT_TRUE(Atualizar(servico.Servidor(), &pedidos));
        EXPECT_EQ(pedidos, Pedidos(caso.pedidos));
        EXPECT_EQ(Conteudo(m_local), caso.arquivo);
    }
}

TEST_F(AtualizacaoPelaInternet, ProgressoMostraCadaConcursoPedido)
{
    Gravar(m_servido, DeUmA(3), kDoServico);
    CServicoEmTeste servico(m_servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    ASSERT_TRUE(Atualizar(servico.Servidor()));
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
    ASSERT_TRUE(Atualizar(servico.Servidor()));
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
    ASSERT_TRUE(Atualizar(servico.Servidor()));
    // Um concurso a mais (o tamanho muda, então a releitura não depende do relógio).
    Gravar(m_servido, DeUmA(3), kDoServico);
    std::vector<std::string> pedidos;
    ASSERT_TRUE(Atualizar(servico.Servidor(), &pedidos));
    EXPECT_EQ(pedidos, Pedidos({2, 3}));
    EXPECT_EQ(LerBytes(m_local), LerBytes(m_servido));
}

TEST_F(AtualizacaoPelaInternet, FalhasDeRedeTerminamSemMexerNoArquivo)
{
    const QByteArray ultimo = "/WebService/PegarUltimoConcurso.aspx";
    const QByteArray resultado = "/WebService/PegarResultado.aspx";
    using S = CServidorRoteirizado;
    struct SCaso {
        const char* nome;
        S::FReacao reacao;
        CErroDeInternet::Tipo tipo;
    };
    const SCaso casos[] = {
        {"servidor que cala", S::Calar(), CErroDeInternet::Tipo::TempoEsgotado},
        {"cala depois do último",
         S::PorCaminho({{ultimo, S::Responder(200, "3\r\n")}, {resultado, S::Calar()}}),
         CErroDeInternet::Tipo::TempoEsgotado},
        {"corta a resposta ao meio",
         S::PorCaminho({{ultimo, S::Responder(200, "3\r\n")}, {resultado, S::Cortar("2\r\n15/03/2004\r\n", 400)}}),
         CErroDeInternet::Tipo::Conexao},
        {"corta o último", S::Cortar("3", 40), CErroDeInternet::Tipo::Conexao},
        {"resposta maior que 1 MB",
         S::PorCaminho({{ultimo, S::Responder(200, "3\r\n")}, {resultado, S::Responder(200, QByteArray(1100000, 'x'))}}),
         CErroDeInternet::Tipo::RespostaGrande},
    };
    m_opcoes.tempo_limite = 300ms;
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Gravar(m_local, {1}, kGravado);
        CServidorRoteirizado servidor(caso.reacao);
        const auto erro = FalhaSemMexerNoArquivo<CErroDeInternet>(servidor.Servidor());
        ASSERT_TRUE(erro);
        EXPECT_EQ(erro->TipoDoErro(), caso.tipo) << erro->what();
        EXPECT_STRNE(erro->what(), "");
    }
}

TEST_F(AtualizacaoPelaInternet, ConexaoRecusada)
{
    Gravar(m_local, {1}, kGravado);
    const auto erro = FalhaSemMexerNoArquivo<CErroDeInternet>("127.0.0.1:" + std::to_string(PortaLivre()));
    ASSERT_TRUE(erro);
    EXPECT_EQ(erro->TipoDoErro(), CErroDeInternet::Tipo::Conexao);
    EXPECT_STRNE(erro->what(), "");
}

TEST_F(AtualizacaoPelaInternet, PaginasDeErroSaoLidasComoResposta)
{
    // Página de erro no último: último 0, nada muda.
    Gravar(m_local, {1}, kGravado);
    CServidorRoteirizado tudo_erro(CServidorRoteirizado::Responder(500, "<html><body>Erro 500</body></html>"));
    FalhaSemMexerNoArquivo<CErroDoServico>(tudo_erro.Servidor());

    // Página de erro num concurso: ele é pulado e fica faltando.
    const QByteArray ultimo = "/WebService/PegarUltimoConcurso.aspx";
    const QByteArray resultado = "/WebService/PegarResultado.aspx";
    CServidorRoteirizado concurso_com_erro(CServidorRoteirizado::PorCaminho(
        {{ultimo, CServidorRoteirizado::Responder(200, "3\r\n")},
         {resultado, CServidorRoteirizado::Responder(404, "<html>\r\n<body>404</body>\r\n</html>\r\n")}}));
    std::vector<std::string> pedidos;
    ASSERT_TRUE(Atualizar(concurso_com_erro.Servidor(), &pedidos));
    EXPECT_EQ(pedidos, Pedidos({1, 2, 3}));
    EXPECT_EQ(Conteudo(m_local), (std::vector<std::pair<int, double>>{{1, kGravado}}));
}

TEST_F(AtualizacaoPelaInternet, LoginDoServidor)
{
    Gravar(m_servido, DeUmA(2), kDoServico);
    CServicoEmTeste servico(m_servido, "apostador", "s3nh@ secreta");
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();

    // Sem login ou com a senha errada, a página de recusa dá último 0.
    for (const char* senha : {"", "errada-987"}) {
        SCOPED_TRACE(senha);
        m_valores.GravarValorInternet(kProxyUser, *senha ? "apostador" : "");
        m_valores.GravarValorInternet(kProxyPassword, senha);
        const auto erro = FalhaSemMexerNoArquivo<CErroDoServico>(servico.Servidor());
        ASSERT_TRUE(erro);
        if (*senha)
            EXPECT_EQ(std::string(erro->what()).find(senha), std::string::npos) << erro->what();
    }

    m_valores.GravarValorInternet(kProxyUser, "apostador");
    m_valores.GravarValorInternet(kProxyPassword, "s3nh@ secreta");
    ASSERT_TRUE(Atualizar(servico.Servidor()));
    EXPECT_EQ(LerBytes(m_local), LerBytes(m_servido));
}

TEST_F(AtualizacaoPelaInternet, PeloProxyDoSistemaComLogin)
{
    if (!CProxyEmTeste::Instalado())
        GTEST_SKIP() << "tinyproxy não está instalado (tools/dependencias.sh, lista de teste)";
    Gravar(m_servido, DeUmA(3), kDoServico);
    CServicoEmTeste servico(m_servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    CProxyEmTeste proxy("viajante", "p4ss-do-proxy", servico.Servidor());
    ASSERT_FALSE(proxy.Endereco().empty()) << proxy.Falha();
    const std::string porta = servico.Servidor().substr(servico.Servidor().find(':'));
    const std::string pelo_proxy = std::string("servico") + kDominioPeloProxy + porta;
    // O proxy configurado no sistema (no Linux, a variável http_proxy).
    setenv("http_proxy", proxy.Endereco().c_str(), 1);

    m_valores.GravarValorInternet(kProxyUser, "viajante");
    m_valores.GravarValorInternet(kProxyPassword, "errada-123");
    // A recusa do proxy (página 407) termina a atualização sem mexer no arquivo.
    const auto recusa = FalhaSemMexerNoArquivo<CErroDoUsuario>(pelo_proxy);
    ASSERT_TRUE(recusa);
    EXPECT_EQ(std::string(recusa->what()).find("errada-123"), std::string::npos) << recusa->what();

    m_valores.GravarValorInternet(kProxyPassword, "p4ss-do-proxy");
    const bool gravou = Atualizar(pelo_proxy);
    unsetenv("http_proxy");
    ASSERT_TRUE(gravou);
    EXPECT_EQ(LerBytes(m_local), LerBytes(m_servido));
    // Os pedidos passaram mesmo pelo proxy.
    EXPECT_NE(proxy.Registro().find("PegarResultado.aspx?tipo=80&concurso=3"), std::string::npos) << proxy.Registro();
}

} // namespace
