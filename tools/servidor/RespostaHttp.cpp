#include "tools/servidor/RespostaHttp.h"

namespace {

QByteArray Motivo(int codigo)
{
    switch (codigo) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 431:
        return "Request Header Fields Too Large";
    case 503:
        return "Service Unavailable";
    case 505:
        return "HTTP Version Not Supported";
    }
    return "Error";
}

} // namespace

QByteArray EscreverRespostaHttp(const SRespostaHttp& resposta, EConexaoDepois depois, bool com_corpo)
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(resposta.codigo) + ' ' + Motivo(resposta.codigo) +
                       "\r\nContent-Type: text/plain; charset=utf-8\r\n";
    if (resposta.pedir_login)
        bytes += "WWW-Authenticate: Basic realm=\"Quinaro\"\r\n";
    bytes += "Content-Length: " + QByteArray::number(resposta.corpo.size()) + "\r\n";
    if (depois == EConexaoDepois::Fechar)
        bytes += "Connection: close\r\n";
    else if (depois == EConexaoDepois::ManterHttp10)
        bytes += "Connection: keep-alive\r\n";
    bytes += "\r\n";
    if (com_corpo)
        bytes += resposta.corpo;
    return bytes;
}
