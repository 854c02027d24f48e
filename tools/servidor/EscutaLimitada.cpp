#include "tools/servidor/EscutaLimitada.h"

#include "tools/servidor/RespostaHttp.h"

#include <QTcpSocket>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

// Descritores que ficam para o próprio processo: o arquivo relido, as respostas 503, o Qt.
constexpr rlim_t kReservaDeDescritores = 32;
constexpr int kPausaSemDescritoresMs = 100;
constexpr int kPrazoDaRecusaMs = 2000;
constexpr qint64 kIntervaloDosAvisosMs = 10000;

} // namespace

CEscutaLimitada::CEscutaLimitada(int limite, FNovaConexao nova_conexao, QObject* pai)
    : QTcpServer(pai), m_limite(limite), m_nova_conexao(std::move(nova_conexao))
{
    connect(this, &QTcpServer::acceptError, this, &CEscutaLimitada::SemDescritores);
}

int CEscutaLimitada::ConexoesQueCabem(int pedidas)
{
    rlimit limite{};
    if (getrlimit(RLIMIT_NOFILE, &limite) != 0)
        return pedidas;
    const rlim_t desejado = rlim_t(pedidas) + kReservaDeDescritores;
    if (limite.rlim_cur < desejado && limite.rlim_cur < limite.rlim_max) {
        rlimit maior = limite;
        maior.rlim_cur = std::min(desejado, limite.rlim_max);
        if (setrlimit(RLIMIT_NOFILE, &maior) == 0)
            limite = maior;
    }
    if (limite.rlim_cur >= desejado)
        return pedidas;
    return limite.rlim_cur > kReservaDeDescritores ? int(limite.rlim_cur - kReservaDeDescritores) : 1;
}

void CEscutaLimitada::incomingConnection(qintptr descritor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descritor)) {
        delete socket;
        return;
    }
    if (int(m_abertas.size()) >= m_limite && !CederAVagaDeUmaParada())
        return RecusarPorLotacao(socket);
    CConexaoHttp* conexao = m_nova_conexao(socket);
    m_abertas.insert(conexao);
    connect(conexao, &QObject::destroyed, this, [this, conexao] { m_abertas.erase(conexao); });
}

bool CEscutaLimitada::CederAVagaDeUmaParada()
{
    // Um ataque lento segura as vagas com cabeçalhos sem fim; sem isto, só ele seria atendido.
    const auto limite = CConexaoHttp::Relogio::now() - kParadaQueCede;
    CConexaoHttp* mais_antiga = nullptr;
    CConexaoHttp::Relogio::time_point desde = limite;
    for (CConexaoHttp* conexao : m_abertas)
        if (const auto parada = conexao->PedidoParadoDesde(); parada && *parada <= desde) {
            desde = *parada;
            mais_antiga = conexao;
        }
    if (mais_antiga == nullptr)
        return false;
    m_abertas.erase(mais_antiga);
    mais_antiga->Ceder();
    return true;
}

void CEscutaLimitada::RecusarPorLotacao(QTcpSocket* socket)
{
    socket->write(EscreverRespostaHttp({503, "Serviço lotado: conexões demais abertas. Tente de novo em instantes.\r\n"},
                                       EConexaoDepois::Fechar));
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kPrazoDaRecusaMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->disconnectFromHost();
}

void CEscutaLimitada::SemDescritores(QAbstractSocket::SocketError erro)
{
    // O QTcpServer já parou de aceitar; volta daqui a pouco, quando alguma conexão fechou.
    if (!m_ultimo_aviso.isValid() || m_ultimo_aviso.elapsed() >= kIntervaloDosAvisosMs) {
        std::fprintf(stderr, "quinaro-servidor-resultados: %s; não aceita conexões por um instante\n",
                     erro == QAbstractSocket::SocketResourceError ? "sem descritores de arquivo livres (ulimit -n)"
                                                                  : "falha ao aceitar uma conexão");
        m_ultimo_aviso.start();
    }
    pauseAccepting();
    QTimer::singleShot(kPausaSemDescritoresMs, this, &QTcpServer::resumeAccepting);
}
