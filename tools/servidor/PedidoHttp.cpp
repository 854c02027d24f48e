#include "tools/servidor/PedidoHttp.h"

#include <QList>

namespace {

constexpr int kMaisCampos = 100;
constexpr int kMaisAlgarismosDoTamanho = 18;

bool CaractereDeToken(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool Token(QByteArrayView texto)
{
    if (texto.isEmpty())
        return false;
    for (char c : texto)
        if (!CaractereDeToken(c))
            return false;
    return true;
}

bool Visivel(QByteArrayView texto)
{
    for (char c : texto)
        if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) == 0x7f)
            return false;
    return true;
}

// Valor de campo: sem caracteres de controle além da tabulação.
bool ValorAceito(QByteArrayView valor)
{
    for (char c : valor) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7f)
            return false;
    }
    return true;
}

QByteArrayView SemEspacos(QByteArrayView texto)
{
    while (!texto.isEmpty() && (texto.front() == ' ' || texto.front() == '\t'))
        texto = texto.sliced(1);
    while (!texto.isEmpty() && (texto.back() == ' ' || texto.back() == '\t'))
        texto.chop(1);
    return texto;
}

bool Igual(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// O que os campos dizem, antes de decidir a conexão.
struct SCampos {
    bool fechar = false;
    bool manter = false;
    bool corpo = false;
    std::optional<QByteArray> tamanho;
    std::optional<QByteArray> autorizacao;
    int hosts = 0;
};

void LerConexao(QByteArrayView valor, SCampos& campos)
{
    for (const QByteArray& parte : valor.toByteArray().split(',')) {
        const QByteArrayView opcao = SemEspacos(parte);
        if (Igual(opcao, "close"))
            campos.fechar = true;
        else if (Igual(opcao, "keep-alive"))
            campos.manter = true;
    }
}

bool LerTamanho(QByteArrayView valor, SCampos& campos)
{
    if (valor.isEmpty() || valor.size() > kMaisAlgarismosDoTamanho)
        return false;
    for (char c : valor)
        if (c < '0' || c > '9')
            return false;
    // Dois tamanhos diferentes: não se sabe onde o pedido termina.
    if (campos.tamanho && *campos.tamanho != valor)
        return false;
    campos.tamanho = valor.toByteArray();
    if (valor.toLongLong() > 0)
        campos.corpo = true;
    return true;
}

bool LerCampo(QByteArrayView linha, SCampos& campos)
{
    const qsizetype dois_pontos = linha.indexOf(':');
    if (dois_pontos <= 0)
        return false;
    const QByteArrayView nome = linha.first(dois_pontos);
    const QByteArrayView valor = SemEspacos(linha.sliced(dois_pontos + 1));
    if (!Token(nome) || !ValorAceito(valor))
        return false;
    if (Igual(nome, "connection")) {
        LerConexao(valor, campos);
        return true;
    }
    if (Igual(nome, "content-length"))
        return LerTamanho(valor, campos);
    if (Igual(nome, "transfer-encoding")) {
        campos.corpo = true;
        return true;
    }
    if (Igual(nome, "authorization")) {
        if (campos.autorizacao)
            return false;
        campos.autorizacao = valor.toByteArray();
        return true;
    }
    if (Igual(nome, "host"))
        return ++campos.hosts == 1;
    return true;
}

std::variant<SPedidoHttp, SPedidoRecusado> LerLinhaDoPedido(QByteArrayView linha)
{
    const qsizetype primeiro = linha.indexOf(' ');
    const qsizetype segundo = primeiro < 0 ? -1 : linha.indexOf(' ', primeiro + 1);
    if (segundo < 0 || linha.indexOf(' ', segundo + 1) >= 0)
        return SPedidoRecusado{};
    SPedidoHttp pedido;
    pedido.metodo = linha.first(primeiro).toByteArray();
    pedido.alvo = linha.sliced(primeiro + 1, segundo - primeiro - 1).toByteArray();
    const QByteArrayView versao = linha.sliced(segundo + 1);
    // Um proxy à frente manda o endereço inteiro (a forma absoluta); os outros, o caminho.
    const bool absoluto = pedido.alvo.size() > 7 && QByteArrayView(pedido.alvo).first(7).compare("http://", Qt::CaseInsensitive) == 0;
    if (!Token(pedido.metodo) || !(pedido.alvo.startsWith('/') || absoluto) || !Visivel(pedido.alvo))
        return SPedidoRecusado{};
    if (versao == "HTTP/1.1")
        pedido.versao = EVersaoHttp::Http11;
    else if (versao == "HTTP/1.0")
        pedido.versao = EVersaoHttp::Http10;
    else if (versao.size() == 8 && versao.startsWith("HTTP/") && versao[6] == '.')
        return SPedidoRecusado{kVersaoNaoSuportada};
    else
        return SPedidoRecusado{};
    return pedido;
}

} // namespace

RLeituraDoPedido LerPedidoHttp(QByteArrayView recebido, qsizetype maior_cabecalho)
{
    std::optional<SPedidoHttp> pedido;
    SCampos campos;
    int quantos_campos = 0;
    qsizetype inicio = 0;
    for (;;) {
        const qsizetype fim = recebido.indexOf('\n', inicio);
        if (fim < 0 || fim >= maior_cabecalho) {
            if (recebido.size() >= maior_cabecalho)
                return SPedidoRecusado{kCabecalhoGrandeDemais};
            return SPedidoIncompleto{};
        }
        QByteArrayView linha = recebido.sliced(inicio, fim - inicio);
        if (linha.endsWith('\r'))
            linha.chop(1);
        inicio = fim + 1;
        if (!pedido) {
            // Linhas vazias antes do pedido (resto de um pedido anterior) são ignoradas.
            if (linha.isEmpty())
                continue;
            auto primeira = LerLinhaDoPedido(linha);
            if (const auto* recusa = std::get_if<SPedidoRecusado>(&primeira))
                return *recusa;
            pedido = std::get<SPedidoHttp>(std::move(primeira));
            continue;
        }
        if (linha.isEmpty())
            break;
        // Campo dobrado em várias linhas (obsoleto) ou campos demais: recusado.
        if (linha.front() == ' ' || linha.front() == '\t' || ++quantos_campos > kMaisCampos)
            return SPedidoRecusado{quantos_campos > kMaisCampos ? kCabecalhoGrandeDemais : 400};
        if (!LerCampo(linha, campos))
            return SPedidoRecusado{};
    }
    pedido->autorizacao = std::move(campos.autorizacao);
    // Um corpo não é lido: responde-se e fecha-se, e ele nunca é tomado por outro pedido.
    const bool pedida = pedido->versao == EVersaoHttp::Http11 || campos.manter;
    pedido->manter_conexao = pedida && !campos.fechar && !campos.corpo;
    return SPedidoLido{std::move(*pedido), inicio};
}
