#include "results/EnderecoDoServico.h"

#include "results/ErroDeInternet.h"
#include "results/TextoDaResposta.h"

std::string EnderecoDoUltimoConcurso(const std::string& servidor)
{
    return "http://" + servidor + "/WebService/PegarUltimoConcurso.aspx?tipo=" + std::to_string(kTipoVarenta);
}

std::string EnderecoDoResultado(const std::string& servidor, int concurso)
{
    return "http://" + servidor + "/WebService/PegarResultado.aspx?tipo=" + std::to_string(kTipoVarenta) +
           "&concurso=" + std::to_string(concurso);
}

SEndereco DividirEndereco(const std::string& endereco)
{
    constexpr size_t kEsquema = 7;
    SEndereco partes;
    const size_t barra = endereco.size() >= kEsquema ? endereco.find('/', kEsquema) : std::string::npos;
    if (barra != std::string::npos) {
        partes.servidor = endereco.substr(kEsquema, barra - kEsquema);
        partes.objeto = endereco.substr(barra);
    } else {
        partes.servidor = endereco.size() > kEsquema ? endereco.substr(kEsquema) : std::string();
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
