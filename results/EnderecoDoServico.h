#pragma once

#include <string>

// Endereços das duas páginas do serviço de resultados e a divisão de um endereço em
// servidor, porta e objeto, como a conexão HTTP os pede.

inline constexpr int kTipoVarenta = 80;
inline constexpr const char* kServidorPadrao = "127.0.0.1:8080";

// Login do próprio serviço de resultados (HTTP basic), guardado com os valores de acesso à
// internet; o de "ProxyUser"/"ProxyPassword" é só do proxy.
inline constexpr const char* kServicoUser = "ServicoUser";
inline constexpr const char* kServicoPassword = "ServicoPassword";

struct SEndereco {
    bool tls = false;  // "https://"
    std::string servidor;
    int porta = 80;
    std::string objeto = "/";
};

// servidor: "host[:porta]", "http://host[:porta]" ou "https://host[:porta]" (o esquema em
// qualquer caixa); brancos nas pontas e "/" no fim não contam.
std::string EnderecoDoUltimoConcurso(const std::string& servidor);
std::string EnderecoDoResultado(const std::string& servidor, int concurso);
// "http://host[:porta]" ou "https://host[:porta]", sem "/" no fim.
std::string BaseDoServidor(const std::string& servidor);

// Começando por "https://" (em qualquer caixa), TLS e porta 443. Senão os 7 primeiros
// caracteres (o "http://") são pulados sem olhar o que contêm. O servidor vai até a
// primeira "/" depois do esquema e o objeto começa nela ("/" quando não há).
// "servidor:porta" dá a porta (":" na primeira posição não conta). Porta fora de
// 1..65535: CErroDeInternet.
SEndereco DividirEndereco(const std::string& endereco);

// O servidor como as mensagens o nomeiam: "host:porta", "host" na porta 80, e com
// "https://" na frente quando é TLS ("https://host" na porta 443).
std::string NomeDoServidor(const SEndereco& endereco);
// O mesmo a partir do servidor configurado (o texto aparado, se a porta não serve).
std::string NomeDoServidor(const std::string& servidor);

// Monta a resposta linha a linha: cada LF termina uma linha, todo CR sai, uma última
// linha sem LF também conta; cada linha ganha CR LF e o todo perde os brancos das pontas.
std::string MontarResposta(const std::string& corpo);
