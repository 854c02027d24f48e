#pragma once

#include <string>

// Endereços das duas páginas do serviço de resultados e a divisão de um endereço em
// servidor, porta e objeto, como a conexão HTTP os pede.

inline constexpr int kTipoVarenta = 80;
inline constexpr const char* kServidorPadrao = "127.0.0.1:8080";

struct SEndereco {
    std::string servidor;
    int porta = 80;
    std::string objeto = "/";
};

std::string EnderecoDoUltimoConcurso(const std::string& servidor);
std::string EnderecoDoResultado(const std::string& servidor, int concurso);

// Os 7 primeiros caracteres (o "http://") são pulados sem olhar o que contêm; o servidor
// vai até a primeira "/" depois deles e o objeto começa nela ("/" quando não há).
// "servidor:porta" dá a porta (":" na primeira posição não conta). Porta fora de
// 1..65535: CErroDeInternet.
SEndereco DividirEndereco(const std::string& endereco);

// Monta a resposta linha a linha: cada LF termina uma linha, todo CR sai, uma última
// linha sem LF também conta; cada linha ganha CR LF e o todo perde os brancos das pontas.
std::string MontarResposta(const std::string& corpo);
