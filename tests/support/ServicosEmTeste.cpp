#include "tests/support/ServicosEmTeste.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>

#include <memory>

namespace {

constexpr int kEsperaMs = 10000;

void Encerrar(QProcess& processo)
{
    if (processo.state() == QProcess::NotRunning)
        return;
    processo.terminate();
    if (!processo.waitForFinished(3000)) {
        processo.kill();
        processo.waitForFinished(3000);
    }
}

bool AlguemEscuta(quint16 porta)
{
    QTcpSocket teste;
    teste.connectToHost(QStringLiteral("127.0.0.1"), porta);
    return teste.waitForConnected(200);
}

QByteArray Resposta(int codigo, const QByteArray& corpo)
{
    return "HTTP/1.1 " + QByteArray::number(codigo) + " Teste\r\nContent-Type: text/html\r\nContent-Length: " +
           QByteArray::number(corpo.size()) + "\r\n\r\n" + corpo;
}

} // namespace

CServicoEmTeste::CServicoEmTeste(const std::filesystem::path& arquivo, const std::string& usuario,
                                 const std::string& senha)
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    // O login vai pelo ambiente, nunca pela linha de comando.
    if (!usuario.empty()) {
        ambiente.insert(QStringLiteral("QUINARO_SERVIDOR_USUARIO"), QString::fromStdString(usuario));
        ambiente.insert(QStringLiteral("QUINARO_SERVIDOR_SENHA"), QString::fromStdString(senha));
    }
    m_processo.setProcessEnvironment(ambiente);
    m_processo.setProcessChannelMode(QProcess::SeparateChannels);
    m_processo.start(QStringLiteral(QUINARO_BIN "/quinaro-servidor-resultados"),
                     {QStringLiteral("--arquivo"), QString::fromStdString(arquivo.string()), QStringLiteral("--porta"),
                      QStringLiteral("0")});
    static const QRegularExpression anuncio(QStringLiteral("em http://(127\\.0\\.0\\.1:\\d+)"));
    QByteArray saida;
    while (m_processo.waitForReadyRead(kEsperaMs)) {
        saida += m_processo.readAllStandardOutput();
        const auto achado = anuncio.match(QString::fromUtf8(saida));
        if (achado.hasMatch()) {
            m_servidor = achado.captured(1).toStdString();
            return;
        }
    }
    m_falha = "o serviço não anunciou a porta: " + saida.toStdString() + m_processo.readAllStandardError().toStdString();
}

CServicoEmTeste::~CServicoEmTeste()
{
    Encerrar(m_processo);
}

bool CProxyEmTeste::Instalado()
{
    return !QStandardPaths::findExecutable(QStringLiteral("tinyproxy"), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")})
                .isEmpty();
}

CProxyEmTeste::CProxyEmTeste(const std::string& usuario, const std::string& senha, const std::string& destino)
{
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("tinyproxy"),
                                                            {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")});
    if (programa.isEmpty()) {
        m_falha = "tinyproxy não instalado";
        return;
    }
    const quint16 porta = PortaLivre();
    const std::string pasta = m_pasta.Caminho().string();
    const std::string configuracao = "Port " + std::to_string(porta) +
                                     "\nListen 127.0.0.1\nTimeout 30\nMaxClients 20\nAllow 127.0.0.1\n"
                                     "BasicAuth " + usuario + " " + senha + "\nLogFile \"" + pasta +
                                     "/tinyproxy.log\"\nLogLevel Info\nDisableViaHeader Yes\nUpstream http " + destino +
                                     " \"" + kDominioPeloProxy + "\"\n";
    GravarBytes(m_pasta / "tinyproxy.conf", configuracao);
    m_processo.setProcessChannelMode(QProcess::MergedChannels);
    m_processo.start(programa, {QStringLiteral("-d"), QStringLiteral("-c"),
                                QString::fromStdString((m_pasta / "tinyproxy.conf").string())});
    if (!m_processo.waitForStarted(kEsperaMs)) {
        m_falha = "tinyproxy não iniciou";
        return;
    }
    for (int tentativa = 0; tentativa < 50 && m_processo.state() == QProcess::Running; ++tentativa) {
        if (AlguemEscuta(porta)) {
            m_endereco = "http://127.0.0.1:" + std::to_string(porta);
            return;
        }
        QThread::msleep(100);
    }
    m_falha = "tinyproxy não escutou: " + m_processo.readAll().toStdString();
}

CProxyEmTeste::~CProxyEmTeste()
{
    Encerrar(m_processo);
}

std::string CProxyEmTeste::Registro() const
{
    const auto arquivo = m_pasta / "tinyproxy.log";
    return std::filesystem::exists(arquivo) ? LerBytes(arquivo) : std::string();
}

quint16 PortaLivre()
{
    QTcpServer provisorio;
    provisorio.listen(QHostAddress::LocalHost, 0);
    return provisorio.serverPort();
}

CServidorRoteirizado::CServidorRoteirizado(FReacao reacao) : m_reacao(std::move(reacao))
{
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* conexao = nextPendingConnection()) {
            auto recebido = std::make_shared<QByteArray>();
            connect(conexao, &QTcpSocket::readyRead, conexao, [this, conexao, recebido] {
                *recebido += conexao->readAll();
                const qsizetype fim = recebido->indexOf("\r\n\r\n");
                if (fim < 0)
                    return;
                const QByteArray linha = recebido->left(recebido->indexOf("\r\n"));
                recebido->remove(0, fim + 4);
                m_reacao(*conexao, linha);
            });
            connect(conexao, &QTcpSocket::disconnected, conexao, &QObject::deleteLater);
        }
    });
}

std::string CServidorRoteirizado::Servidor() const
{
    return "127.0.0.1:" + std::to_string(serverPort());
}

CServidorRoteirizado::FReacao CServidorRoteirizado::Calar()
{
    return [](QTcpSocket&, const QByteArray&) {};
}

CServidorRoteirizado::FReacao CServidorRoteirizado::Responder(int codigo, const QByteArray& corpo)
{
    return [codigo, corpo](QTcpSocket& conexao, const QByteArray&) { conexao.write(Resposta(codigo, corpo)); };
}

CServidorRoteirizado::FReacao CServidorRoteirizado::PorCaminho(std::map<QByteArray, FReacao> reacoes)
{
    return [reacoes = std::move(reacoes)](QTcpSocket& conexao, const QByteArray& linha) {
        // "GET /caminho?consulta HTTP/1.1"
        const QList<QByteArray> partes = linha.split(' ');
        const QByteArray caminho = partes.value(1).split('?').value(0);
        if (const auto reacao = reacoes.find(caminho); reacao != reacoes.end())
            reacao->second(conexao, linha);
    };
}

CServidorRoteirizado::FReacao CServidorRoteirizado::Cortar(const QByteArray& corpo, int anunciados)
{
    return [corpo, anunciados](QTcpSocket& conexao, const QByteArray&) {
        conexao.write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                      QByteArray::number(anunciados) + "\r\n\r\n" + corpo);
        conexao.flush();
        conexao.disconnectFromHost();
    };
}

namespace {

QString Programa(const char* nome)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(nome), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin"), QStringLiteral("/bin")});
}

// As extensões de cada certificado; a chave é de curva elíptica (rápida de gerar).
const char* const kConfiguracaoDoOpenssl = R"(
[req]
distinguished_name = dn
prompt = no
[dn]
CN = Quinaro
[autoridade]
basicConstraints = critical,CA:TRUE
keyUsage = critical,keyCertSign,cRLSign
subjectKeyIdentifier = hash
[certo]
basicConstraints = CA:FALSE
keyUsage = critical,digitalSignature,keyEncipherment
extendedKeyUsage = serverAuth
subjectAltName = DNS:localhost,IP:127.0.0.1
[nome_errado]
basicConstraints = CA:FALSE
keyUsage = critical,digitalSignature,keyEncipherment
extendedKeyUsage = serverAuth
subjectAltName = DNS:outro.quinaro.test
)";

} // namespace

bool CCertificadosDeTeste::Instalados()
{
    return !Programa("openssl").isEmpty() && !Programa("stunnel4").isEmpty();
}

bool CCertificadosDeTeste::Openssl(const QStringList& argumentos)
{
    QProcess processo;
    processo.setProcessChannelMode(QProcess::MergedChannels);
    processo.setWorkingDirectory(QString::fromStdString(m_pasta.Caminho().string()));
    processo.start(Programa("openssl"), argumentos);
    if (!processo.waitForFinished(kEsperaMs) || processo.exitStatus() != QProcess::NormalExit ||
        processo.exitCode() != 0) {
        m_falha = "openssl " + argumentos.join(' ').toStdString() + ": " + processo.readAll().toStdString();
        return false;
    }
    return true;
}

CCertificadosDeTeste::CCertificadosDeTeste()
{
    if (!Instalados()) {
        m_falha = "openssl ou stunnel4 não instalado";
        return;
    }
    GravarBytes(m_pasta / "openssl.cnf", kConfiguracaoDoOpenssl);
    const QStringList chave = {QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                               QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    const auto autoridade = [&](const QString& nome, const QString& titular) {
        return Openssl(QStringList{QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-config"),
                                   QStringLiteral("openssl.cnf"), QStringLiteral("-extensions"),
                                   QStringLiteral("autoridade"), QStringLiteral("-days"), QStringLiteral("2"),
                                   QStringLiteral("-subj"), QStringLiteral("/CN=") + titular, QStringLiteral("-keyout"),
                                   nome + QStringLiteral(".key"), QStringLiteral("-out"), nome + QStringLiteral(".pem")} +
                       chave);
    };
    const auto servidor = [&](const QString& nome, const QString& extensoes, const QString& de) {
        return Openssl(QStringList{QStringLiteral("req"), QStringLiteral("-new"), QStringLiteral("-config"),
                                   QStringLiteral("openssl.cnf"), QStringLiteral("-subj"),
                                   QStringLiteral("/CN=servidor de teste"), QStringLiteral("-keyout"),
                                   nome + QStringLiteral(".key"), QStringLiteral("-out"), nome + QStringLiteral(".csr")} +
                       chave) &&
               Openssl({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), nome + QStringLiteral(".csr"),
                        QStringLiteral("-CA"), de + QStringLiteral(".pem"), QStringLiteral("-CAkey"),
                        de + QStringLiteral(".key"), QStringLiteral("-CAcreateserial"), QStringLiteral("-days"),
                        QStringLiteral("2"), QStringLiteral("-extfile"), QStringLiteral("openssl.cnf"),
                        QStringLiteral("-extensions"), extensoes, QStringLiteral("-out"), nome + QStringLiteral(".pem")});
    };
    if (!autoridade(QStringLiteral("autoridade"), QStringLiteral("Quinaro CA de teste")) ||
        !autoridade(QStringLiteral("outra"), QStringLiteral("Outra CA")) ||
        !servidor(QStringLiteral("certo"), QStringLiteral("certo"), QStringLiteral("autoridade")) ||
        !servidor(QStringLiteral("nome_errado"), QStringLiteral("nome_errado"), QStringLiteral("autoridade")) ||
        !servidor(QStringLiteral("de_outra"), QStringLiteral("certo"), QStringLiteral("outra")))
        return;
    m_autoridade = m_pasta / "autoridade.pem";
    m_certo = {m_pasta / "certo.pem", m_pasta / "certo.key"};
    m_nome_errado = {m_pasta / "nome_errado.pem", m_pasta / "nome_errado.key"};
    m_de_outra = {m_pasta / "de_outra.pem", m_pasta / "de_outra.key"};
}

CTlsEmTeste::CTlsEmTeste(const CCertificadosDeTeste::SPar& par, const std::string& destino)
{
    const QString programa = Programa("stunnel4");
    if (programa.isEmpty()) {
        m_falha = "stunnel4 não instalado";
        return;
    }
    m_porta = PortaLivre();
    const std::string configuracao = "foreground = yes\npid =\ndebug = 5\n[quinaro]\naccept = 127.0.0.1:" +
                                     std::to_string(m_porta) + "\nconnect = " + destino +
                                     "\ncert = " + par.certificado.string() + "\nkey = " + par.chave.string() + "\n";
    GravarBytes(m_pasta / "stunnel.conf", configuracao);
    m_processo.setProcessChannelMode(QProcess::MergedChannels);
    m_processo.start(programa, {QString::fromStdString((m_pasta / "stunnel.conf").string())});
    if (!m_processo.waitForStarted(kEsperaMs)) {
        m_falha = "stunnel4 não iniciou";
        return;
    }
    for (int tentativa = 0; tentativa < 100 && m_processo.state() == QProcess::Running; ++tentativa) {
        if (AlguemEscuta(m_porta)) {
            m_servidor = "https://127.0.0.1:" + std::to_string(m_porta);
            return;
        }
        QThread::msleep(50);
    }
    m_falha = "stunnel4 não escutou: " + m_processo.readAll().toStdString();
}

CTlsEmTeste::~CTlsEmTeste()
{
    Encerrar(m_processo);
}
