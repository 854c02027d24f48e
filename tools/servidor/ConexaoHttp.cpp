#include "tools/servidor/ConexaoHttp.h"

#include "tools/servidor/AtrasoDoLogin.h"
#include "tools/servidor/ServidorDeResultados.h"

#include <QTcpSocket>

namespace {

// Um pedido das duas páginas cabe com folga; mais que isso é abuso.
constexpr qsizetype kMaiorPedido = 16 * 1024;
// Respostas ainda por enviar: quem pede sem ler as respostas para de ser lido.
constexpr qint64 kMaiorSaidaPendente = 64 * 1024;

QByteArray TextoDaRecusa(int codigo)
{
    switch (codigo) {
    case 408:
        return "O pedido não chegou inteiro no prazo.\r\n";
    case kCabecalhoGrandeDemais:
        return "Cabeçalho do pedido grande demais.\r\n";
    case kVersaoNaoSuportada:
        return "Só HTTP/1.0 e HTTP/1.1.\r\n";
    }
    return "Pedido inválido.\r\n";
}

EConexaoDepois DepoisDe(const SPedidoHttp& pedido)
{
    if (!pedido.manter_conexao)
        return EConexaoDepois::Fechar;
    return pedido.versao == EVersaoHttp::Http10 ? EConexaoDepois::ManterHttp10 : EConexaoDepois::Manter;
}

} // namespace

CConexaoHttp::CConexaoHttp(QTcpSocket* socket, CServidorDeResultados& paginas, CAtrasoDoLogin& atraso,
                           const SPrazosDaConexao& prazos, QObject* pai)
    : QObject(pai), m_socket(socket), m_paginas(paginas), m_atraso(atraso), m_prazos(prazos),
      m_endereco(socket->peerAddress())
{
    m_socket->setParent(this);
    // O Qt para de ler do sistema quando isto enche: o que o cliente manda fica na rede.
    m_socket->setReadBufferSize(kMaiorPedido);
    m_prazo.setSingleShot(true);
    connect(&m_prazo, &QTimer::timeout, this, &CConexaoHttp::PrazoVencido);
    connect(m_socket, &QTcpSocket::readyRead, this, &CConexaoHttp::Atender);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &CConexaoHttp::Atender);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    // Conexão nova que não manda nada também conta como pedido que não chega.
    EsperarCabecalho();
    Atender();
}

std::optional<CConexaoHttp::Relogio::time_point> CConexaoHttp::PedidoParadoDesde() const
{
    if (m_ociosa || m_retido || m_fechando)
        return std::nullopt;
    return m_inicio_do_pedido;
}

void CConexaoHttp::Ceder()
{
    m_fechando = true;
    m_socket->abort();
    deleteLater();
}

void CConexaoHttp::EsperarCabecalho()
{
    m_ociosa = false;
    m_inicio_do_pedido = Relogio::now();
    m_prazo.start(m_prazos.cabecalho);
}

bool CConexaoHttp::LerDoSocket()
{
    const qsizetype falta = kMaiorPedido - m_recebido.size();
    if (falta > 0 && m_socket->bytesAvailable() > 0)
        m_recebido += m_socket->read(falta);
    // O primeiro byte do pedido seguinte troca o prazo da conexão ociosa pelo do cabeçalho.
    if (m_ociosa && !m_recebido.isEmpty())
        EsperarCabecalho();
    return !m_recebido.isEmpty();
}

void CConexaoHttp::Atender()
{
    while (!m_fechando && !m_retido) {
        if (m_socket->bytesToWrite() > kMaiorSaidaPendente || !LerDoSocket())
            return;
        auto leitura = LerPedidoHttp(m_recebido, kMaiorPedido);
        if (std::holds_alternative<SPedidoIncompleto>(leitura))
            return;
        if (const auto* recusa = std::get_if<SPedidoRecusado>(&leitura))
            return Recusar(recusa->codigo);
        auto& lido = std::get<SPedidoLido>(leitura);
        m_recebido.remove(0, lido.tamanho);
        m_prazo.stop();
        m_ociosa = false;
        const auto atraso = m_atraso.Atraso(m_endereco, CAtrasoDoLogin::Relogio::now());
        if (atraso.count() > 0) {
            // Só esta conexão espera; as outras seguem sendo atendidas.
            m_retido = std::move(lido.pedido);
            QTimer::singleShot(atraso, Qt::PreciseTimer, this, [this] {
                const SPedidoHttp pedido = std::move(*m_retido);
                m_retido.reset();
                Responder(pedido);
                Atender();
            });
            return;
        }
        Responder(lido.pedido);
    }
}

void CConexaoHttp::Responder(const SPedidoHttp& pedido)
{
    const auto atendimento = m_paginas.Atender(pedido);
    if (atendimento.login == CServidorDeResultados::ELogin::Errado)
        m_atraso.Errou(m_endereco, CAtrasoDoLogin::Relogio::now());
    else if (atendimento.login == CServidorDeResultados::ELogin::Certo)
        m_atraso.Acertou(m_endereco);
    // A resposta a HEAD não tem corpo: mandá-lo faria o cliente lê-lo como a resposta seguinte.
    Enviar(atendimento.resposta, DepoisDe(pedido), pedido.metodo != "HEAD");
    if (!m_fechando)
        EsperarPedido();
}

void CConexaoHttp::EsperarPedido()
{
    if (!m_recebido.isEmpty() || m_socket->bytesAvailable() > 0)
        return EsperarCabecalho();
    m_ociosa = true;
    m_prazo.start(m_prazos.ociosa);
}

void CConexaoHttp::Enviar(const SRespostaHttp& resposta, EConexaoDepois depois, bool com_corpo)
{
    m_socket->write(EscreverRespostaHttp(resposta, depois, com_corpo));
    if (depois != EConexaoDepois::Fechar)
        return;
    m_fechando = true;
    m_recebido.clear();
    // Quem não lê a última resposta não segura a conexão além do prazo.
    m_prazo.start(m_prazos.ociosa);
    m_socket->disconnectFromHost();
}

void CConexaoHttp::Recusar(int codigo)
{
    Enviar({codigo, TextoDaRecusa(codigo)}, EConexaoDepois::Fechar);
}

void CConexaoHttp::PrazoVencido()
{
    if (m_fechando) {
        m_socket->abort();
        deleteLater();
        return;
    }
    // Parte de um pedido: diz por que fecha. Nada pedido: só fecha.
    if (!m_recebido.isEmpty())
        return Recusar(408);
    m_fechando = true;
    m_prazo.start(m_prazos.ociosa);
    m_socket->disconnectFromHost();
}
