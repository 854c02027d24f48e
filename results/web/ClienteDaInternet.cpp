#include "results/web/ClienteDaInternet.h"

#include "core/ValoresDeInternet.h"
#include "results/EnderecoDoServico.h"
#include "results/ErroDeInternet.h"
#include "results/ParadaDaAtualizacao.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QSslSocket>
#include <QTimer>

#include <charconv>
#include <cstdlib>

namespace {

constexpr const char* kConfiraOServidor = "Confira o servidor em Configurar Acesso à Internet.";
constexpr const char* kConfiraOLogin =
    "Confira o usuário e a senha do servidor de resultados em Configurar Acesso à Internet.";
constexpr const char* kConfiraOsDoisLogins =
    "Confira o usuário e a senha do servidor de resultados e o login do proxy em Configurar Acesso à Internet.";
constexpr const char* kConfiraOProxy =
    "Confira o proxy nas opções de internet do sistema e o login do proxy em Configurar Acesso à Internet.";
constexpr std::chrono::milliseconds kVigia{50};

bool Parou(const CParadaDaAtualizacao* parada)
{
    return parada != nullptr && parada->Pedida();
}

CErroDeInternet Interrompido()
{
    return CErroDeInternet(CErroDeInternet::Tipo::Interrompido, "Atualização interrompida.");
}

// A pausa antes do pedido, que termina antes se a parada for pedida.
void Esperar(std::chrono::milliseconds pausa, const CParadaDaAtualizacao* parada)
{
    if (pausa.count() <= 0 || Parou(parada))
        return;
    QEventLoop laco;
    QTimer fim;
    fim.setSingleShot(true);
    QObject::connect(&fim, &QTimer::timeout, &laco, &QEventLoop::quit);
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, &laco, [&] {
        if (Parou(parada))
            laco.quit();
    });
    fim.start(pausa);
    if (parada != nullptr)
        vigia.start(kVigia);
    laco.exec();
}

QUrl UrlDoEndereco(const SEndereco& partes)
{
    const QByteArray esquema = partes.tls ? "https://servidor" : "http://servidor";
    QUrl url = QUrl::fromEncoded(esquema + QByteArray::fromStdString(partes.objeto));
    url.setHost(QString::fromStdString(partes.servidor));
    url.setPort(partes.porta);
    return url;
}

std::string Segundos(std::chrono::milliseconds tempo)
{
    char texto[32];
    const auto fim = std::to_chars(texto, texto + sizeof texto, tempo.count() / 1000.0).ptr;
    return std::string(texto, fim);
}

// O motivo de um certificado recusado, em português.
std::string MotivoDoCertificado(const QSslError& erro)
{
    switch (erro.error()) {
    case QSslError::HostNameMismatch:
        return "o nome do servidor não confere com o do certificado";
    case QSslError::SelfSignedCertificate:
    case QSslError::SelfSignedCertificateInChain:
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
        return "o certificado não é de uma autoridade certificadora confiável";
    case QSslError::CertificateExpired:
        return "o certificado expirou";
    case QSslError::CertificateNotYetValid:
        return "o certificado ainda não é válido";
    case QSslError::CertificateRevoked:
        return "o certificado foi revogado";
    case QSslError::CertificateSignatureFailed:
    case QSslError::CertificateRejected:
        return "o certificado foi recusado";
    case QSslError::NoPeerCertificate:
        return "o servidor não apresentou certificado";
    default:
        return erro.errorString().toStdString();
    }
}

std::string MotivosDoCertificado(const QList<QSslError>& erros)
{
    std::string motivos;
    for (const QSslError& erro : erros) {
        const std::string motivo = MotivoDoCertificado(erro);
        if (motivos.find(motivo) != std::string::npos)
            continue;
        motivos += (motivos.empty() ? "" : "; ") + motivo;
    }
    return motivos;
}

// O código HTTP que não é 200, com o que dizer dele.
// pelo_proxy: o proxy pediu login neste pedido (um proxy como o tinyproxy recusa o login
// dele com 401, que então pode não ser do servidor).
CErroDeInternet ErroDoCodigo(const std::string& servidor, int codigo, bool com_login, bool pelo_proxy = false)
{
    std::string texto;
    std::string conferir = kConfiraOServidor;
    if (codigo == 401) {
        texto = com_login ? "Usuário ou senha recusados." : "Login necessário.";
        conferir = pelo_proxy ? kConfiraOsDoisLogins : kConfiraOLogin;
    } else if (codigo == 407) {
        return CErroDeInternet(CErroDeInternet::Tipo::Conexao,
                               "O proxy pediu login para chegar ao servidor de resultados " + servidor +
                                   " e recusou o informado (407). " + kConfiraOProxy,
                               codigo);
    } else if (codigo == 403) {
        texto = "Acesso negado.";
    } else if (codigo == 404) {
        texto = "Página não encontrada.";
    } else if (codigo >= 300 && codigo < 400) {
        texto = "Redirecionamento não seguido (para outro servidor ou de https para http).";
    } else if (codigo >= 500 && codigo < 600) {
        texto = codigo == 503 ? "Serviço indisponível." : "Erro no servidor.";
        conferir = "Tente de novo mais tarde.";
    } else {
        texto = "Resposta inesperada.";
    }
    return CErroDeInternet(CErroDeInternet::Tipo::CodigoHttp,
                           "O servidor de resultados " + servidor + " respondeu " + std::to_string(codigo) + ": " +
                               texto + " " + conferir,
                           codigo);
}

// Falha sem código HTTP a considerar (ou com um 200 de corpo cortado).
CErroDeInternet ErroDaConexao(const std::string& servidor, const QNetworkReply& resposta)
{
    const auto erro = [&](const std::string& o_que, const std::string& conferir = kConfiraOServidor) {
        return CErroDeInternet(CErroDeInternet::Tipo::Conexao,
                               "O servidor de resultados " + servidor + " " + o_que + ". " + conferir);
    };
    switch (resposta.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return erro("recusou a conexão");
    case QNetworkReply::HostNotFoundError:
        return erro("não foi encontrado");
    case QNetworkReply::RemoteHostClosedError:
        return erro("fechou a conexão antes do fim da resposta");
    case QNetworkReply::TimeoutError:
        return erro("não respondeu");
    case QNetworkReply::SslHandshakeFailedError:
        return erro("não completou a conexão segura (TLS): " + resposta.errorString().toStdString());
    case QNetworkReply::ProtocolFailure:
        return erro("mandou uma resposta mal formada (" + resposta.errorString().toStdString() + ")");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::UnknownProxyError:
        return CErroDeInternet(CErroDeInternet::Tipo::Conexao,
                               "O proxy do sistema não levou o pedido ao servidor de resultados " + servidor + ": " +
                                   resposta.errorString().toStdString() + ". " + kConfiraOProxy);
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return ErroDoCodigo(servidor, 407, true);
    default:
        return erro("não respondeu como se esperava (" + resposta.errorString().toStdString() + ")");
    }
}

QList<QSslCertificate> CertificadosExtras()
{
    const char* arquivo = std::getenv(kCertificadosExtras);
    if (arquivo == nullptr || *arquivo == '\0')
        return {};
    return QSslCertificate::fromPath(QString::fromLocal8Bit(arquivo), QSsl::Pem);
}

} // namespace

CClienteDaInternet::CClienteDaInternet(const IValoresDeInternet& valores, SOpcoesDoCliente opcoes)
    : m_valores(valores), m_opcoes(opcoes)
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

std::string CClienteDaInternet::BaixarPagina(const std::string& endereco)
{
    Esperar(m_opcoes.pausa, m_opcoes.parada);
    if (Parou(m_opcoes.parada))
        throw Interrompido();
    const SEndereco partes = DividirEndereco(endereco);
    const std::string servidor = NomeDoServidor(partes);
    if (partes.servidor.empty())
        throw CErroDeInternet(CErroDeInternet::Tipo::EnderecoInvalido,
                              "Endereço do servidor de resultados sem o nome do servidor: " + endereco + ". " +
                                  kConfiraOServidor);
    if (partes.tls && !QSslSocket::supportsSsl())
        throw CErroDeInternet(CErroDeInternet::Tipo::SemTls,
                              "O servidor de resultados " + servidor +
                                  " pede TLS (https), mas o suporte a TLS do Qt não está instalado (pacote "
                                  "libqt6network6 com o OpenSSL).");

    const QByteArray usuario = QByteArray::fromStdString(m_valores.LerValorInternet(kServicoUser));
    const QByteArray senha = QByteArray::fromStdString(m_valores.LerValorInternet(kServicoPassword));
    const QString usuario_do_proxy = QString::fromStdString(m_valores.LerValorInternet(kProxyUser));
    const QString senha_do_proxy = QString::fromStdString(m_valores.LerValorInternet(kProxyPassword));
    const bool com_login = !usuario.isEmpty();

    QNetworkRequest pedido(UrlDoEndereco(partes));
    pedido.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quinaro 1.0"));
    pedido.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    if (com_login) {
        // O login vai já no pedido, com ou sem proxy, e não segue redirecionamento para
        // outro servidor.
        pedido.setRawHeader("Authorization", "Basic " + (usuario + ':' + senha).toBase64());
        pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    }
    if (partes.tls) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        if (!m_autoridades) {
            const QList<QSslCertificate> extras = CertificadosExtras();
            // Sem extras, as do sistema vêm sob demanda; com elas, é preciso pôr as duas.
            m_autoridades = extras.isEmpty() ? QList<QSslCertificate>()
                                             : QSslConfiguration::systemCaCertificates() + extras;
        }
        if (!m_autoridades->isEmpty())
            tls.setCaCertificates(*m_autoridades);
        tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
        pedido.setSslConfiguration(tls);
    }

    // Um gerente por pedido: nenhuma senha antiga fica guardada de um pedido para outro.
    QNetworkAccessManager gerente;
    // O proxy recebe o seu login uma vez; recusado, o pedido termina com a recusa. Ao
    // pedido de login do servidor não se responde: o login já foi no pedido.
    int do_proxy = 0;
    QObject::connect(&gerente, &QNetworkAccessManager::proxyAuthenticationRequired,
                     [&](const QNetworkProxy&, QAuthenticator* autenticacao) {
                         if (do_proxy++ > 0 || usuario_do_proxy.isEmpty())
                             return;
                         autenticacao->setUser(usuario_do_proxy);
                         autenticacao->setPassword(senha_do_proxy);
                     });

    QNetworkReply* resposta = gerente.get(pedido);  // do gerente, que o apaga
    QByteArray corpo;
    QList<QSslError> erros_do_certificado;
    bool grande = false;
    bool esgotado = false;
    bool interrompido = false;
    QEventLoop laco;
    QTimer relogio;
    relogio.setSingleShot(true);
    QTimer vigia;
    QObject::connect(resposta, &QNetworkReply::readyRead, [&] {
        corpo += resposta->readAll();
        if (corpo.size() > m_opcoes.maior_resposta) {
            grande = true;
            resposta->abort();
        }
    });
    QObject::connect(resposta, &QNetworkReply::sslErrors,
                     [&](const QList<QSslError>& erros) { erros_do_certificado += erros; });
    QObject::connect(&relogio, &QTimer::timeout, [&] {
        esgotado = true;
        resposta->abort();
    });
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        if (Parou(m_opcoes.parada)) {
            interrompido = true;
            resposta->abort();
        }
    });
    QObject::connect(resposta, &QNetworkReply::finished, &laco, &QEventLoop::quit);
    relogio.start(m_opcoes.tempo_limite);
    if (m_opcoes.parada != nullptr)
        vigia.start(kVigia);
    if (!resposta->isFinished())
        laco.exec();
    relogio.stop();
    vigia.stop();

    if (interrompido)
        throw Interrompido();
    if (esgotado)
        throw CErroDeInternet(CErroDeInternet::Tipo::TempoEsgotado,
                              "O servidor de resultados " + servidor + " não respondeu em " +
                                  Segundos(m_opcoes.tempo_limite) + " segundos. " + kConfiraOServidor);
    if (!grande) {
        corpo += resposta->readAll();
        grande = corpo.size() > m_opcoes.maior_resposta;
    }
    if (grande)
        throw CErroDeInternet(CErroDeInternet::Tipo::RespostaGrande,
                              "A resposta do servidor de resultados " + servidor + " passou de " +
                                  std::to_string(m_opcoes.maior_resposta / 1024) + " KB. " + kConfiraOServidor);
    if (!erros_do_certificado.isEmpty())
        throw CErroDeInternet(CErroDeInternet::Tipo::Certificado,
                              "O certificado do servidor de resultados " + servidor + " não foi aceito: " +
                                  MotivosDoCertificado(erros_do_certificado) + ". " + kConfiraOServidor);
    const QVariant codigo = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (codigo.isValid() && codigo.toInt() != 200)
        throw ErroDoCodigo(servidor, codigo.toInt(), com_login, do_proxy > 0);
    if (resposta->error() != QNetworkReply::NoError)
        throw ErroDaConexao(servidor, *resposta);
    if (!codigo.isValid())
        throw CErroDeInternet(CErroDeInternet::Tipo::Conexao,
                              "O servidor de resultados " + servidor + " não mandou uma resposta HTTP. " +
                                  kConfiraOServidor);
    // O decodificador do Qt lê um tamanho de pedaço que não é hexadecimal como 0, o do
    // último pedaço: o corpo "termina" vazio, sem erro. Vazio em pedaços não é resposta.
    if (corpo.isEmpty() && resposta->rawHeader("Transfer-Encoding").toLower().contains("chunked"))
        throw CErroDeInternet(CErroDeInternet::Tipo::Conexao,
                              "O servidor de resultados " + servidor +
                                  " mandou uma resposta em pedaços (chunked) vazia ou mal formada. " +
                                  kConfiraOServidor);
    return MontarResposta(corpo.toStdString());
}
