#include "tools/servidor/ServidorDeResultados.h"

#include "results/EnderecoDoServico.h"

#include <QUrl>
#include <QUrlQuery>

#include <optional>

namespace {

const QByteArray kNaoEncontrada = QByteArrayLiteral("Página não encontrada.\r\n");

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

CServidorDeResultados::CServidorDeResultados(CCatalogoDeResultados& catalogo, const QByteArray& usuario,
                                             const QByteArray& senha)
    : m_catalogo(catalogo)
{
    if (!usuario.isEmpty())
        m_credencial = "Basic " + (usuario + ':' + senha).toBase64();
}

CServidorDeResultados::ELogin CServidorDeResultados::ConferirLogin(const SPedidoHttp& pedido) const
{
    if (m_credencial.isEmpty())
        return ELogin::NaoConferido;
    // Sem o campo, o cliente ainda não tentou: não é uma tentativa errada.
    if (!pedido.autorizacao)
        return ELogin::NaoConferido;
    return ComparacaoConstante(*pedido.autorizacao, m_credencial) ? ELogin::Certo : ELogin::Errado;
}

CServidorDeResultados::SAtendimento CServidorDeResultados::Atender(const SPedidoHttp& pedido)
{
    const QUrl endereco = QUrl::fromEncoded(pedido.alvo);
    const QString caminho = endereco.path();
    const bool ultimo = caminho == QLatin1String("/WebService/PegarUltimoConcurso.aspx");
    const bool resultado = caminho == QLatin1String("/WebService/PegarResultado.aspx");
    if (!ultimo && !resultado)
        return {{404, kNaoEncontrada}};
    const ELogin login = ConferirLogin(pedido);
    if (!m_credencial.isEmpty() && login != ELogin::Certo)
        return {{401, "Login necessário.\r\n", true}, login};
    return {Pagina(pedido, ultimo), login};
}

SRespostaHttp CServidorDeResultados::Pagina(const SPedidoHttp& pedido, bool ultimo)
{
    if (pedido.metodo != "GET")
        return {405, "Só GET.\r\n"};
    const QUrlQuery parametros(QUrl::fromEncoded(pedido.alvo));
    if (NumeroDecimal(parametros.queryItemValue(QStringLiteral("tipo"))) != kTipoVarenta)
        return {400, "Tipo inválido.\r\n"};
    m_catalogo.Atualizar();
    if (ultimo)
        return {200, QByteArray::number(m_catalogo.UltimoConcurso()) + "\r\n"};
    const auto concurso = NumeroDecimal(parametros.queryItemValue(QStringLiteral("concurso")));
    if (!concurso)
        return {400, "Concurso inválido.\r\n"};
    return {200, QByteArray::fromStdString(m_catalogo.Resposta(*concurso).value_or(""))};
}
