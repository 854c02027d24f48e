#pragma once

#include "core/ErroDoUsuario.h"

#include <filesystem>
#include <string>
#include <system_error>

// Mensagem do próprio programa para um arquivo que não pôde ser gravado.
inline constexpr const char* kErroAoSalvarArquivo = "Erro ao Salvar Arquivo";

// Por que o sistema não gravou, em português: "sem espaço no disco", "sem permissão",
// "disco somente leitura", "pasta não existe" ou um texto geral para os outros erros.
std::string MotivoDaFalhaDeGravacao(const std::error_code& erro);

// O arquivo não foi gravado: "Erro ao Salvar Arquivo: <caminho>: <motivo>"; o anterior
// fica como estava.
class CErroAoSalvarArquivo : public CErroDoUsuario {
public:
    CErroAoSalvarArquivo(const std::filesystem::path& caminho, const std::error_code& erro);

    const std::filesystem::path& Caminho() const { return m_caminho; }

private:
    std::filesystem::path m_caminho;
};
