// Carga no serviço de resultados: N conexões HTTP/1.1 mantidas abertas no loopback,
// cada uma pedindo um resultado assim que recebe a resposta anterior, até o total de
// pedidos (ou o tempo máximo). Escreve pedidos/s e erros.
// Uso: carga_do_servidor HOST:PORTA [conexoes=50] [pedidos=100000] [maior_concurso=1000]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kTempoMaximoMs = 300000;

struct SConexao {
    std::unique_ptr<QTcpSocket> socket;
    QByteArray recebido;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacao(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s HOST:PORTA [conexoes] [pedidos] [maior_concurso]\n", argv[0]);
        return 2;
    }
    const QString alvo = QString::fromLocal8Bit(argv[1]);
    const QString host = alvo.section(QLatin1Char(':'), 0, 0);
    const quint16 porta = quint16(alvo.section(QLatin1Char(':'), 1, 1).toUInt());
    const int conexoes = argc > 2 ? std::atoi(argv[2]) : 50;
    const long total = argc > 3 ? std::atol(argv[3]) : 100000;
    const int maior = argc > 4 ? std::atoi(argv[4]) : 1000;

    long enviados = 0, respondidos = 0, erros = 0;
    QElapsedTimer relogio;
    std::vector<SConexao> todas(static_cast<size_t>(conexoes));
    const auto enviar = [&](SConexao& conexao) {
        if (enviados >= total)
            return;
        const long n = enviados++ % maior + 1;
        conexao.socket->write("GET /WebService/PegarResultado.aspx?tipo=80&concurso=" + QByteArray::number(qlonglong(n)) +
                              " HTTP/1.1\r\nHost: " + host.toLatin1() + "\r\nConnection: keep-alive\r\n\r\n");
    };
    const auto terminar_se_acabou = [&] {
        if (respondidos + erros >= total)
            aplicacao.quit();
    };
    for (SConexao& conexao : todas) {
        conexao.socket = std::make_unique<QTcpSocket>();
        QTcpSocket* socket = conexao.socket.get();
        QObject::connect(socket, &QTcpSocket::connected, [&] { enviar(conexao); });
        QObject::connect(socket, &QTcpSocket::readyRead, [&, socket] {
            conexao.recebido += socket->readAll();
            // Respostas completas: cabeçalho até a linha vazia e Content-Length bytes.
            for (;;) {
                const qsizetype fim = conexao.recebido.indexOf("\r\n\r\n");
                if (fim < 0)
                    return;
                const QByteArray cabecalho = conexao.recebido.left(fim).toLower();
                const qsizetype campo = cabecalho.indexOf("content-length:");
                const long tamanho = campo < 0 ? 0 : cabecalho.mid(campo + 15).split('\r').value(0).trimmed().toLong();
                if (conexao.recebido.size() < fim + 4 + tamanho)
                    return;
                if (cabecalho.startsWith("http/1.1 200"))
                    ++respondidos;
                else
                    ++erros;
                conexao.recebido.remove(0, fim + 4 + tamanho);
                enviar(conexao);
                terminar_se_acabou();
            }
        });
        QObject::connect(socket, &QTcpSocket::errorOccurred, [&](QAbstractSocket::SocketError) {
            ++erros;
            aplicacao.quit();
        });
    }
    relogio.start();
    for (SConexao& conexao : todas)
        conexao.socket->connectToHost(host, porta);
    QTimer::singleShot(kTempoMaximoMs, &aplicacao, &QCoreApplication::quit);
    aplicacao.exec();
    const double segundos = relogio.elapsed() / 1000.0;
    std::printf("%d conexões, %ld respostas 200, %ld erros, %.2f s, %.0f pedidos/s\n", conexoes, respondidos, erros,
                segundos, respondidos / segundos);
    return erros == 0 && respondidos == total ? 0 : 1;
}
