#include "cli/TextoDoErro.h"

#include "core/ErroAoAbrirArquivo.h"

std::string TextoDoErro(const std::exception& erro)
{
    if (const auto* arquivo = dynamic_cast<const CErroAoAbrirArquivo*>(&erro))
        return std::string(erro.what()) + ": " + arquivo->Caminho().string();
    return erro.what();
}
