// quinaro-servidor-resultados: o serviço de resultados que a atualização pela internet
// consulta, servindo um arquivo de resultados.
#include "tools/servidor/CatalogoDeResultados.h"
#include "tools/servidor/EscutaLimitada.h"
#include "tools/servidor/ServidorDeResultados.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>
#include <cstdlib>

namespace {

// Um pedido das duas páginas cabe com folga; mais que isso é abuso.
constexpr qint64 kMaiorPedido = 16 * 1024;

QByteArray DoAmbiente(const char* nome)
{
    const char* valor = std::getenv(nome);
    return valor != nullptr ? QByteArray(valor) : QByteArray();
}

int Falhar(const QString& mensagem)
{
    std::fprintf(stderr, "quinaro-servidor-resultados: %s\n", qPrintable(mensagem));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacao(argc, argv);
    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(QStringLiteral(
        "Serviço de resultados do Quinaro. O login também pode vir de QUINARO_SERVIDOR_USUARIO e "
        "QUINARO_SERVIDOR_SENHA (prefira o ambiente: a linha de comando é visível a outros usuários)."));
    opcoes.addHelpOption();
    const QCommandLineOption arquivo(QStringLiteral("arquivo"), QStringLiteral("Arquivo de resultados (Varenta.dat)."),
                                     QStringLiteral("ARQUIVO"));
    const QCommandLineOption porta(QStringLiteral("porta"), QStringLiteral("Porta TCP (0: uma livre). Padrão 8080."),
                                   QStringLiteral("N"), QStringLiteral("8080"));
    const QCommandLineOption endereco(QStringLiteral("endereco"),
                                      QStringLiteral("Endereço em que escuta. Padrão 127.0.0.1."),
                                      QStringLiteral("IP"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption usuario(QStringLiteral("usuario"), QStringLiteral("Login exigido (HTTP basic)."),
                                     QStringLiteral("NOME"));
    const QCommandLineOption senha(QStringLiteral("senha"), QStringLiteral("Senha do login."),
                                   QStringLiteral("SENHA"));
    opcoes.addOptions({arquivo, porta, endereco, usuario, senha});
    opcoes.process(aplicacao);

    if (!opcoes.isSet(arquivo))
        return Falhar(QStringLiteral("falta --arquivo"));
    bool porta_ok = false;
    const uint numero_da_porta = opcoes.value(porta).toUInt(&porta_ok);
    if (!porta_ok || numero_da_porta > 65535)
        return Falhar(QStringLiteral("porta inválida: ") + opcoes.value(porta));
    const QHostAddress onde(opcoes.value(endereco));
    if (onde.isNull())
        return Falhar(QStringLiteral("endereço inválido: ") + opcoes.value(endereco));
    const QByteArray login = opcoes.isSet(usuario) ? opcoes.value(usuario).toUtf8() : DoAmbiente("QUINARO_SERVIDOR_USUARIO");
    const QByteArray chave = opcoes.isSet(senha) ? opcoes.value(senha).toUtf8() : DoAmbiente("QUINARO_SERVIDOR_SENHA");

    CCatalogoDeResultados catalogo(opcoes.value(arquivo).toStdString());
    if (!catalogo.Atualizar())
        return Falhar(QString::fromStdString(catalogo.Falha()));

    CServidorDeResultados servidor(catalogo, login, chave);
    auto* escuta = new CEscutaLimitada(kMaiorPedido, &servidor);
    if (!escuta->listen(onde, quint16(numero_da_porta)))
        return Falhar(QStringLiteral("não escuta em %1:%2: %3")
                          .arg(onde.toString(), QString::number(numero_da_porta), escuta->errorString()));
    servidor.bind(escuta);
    // Quem inicia o serviço com --porta 0 lê a porta escolhida nesta linha.
    std::printf("Servindo %s em http://%s:%u\n", qPrintable(opcoes.value(arquivo)), qPrintable(onde.toString()),
                unsigned(escuta->serverPort()));
    std::fflush(stdout);
    return aplicacao.exec();
}
