#include "tools/servidor/ServidorDeResultados.h"

#include "results/EnderecoDoServico.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QUrlQuery>

namespace {

using Codigo = QHttpServerResponder::StatusCode;

const QByteArray kTipoDoTexto = QByteArrayLiteral("text/plain; charset=utf-8");

void Responder(QHttpServerResponder&& resposta, const QByteArray& corpo, Codigo codigo = Codigo::Ok)
{
    resposta.write(corpo, kTipoDoTexto, codigo);
}

// Só algarismos, no máximo 9: o número cabe num inteiro e nunca é lido pela metade.
std::optional<int> NumeroDecimal(const QString& texto)
{
    if (texto.isEmpty() || texto.size() > 9)
        return std::nullopt;
    for (QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return texto.toInt();
}

bool ComparacaoConstante(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diferenca = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diferenca |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diferenca == 0;
}

} // namespace

CServidorDeResultados::CServidorDeResultados(CCatalogoDeResultados& catalogo, QByteArray usuario, QByteArray senha,
                                             QObject* pai)
    : QAbstractHttpServer(pai), m_catalogo(catalogo)
{
    if (!usuario.isEmpty())
        m_credencial = "Basic " + (usuario + ':' + senha).toBase64();
}

bool CServidorDeResultados::Autorizado(const QHttpServerRequest& pedido) const
{
    if (m_credencial.isEmpty())
        return true;
    for (const auto& [nome, valor] : pedido.headers())
        if (nome.compare("authorization", Qt::CaseInsensitive) == 0)
            return ComparacaoConstante(valor.trimmed(), m_credencial);
    return false;
}

bool CServidorDeResultados::handleRequest(const QHttpServerRequest& pedido, QTcpSocket* conexao)
{
    QHttpServerResponder resposta = makeResponder(pedido, conexao);
    const QString caminho = pedido.url().path();
    const bool ultimo = caminho == QLatin1String("/WebService/PegarUltimoConcurso.aspx");
    const bool resultado = caminho == QLatin1String("/WebService/PegarResultado.aspx");
    if (!ultimo && !resultado) {
        Responder(std::move(resposta), "Página não encontrada.\r\n", Codigo::NotFound);
        return true;
    }
    if (!Autorizado(pedido)) {
        resposta.write("Login necessário.\r\n",
                       {{"Content-Type", kTipoDoTexto}, {"WWW-Authenticate", "Basic realm=\"Quinaro\""}},
                       Codigo::Unauthorized);
        return true;
    }
    if (pedido.method() != QHttpServerRequest::Method::Get) {
        Responder(std::move(resposta), "Só GET.\r\n", Codigo::MethodNotAllowed);
        return true;
    }
    const QUrlQuery parametros = pedido.query();
    if (NumeroDecimal(parametros.queryItemValue(QStringLiteral("tipo"))) != kTipoVarenta) {
        Responder(std::move(resposta), "Tipo inválido.\r\n", Codigo::BadRequest);
        return true;
    }
    if (!m_catalogo.Atualizar()) {
        Responder(std::move(resposta), QByteArray::fromStdString(m_catalogo.Falha() + "\r\n"),
                  Codigo::ServiceUnavailable);
        return true;
    }
    if (ultimo) {
        Responder(std::move(resposta), QByteArray::number(m_catalogo.UltimoConcurso()) + "\r\n");
        return true;
    }
    const auto concurso = NumeroDecimal(parametros.queryItemValue(QStringLiteral("concurso")));
    if (!concurso) {
        Responder(std::move(resposta), "Concurso inválido.\r\n", Codigo::BadRequest);
        return true;
    }
    Responder(std::move(resposta), QByteArray::fromStdString(m_catalogo.Resposta(*concurso).value_or("")));
    return true;
}

void CServidorDeResultados::missingHandler(const QHttpServerRequest& pedido, QTcpSocket* conexao)
{
    Responder(makeResponder(pedido, conexao), "Página não encontrada.\r\n", Codigo::NotFound);
}
