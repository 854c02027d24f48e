#include "tests/tools/servidor/ServicoIniciado.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace {

constexpr int kEsperaDaPartidaMs = 10000;

// Tamanho de uma resposta inteira no começo de `bytes`, ou -1 se ela ainda não chegou toda.
qsizetype TamanhoDaResposta(const QByteArray& bytes)
{
    const qsizetype fim = bytes.indexOf("\r\n\r\n");
    if (fim < 0)
        return -1;
    static const QRegularExpression campo(QStringLiteral("\r\ncontent-length: *(\\d{1,9})\r\n"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto achado = campo.match(QString::fromLatin1(bytes.left(fim + 2)));
    const qsizetype total = fim + 4 + (achado.hasMatch() ? achado.captured(1).toLongLong() : 0);
    return bytes.size() >= total ? total : -1;
}

} // namespace

CServicoIniciado::CServicoIniciado(const QStringList& argumentos, const std::map<QString, QString>& ambiente)
{
    QProcessEnvironment variaveis = QProcessEnvironment::systemEnvironment();
    for (const auto& [nome, valor] : ambiente)
        variaveis.insert(nome, valor);
    m_processo.setProcessEnvironment(variaveis);
    m_processo.start(QStringLiteral(QUINARO_BIN "/quinaro-servidor-resultados"),
                     QStringList{QStringLiteral("--porta"), QStringLiteral("0")} + argumentos);
    static const QRegularExpression anuncio(QStringLiteral("em http://127\\.0\\.0\\.1:(\\d+)"));
    const QDeadlineTimer prazo(kEsperaDaPartidaMs);
    while (!prazo.hasExpired() && m_processo.waitForReadyRead(int(prazo.remainingTime()))) {
        m_saida += m_processo.readAllStandardOutput();
        const auto achado = anuncio.match(QString::fromUtf8(m_saida));
        if (achado.hasMatch()) {
            m_porta = quint16(achado.captured(1).toUInt());
            return;
        }
    }
}

CServicoIniciado::~CServicoIniciado()
{
    if (m_processo.state() == QProcess::NotRunning)
        return;
    m_processo.terminate();
    if (!m_processo.waitForFinished(3000)) {
        m_processo.kill();
        m_processo.waitForFinished(3000);
    }
}

std::string CServicoIniciado::Falha() const
{
    return "o serviço não anunciou a porta: " + m_saida.toStdString();
}

int CServicoIniciado::Saida(int espera_ms)
{
    if (!m_processo.waitForFinished(espera_ms) && m_processo.state() != QProcess::NotRunning)
        return -1;
    return m_processo.exitStatus() == QProcess::NormalExit ? m_processo.exitCode() : -1;
}

QByteArray CServicoIniciado::SaidaPadrao()
{
    m_saida += m_processo.readAllStandardOutput();
    return m_saida;
}

QByteArray CServicoIniciado::Erros()
{
    m_erros += m_processo.readAllStandardError();
    return m_erros;
}

QByteArray CServicoIniciado::ErrosCom(const QByteArray& trecho, int espera_ms)
{
    const QDeadlineTimer prazo(espera_ms);
    m_processo.setReadChannel(QProcess::StandardError);
    while (!Erros().contains(trecho) && m_processo.waitForReadyRead(int(prazo.remainingTime())))
        ;
    m_processo.setReadChannel(QProcess::StandardOutput);
    return m_erros;
}

CConexaoCrua::CConexaoCrua(quint16 porta, const QHostAddress& origem)
{
    if (origem != QHostAddress(QHostAddress::LocalHost) && !m_socket.bind(origem))
        return;
    m_socket.connectToHost(QHostAddress::LocalHost, porta);
    m_conectada = m_socket.waitForConnected(kEsperaDaPartidaMs);
}

void CConexaoCrua::Mandar(const QByteArray& bytes)
{
    m_socket.write(bytes);
    m_socket.waitForBytesWritten(kEsperaDaPartidaMs);
}

QList<QByteArray> CConexaoCrua::Respostas(int quantas, int espera_ms)
{
    QList<QByteArray> respostas;
    const QDeadlineTimer prazo(espera_ms);
    const auto separar = [&] {
        for (qsizetype tamanho; respostas.size() < quantas && (tamanho = TamanhoDaResposta(m_recebido)) > 0;) {
            respostas.append(m_recebido.left(tamanho));
            m_recebido.remove(0, tamanho);
        }
    };
    m_recebido += m_socket.readAll();
    separar();
    // Com espera 0, uma olhada só no que já chegou.
    while (respostas.size() < quantas && m_socket.state() == QAbstractSocket::ConnectedState &&
           m_socket.waitForReadyRead(int(prazo.remainingTime()))) {
        m_recebido += m_socket.readAll();
        separar();
    }
    m_recebido += m_socket.readAll();
    separar();
    return respostas;
}

bool CConexaoCrua::Fechou(int espera_ms)
{
    const QDeadlineTimer prazo(espera_ms);
    while (m_socket.state() == QAbstractSocket::ConnectedState && !prazo.hasExpired()) {
        if (m_socket.waitForReadyRead(int(std::max<qint64>(1, prazo.remainingTime()))))
            m_recebido += m_socket.readAll();
    }
    m_recebido += m_socket.readAll();
    return m_socket.state() != QAbstractSocket::ConnectedState;
}

QByteArray PedidoGet(const QByteArray& alvo, const QByteArray& campos, const QByteArray& versao)
{
    return "GET " + alvo + ' ' + versao + "\r\nHost: 127.0.0.1\r\n" + campos + "\r\n";
}

QByteArray LinhaDeEstado(const QByteArray& resposta)
{
    return resposta.left(resposta.indexOf("\r\n"));
}

QByteArray Corpo(const QByteArray& resposta)
{
    const qsizetype fim = resposta.indexOf("\r\n\r\n");
    return fim < 0 ? QByteArray() : resposta.mid(fim + 4);
}
