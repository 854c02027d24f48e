#include "results/EnderecoDoServico.h"

#include "results/ErroDeInternet.h"
#include "results/TextoDaResposta.h"

#include <cctype>
#include <string_view>

namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";

bool ComecaPor(std::string_view texto, std::string_view inicio)
{
    if (texto.size() < inicio.size())
        return false;
    for (size_t i = 0; i < inicio.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(texto[i])) != inicio[i])
            return false;
    return true;
}

} // namespace

std::string BaseDoServidor(const std::string& servidor)
{
    std::string_view resto = Aparar(servidor);
    std::string_view esquema = kHttp;
    if (ComecaPor(resto, kHttps)) {
        esquema = kHttps;
        resto.remove_prefix(kHttps.size());
    } else if (ComecaPor(resto, kHttp)) {
        resto.remove_prefix(kHttp.size());
    }
    while (!resto.empty() && resto.back() == '/')
        resto.remove_suffix(1);
    return std::string(esquema) + std::string(resto);
}

std::string EnderecoDoUltimoConcurso(const std::string& servidor)
{
    return BaseDoServidor(servidor) + "/WebService/PegarUltimoConcurso.aspx?tipo=" + std::to_string(kTipoVarenta);
}

std::string EnderecoDoResultado(const std::string& servidor, int concurso)
{
    return BaseDoServidor(servidor) + "/WebService/PegarResultado.aspx?tipo=" + std::to_string(kTipoVarenta) +
           "&concurso=" + std::to_string(concurso);
}

SEndereco DividirEndereco(const std::string& endereco)
{
    SEndereco partes;
    size_t esquema = kHttp.size();
    if (ComecaPor(endereco, kHttps)) {
        partes.tls = true;
        partes.porta = 443;
        esquema = kHttps.size();
    }
    const size_t barra = endereco.size() >= esquema ? endereco.find('/', esquema) : std::string::npos;
    if (barra != std::string::npos) {
        partes.servidor = endereco.substr(esquema, barra - esquema);
        partes.objeto = endereco.substr(barra);
    } else {
        partes.servidor = endereco.size() > esquema ? endereco.substr(esquema) : std::string();
    }
    const size_t dois_pontos = partes.servidor.find(':');
    if (dois_pontos != std::string::npos && dois_pontos > 0) {
        partes.porta = InteiroDoInicio(std::string_view(partes.servidor).substr(dois_pontos + 1));
        partes.servidor.erase(dois_pontos);
        if (partes.porta < 1 || partes.porta > 65535)
            throw CErroDeInternet(CErroDeInternet::Tipo::EnderecoInvalido,
                                  "Porta inválida no endereço do servidor de resultados: " + endereco);
    }
    return partes;
}

std::string NomeDoServidor(const SEndereco& endereco)
{
    std::string nome = (endereco.tls ? std::string(kHttps) : std::string()) + endereco.servidor;
    if (endereco.porta != (endereco.tls ? 443 : 80))
        nome += ":" + std::to_string(endereco.porta);
    return nome;
}

std::string NomeDoServidor(const std::string& servidor)
{
    try {
        return NomeDoServidor(DividirEndereco(BaseDoServidor(servidor)));
    } catch (const CErroDeInternet&) {
        return std::string(Aparar(servidor));
    }
}

std::string MontarResposta(const std::string& corpo)
{
    std::string resposta;
    resposta.reserve(corpo.size() + corpo.size() / 8);
    size_t inicio = 0;
    while (inicio < corpo.size()) {
        size_t fim = corpo.find('\n', inicio);
        if (fim == std::string::npos)
            fim = corpo.size();
        for (size_t i = inicio; i < fim; ++i)
            if (corpo[i] != '\r')
                resposta += corpo[i];
        resposta += "\r\n";
        inicio = fim + 1;
    }
    return std::string(Aparar(resposta));
}
