// "quinaro-cli resultados atualizar" contra o serviço de resultados de verdade.
#include "tests/support/ServicosEmTeste.h"

#include "results/ArquivoDeResultados.h"
#include "results/CaminhoDeDados.h"
#include "tests/support/PastaTemporaria.h"
#include "platform/PastasDoSistema.h"
#include "results/ValoresDoResultado.h"

#include <QProcess>

#include <gtest/gtest.h>

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
    const SExecucao recusada =
        Cli({"resultados", "atualizar", "--servidor", QStringLiteral("127.0.0.1:%1").arg(PortaLivre())});
    EXPECT_EQ(recusada.codigo, 1) << recusada.erros;
    EXPECT_FALSE(recusada.erros.empty());
    EXPECT_FALSE(fs::exists(local));

    CServicoEmTeste servico(servido);
    ASSERT_FALSE(servico.Servidor().empty()) << servico.Falha();
    const SExecucao execucao = Cli({"resultados", "atualizar", "--servidor", QString::fromStdString(servico.Servidor())});
    ASSERT_EQ(execucao.codigo, 0) << execucao.erros;
    // Sem terminal no stderr, nenhuma linha de progresso.
    EXPECT_EQ(execucao.erros, "");
    EXPECT_EQ(LerBytes(local), LerBytes(servido));
}

} // namespace
