#include "core/ErroAoSalvarArquivo.h"

std::string MotivoDaFalhaDeGravacao(const std::error_code& erro)
{
    // Comparados pelas condições genéricas: o mesmo texto para o erro do POSIX e o do sistema.
    if (erro == std::errc::no_space_on_device)
        return "sem espaço no disco";
    if (erro == std::errc::permission_denied || erro == std::errc::operation_not_permitted)
        return "sem permissão";
    if (erro == std::errc::read_only_file_system)
        return "disco somente leitura";
    if (erro == std::errc::no_such_file_or_directory)
        return "pasta não existe";
    return "não foi possível gravar";
}

CErroAoSalvarArquivo::CErroAoSalvarArquivo(const std::filesystem::path& caminho, const std::error_code& erro)
    : CErroDoUsuario(std::string(kErroAoSalvarArquivo) + ": " + caminho.string() + ": " + MotivoDaFalhaDeGravacao(erro)),
      m_caminho(caminho)
{
}
