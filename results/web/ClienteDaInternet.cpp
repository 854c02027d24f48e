#include "results/web/ClienteDaInternet.h"

#include "results/EnderecoDoServico.h"
#include "results/ErroDeInternet.h"
#include "core/ValoresDeInternet.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <charconv>

namespace {

void Esperar(std::chrono::milliseconds pausa)
{
    if (pausa.count() <= 0)
        return;
    QEventLoop laco;
    QTimer::singleShot(pausa, &laco, &QEventLoop::quit);
    laco.exec();
}

QUrl UrlDoEndereco(const SEndereco& partes)
{
    QUrl url = QUrl::fromEncoded(QByteArray("http://servidor") + QByteArray::fromStdString(partes.objeto));
    url.setHost(QString::fromStdString(partes.servidor));
    url.setPort(partes.porta);
    return url;
}

// Sem resposta HTTP, ou com ela interrompida, o pedido falhou; um código de erro HTTP
// com a página inteira não é falha.
bool PedidoFalhou(const QNetworkReply& resposta)
{
    const QNetworkReply::NetworkError erro = resposta.error();
    if (erro == QNetworkReply::NoError)
        return false;
    const bool com_codigo = resposta.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    const bool erro_de_pagina = (erro > QNetworkReply::UnknownProxyError && erro <= QNetworkReply::UnknownContentError) ||
                                (erro >= QNetworkReply::InternalServerError && erro <= QNetworkReply::UnknownServerError) ||
                                erro == QNetworkReply::ProtocolInvalidOperationError;
    return !(com_codigo && erro_de_pagina);
}

std::string Segundos(std::chrono::milliseconds tempo)
{
    char texto[32];
    const auto fim = std::to_chars(texto, texto + sizeof texto, tempo.count() / 1000.0).ptr;
    return std::string(texto, fim);
}

} // namespace

CClienteDaInternet::CClienteDaInternet(const IValoresDeInternet& valores, SOpcoesDoCliente opcoes)
    : m_valores(valores), m_opcoes(opcoes)
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

std::string CClienteDaInternet::BaixarPagina(const std::string& endereco)
{
    Esperar(m_opcoes.pausa);
    const QString usuario = QString::fromStdString(m_valores.LerValorInternet(kProxyUser));
    const QString senha = QString::fromStdString(m_valores.LerValorInternet(kProxyPassword));
    QNetworkRequest pedido(UrlDoEndereco(DividirEndereco(endereco)));
    pedido.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quinaro 1.0"));
    pedido.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);

    // Um gerente por pedido: nenhuma senha antiga fica guardada de um pedido para outro.
    QNetworkAccessManager gerente;
    // Cada lado recebe o login uma vez; recusado, o pedido termina com a recusa.
    int do_servidor = 0;
    int do_proxy = 0;
    const auto responder = [&](int& vezes, QAuthenticator* autenticacao) {
        if (vezes++ > 0 || usuario.isEmpty())
            return;
        autenticacao->setUser(usuario);
        autenticacao->setPassword(senha);
    };
    QObject::connect(&gerente, &QNetworkAccessManager::authenticationRequired,
                     [&](QNetworkReply*, QAuthenticator* a) { responder(do_servidor, a); });
    QObject::connect(&gerente, &QNetworkAccessManager::proxyAuthenticationRequired,
                     [&](const QNetworkProxy&, QAuthenticator* a) { responder(do_proxy, a); });

    QNetworkReply* resposta = gerente.get(pedido);  // do gerente, que o apaga
    QByteArray corpo;
    bool grande = false;
    bool esgotado = false;
    QEventLoop laco;
    QTimer relogio;
    relogio.setSingleShot(true);
    QObject::connect(resposta, &QNetworkReply::readyRead, [&] {
        corpo += resposta->readAll();
        if (corpo.size() > m_opcoes.maior_resposta) {
            grande = true;
            resposta->abort();
        }
    });
    QObject::connect(&relogio, &QTimer::timeout, [&] {
        esgotado = true;
        resposta->abort();
    });
    QObject::connect(resposta, &QNetworkReply::finished, &laco, &QEventLoop::quit);
    relogio.start(m_opcoes.tempo_limite);
    if (!resposta->isFinished())
        laco.exec();
    relogio.stop();

    if (esgotado)
        throw CErroDeInternet(CErroDeInternet::Tipo::TempoEsgotado,
                              "O servidor de resultados não respondeu em " + Segundos(m_opcoes.tempo_limite) +
                                  " segundos.");
    if (!grande) {
        corpo += resposta->readAll();
        grande = corpo.size() > m_opcoes.maior_resposta;
    }
    if (grande)
        throw CErroDeInternet(CErroDeInternet::Tipo::RespostaGrande,
                              "A resposta do servidor de resultados passou de " +
                                  std::to_string(m_opcoes.maior_resposta / 1024) + " KB.");
    if (PedidoFalhou(*resposta))
        throw CErroDeInternet(CErroDeInternet::Tipo::Conexao, resposta->errorString().toStdString());
    return MontarResposta(corpo.toStdString());
}
