#pragma once

#include "core/ErroDoUsuario.h"

#include <filesystem>
#include <string>

// Mensagem do próprio programa para um arquivo que não abre (leitura dos resultados,
// criação de um relatório).
inline constexpr const char* kErroAoAbrirArquivo = "Erro ao Abrir Arquivo";

// O arquivo não pôde ser aberto (não existe, sem permissão, é uma pasta). Quem mostra
// decide se acrescenta o caminho; a mensagem é a mesma em toda parte.
class CErroAoAbrirArquivo : public CErroDoUsuario {
public:
    CErroAoAbrirArquivo(const std::string& mensagem, std::filesystem::path caminho)
        : CErroDoUsuario(mensagem), m_caminho(std::move(caminho)) {}

    const std::filesystem::path& Caminho() const { return m_caminho; }

private:
    std::filesystem::path m_caminho;
};
