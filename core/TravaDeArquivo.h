#pragma once

#include "core/ErroDoUsuario.h"

#include <chrono>
#include <filesystem>
#include <string>

// Quanto um programa espera que outro termine de regravar o mesmo arquivo.
inline constexpr std::chrono::milliseconds kEsperaPelaTrava{10000};

// Outro programa (ou outra cópia deste) segurou a trava do arquivo além da espera.
class CArquivoEmUso : public CErroDoUsuario {
public:
    using CErroDoUsuario::CErroDoUsuario;
};

// Trava exclusiva e consultiva de quem lê, muda e regrava um arquivo: flock em
// "<arquivo>.lock", ao lado dele (o arquivo da trava fica; apagá-lo abriria uma corrida).
// Espera até `espera` pela trava de outro processo e então lança CArquivoEmUso com
// `mensagem_em_uso`. Sem como criar o arquivo da trava (pasta que não existe, disco
// somente leitura) ou sem travas no sistema de arquivos, segue sem trava: a gravação
// mesma dirá o que falhou. Solta ao sair do escopo.
class CTravaDeArquivo {
public:
    CTravaDeArquivo(const std::filesystem::path& arquivo, const std::string& mensagem_em_uso,
                    std::chrono::milliseconds espera = kEsperaPelaTrava);
    ~CTravaDeArquivo();
    CTravaDeArquivo(const CTravaDeArquivo&) = delete;
    CTravaDeArquivo& operator=(const CTravaDeArquivo&) = delete;

private:
    int m_descritor = -1;
};
