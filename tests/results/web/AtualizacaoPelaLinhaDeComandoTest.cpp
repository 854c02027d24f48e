// "quinaro-cli resultados atualizar" contra o serviço de resultados de verdade.
#include "tests/support/ServicosEmTeste.h"

#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "tests/support/PastaTemporaria.h"
#include "platform/PastasDoSistema.h"
#include "results/ValoresDoResultado.h"

#include "core/ValoresDeInternet.h"
#include "platform/ValoresDeInternetQt.h"
#include "results/EnderecoDoServico.h"
#include "results/web/ClienteDaInternet.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <regex>

#include <signal.h>

namespace fs = std::filesystem;

namespace {

struct SExecucao {
    int codigo = -1;
    std::string saida;
    std::string erros;
};

// O programa herda o HOME isolado pelo main dos testes.
SExecucao Cli(const QStringList& argumentos)
{
    QProcess processo;
    processo.start(QStringLiteral(QUINARO_BIN "/quinaro-cli"), argumentos);
    SExecucao execucao;
    if (!processo.waitForFinished(60000))
        return execucao;
    execucao.codigo = processo.exitCode();
    execucao.saida = processo.readAllStandardOutput().toStdString();
    execucao.erros = processo.readAllStandardError().toStdString();
    return execucao;
}

fs::path Servido(const fs::path& arquivo, const std::vector<int>& concursos)
{
    CListaDeResultados lista;
    for (int concurso : concursos) {
        SValoresDoResultado valores;
        valores.concurso = concurso;
        valores.valor_acumulado = 10.5 * concurso;
        valores.colunas = {concurso % 5, 1, 2, 3, 4, 0, 1, 2, 3, 4};
        lista.push_back(NovoResultado(valores));
    }
    EXPECT_TRUE(GravarArquivoDeResultados(arquivo, lista));
    return arquivo;
}

fs::path ArquivoLocal()
{
    return CaminhoDeDados(CPastasDoSistema(), kArquivoDeResultados);
}

TEST(AtualizacaoPelaLinhaDeComando, PastaVaziaRecebeOsRegistrosDoServico)
{
    CPastaTemporaria pasta;
    const fs::path servido = pasta / "servido.dat";
    CListaDeResultados lista;
    for (int concurso : {1, 2, 3, 5}) {
        SValoresDoResultado valores;
        valores.concurso = concurso;
        valores.valor_acumulado = 10.5 * concurso;
        valores.colunas = {concurso % 5, 1, 2, 3, 4, 0, 1, 2, 3, 4};
        lista.push_back(NovoResultado(valores));
    }
    ASSERT_TRUE(GravarArquivoDeResultados(servido, lista));
    const fs::path local = CaminhoDeDados(CPastasDoSistema(), kArquivoDeResultados);
    fs::remove(local);

    // Servidor que não escuta: falha com mensagem, sem criar o arquivo.
    const quint16 porta = PortaLivre();
    const SExecucao recusada = Cli({"resultados", "atualizar", "--servidor", QStringLiteral("127.0.0.1:%1").arg(porta)});
    EXPECT_EQ(recusada.erros, "O servidor de resultados 127.0.0.1:" + std::to_string(porta) +
                                  " recusou a conexão. Confira o servidor em Configurar Acesso à Internet.\n");
    EXPECT_EQ(recusada.codigo, 1) << recusada.erros;
    EXPECT_FALSE(fs::exists(local));

    CServicoEmTeste servico(servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    const SExecucao execucao = Cli({"resultados", "atualizar", "--servidor", QString::fromStdString(servico.Servidor())});
    ASSERT_EQ(execucao.codigo, 0) << execucao.erros;
    // Sem terminal no stderr, nenhuma linha de progresso.
    EXPECT_EQ(execucao.erros, "");
    EXPECT_EQ(execucao.saida, "4 concursos novos (do 1 ao 5).\n");
    EXPECT_EQ(LerBytes(local), LerBytes(servido));

    const SExecucao de_novo = Cli({"resultados", "atualizar", "--servidor", QString::fromStdString(servico.Servidor())});
    EXPECT_EQ(de_novo.codigo, 0) << de_novo.erros;
    EXPECT_EQ(de_novo.saida, "Nenhum concurso novo.\n");
}

// Ctrl-C no meio: para, grava os concursos completos que já vieram e sai com 130.
TEST(AtualizacaoPelaLinhaDeComando, CtrlCGuardaOQueJaVeio)
{
    CPastaTemporaria pasta;
    std::vector<int> todos;
    for (int n = 1; n <= 60; ++n)
        todos.push_back(n);
    const fs::path servido = Servido(pasta / "servido.dat", todos);
    const fs::path local = ArquivoLocal();
    fs::remove(local);
    CServicoEmTeste servico(servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();

    QProcess processo;
    processo.start(QStringLiteral(QUINARO_BIN "/quinaro-cli"),
                   {"resultados", "atualizar", "--servidor", QString::fromStdString(servico.Servidor())});
    ASSERT_TRUE(processo.waitForStarted(10000));
    // Com a pausa de 300 ms antes de cada pedido, uns poucos concursos em 2,5 s.
    EXPECT_FALSE(processo.waitForFinished(2500));
    ASSERT_EQ(::kill(pid_t(processo.processId()), SIGINT), 0);
    ASSERT_TRUE(processo.waitForFinished(10000));
    EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(processo.exitCode(), 130) << processo.readAllStandardError().toStdString();
    const std::string saida = processo.readAllStandardOutput().toStdString();
    std::smatch partes;
    ASSERT_TRUE(std::regex_match(saida, partes,
                                 std::regex("Atualização interrompida: ([0-9]+) concursos? novos? \\((?:do 1 ao|o) ([0-9]+)\\)\\.\n")))
        << saida;
    const int vieram = std::stoi(partes[1]);
    EXPECT_EQ(std::stoi(partes[2]), vieram);
    EXPECT_LT(vieram, 60);
    CListaDeResultados gravados;
    ASSERT_TRUE(LerArquivoDeResultados(local, gravados));
    ASSERT_EQ(int(gravados.size()), vieram);
    for (int i = 0; i < vieram; ++i)
        EXPECT_EQ(gravados[size_t(i)]->m_concurso, i + 1);
}

TEST(AtualizacaoPelaLinhaDeComando, LoginDoServicoSemProxy)
{
    CPastaTemporaria pasta;
    const fs::path servido = Servido(pasta / "servido.dat", {1, 2});
    fs::remove(ArquivoLocal());
    CServicoEmTeste servico(servido, "apostador", "do-servico");
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    CValoresDeInternetQt valores;
    for (const char* nome : {kServicoUser, kServicoPassword, kProxyUser, kProxyPassword})
        valores.GravarValorInternet(nome, "");
    const QStringList argumentos = {"resultados", "atualizar", "--servidor", QString::fromStdString(servico.Servidor())};

    const SExecucao sem_login = Cli(argumentos);
    EXPECT_EQ(sem_login.codigo, 1);
    EXPECT_EQ(sem_login.erros, "O servidor de resultados " + servico.Servidor() +
                                   " respondeu 401: Login necessário. Confira o usuário e a senha do servidor de "
                                   "resultados em Configurar Acesso à Internet.\n");
    EXPECT_FALSE(fs::exists(ArquivoLocal()));

    valores.GravarValorInternet(kServicoUser, "apostador");
    valores.GravarValorInternet(kServicoPassword, "do-servico");
    const SExecucao com_login = Cli(argumentos);
    EXPECT_EQ(com_login.codigo, 0) << com_login.erros;
    EXPECT_EQ(com_login.saida, "2 concursos novos (do 1 ao 2).\n");
    EXPECT_EQ(LerBytes(ArquivoLocal()), LerBytes(servido));
    for (const char* nome : {kServicoUser, kServicoPassword})
        valores.GravarValorInternet(nome, "");
}

TEST(AtualizacaoPelaLinhaDeComando, ServidorHttps)
{
    if (!CCertificadosDeTeste::Instalados())
        GTEST_SKIP() << "openssl ou stunnel4 não instalado";
    CCertificadosDeTeste certificados;
    ASSERT_TRUE(certificados.Falha().empty()) << certificados.Falha();
    CPastaTemporaria pasta;
    const fs::path servido = Servido(pasta / "servido.dat", {1, 2, 3});
    fs::remove(ArquivoLocal());
    CServicoEmTeste servico(servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    CTlsEmTeste tls(certificados.Certo(), servico.Servidor());
    ASSERT_FALSE(tls.Servidor().empty()) << tls.Falha();
    const QStringList argumentos = {"resultados", "atualizar", "--servidor", QString::fromStdString(tls.Servidor())};

    // Sem a autoridade de teste: recusado, com o servidor e o motivo.
    const SExecucao recusada = Cli(argumentos);
    EXPECT_EQ(recusada.codigo, 1);
    EXPECT_EQ(recusada.erros, "O certificado do servidor de resultados " + tls.Servidor() +
                                  " não foi aceito: o certificado não é de uma autoridade certificadora confiável. "
                                  "Confira o servidor em Configurar Acesso à Internet.\n");
    EXPECT_FALSE(fs::exists(ArquivoLocal()));

    setenv(kCertificadosExtras, certificados.Autoridade().c_str(), 1);
    const SExecucao aceita = Cli(argumentos);
    unsetenv(kCertificadosExtras);
    EXPECT_EQ(aceita.codigo, 0) << aceita.erros;
    EXPECT_EQ(aceita.saida, "3 concursos novos (do 1 ao 3).\n");
    EXPECT_EQ(LerBytes(ArquivoLocal()), LerBytes(servido));
}

} // namespace
