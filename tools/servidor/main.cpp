// quinaro-servidor-resultados: o serviço de resultados que a atualização pela internet
// consulta, servindo um arquivo de resultados.
#include "tools/servidor/AtrasoDoLogin.h"
#include "tools/servidor/CatalogoDeResultados.h"
#include "tools/servidor/ConexaoHttp.h"
#include "tools/servidor/EscutaLimitada.h"
#include "tools/servidor/OpcoesDoServico.h"
#include "tools/servidor/ServidorDeResultados.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSaidaDeFalha = 1;
constexpr int kSaidaDeUsoErrado = 2;

void Avisar(const std::string& mensagem)
{
    std::fprintf(stderr, "quinaro-servidor-resultados: %s\n", mensagem.c_str());
}

QByteArray DoAmbiente(const char* nome)
{
    const char* valor = std::getenv(nome);
    return valor != nullptr ? QByteArray(valor) : QByteArray();
}

int Servir(const SOpcoesDoServico& opcoes, QCoreApplication& aplicacao)
{
    CCatalogoDeResultados catalogo(opcoes.arquivo, Avisar);
    catalogo.Atualizar();
    if (!catalogo.TemCopia()) {
        Avisar(catalogo.Falha());
        return kSaidaDeFalha;
    }
    const int conexoes = CEscutaLimitada::ConexoesQueCabem(opcoes.conexoes);
    if (conexoes < opcoes.conexoes)
        Avisar("o limite de arquivos abertos (ulimit -n) só deixa " + std::to_string(conexoes) +
               " conexões abertas, não " + std::to_string(opcoes.conexoes));
    CServidorDeResultados paginas(catalogo, opcoes.usuario, opcoes.senha);
    CAtrasoDoLogin atraso;
    CEscutaLimitada escuta(conexoes, [&](QTcpSocket* socket) {
        return new CConexaoHttp(socket, paginas, atraso, opcoes.prazos, &escuta);
    });
    if (!escuta.listen(opcoes.endereco, opcoes.porta)) {
        Avisar("não escuta em " + opcoes.endereco.toString().toStdString() + ":" + std::to_string(opcoes.porta) +
               " (a porta está em uso ou o endereço não é desta máquina)");
        return kSaidaDeFalha;
    }
    // Quem inicia o serviço com --porta 0 lê a porta escolhida nesta linha.
    std::printf("Servindo %s em http://%s:%u\n", opcoes.arquivo.c_str(), qPrintable(opcoes.endereco.toString()),
                unsigned(escuta.serverPort()));
    std::fflush(stdout);
    return aplicacao.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacao(argc, argv);
    try {
        const auto lidas = LerOpcoesDoServico(aplicacao.arguments().mid(1), DoAmbiente);
        if (std::holds_alternative<SPedidoDeAjuda>(lidas)) {
            std::fputs(qPrintable(TextoDeAjudaDoServico()), stdout);
            return EXIT_SUCCESS;
        }
        return Servir(std::get<SOpcoesDoServico>(lidas), aplicacao);
    } catch (const COpcaoInvalida& erro) {
        Avisar(erro.what());
        std::fputs("Use --ajuda para ver as opções.\n", stderr);
        return kSaidaDeUsoErrado;
    }
}
