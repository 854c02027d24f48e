#pragma once

#include "core/Pastas.h"

// Documentos do usuário (QStandardPaths: $HOME/Documents sem arquivo user-dirs) e a
// pasta de instalação achada a partir do executável.
class CPastasDoSistema : public IPastas {
public:
    std::filesystem::path PastaDeDocumentos() const override;
    std::filesystem::path PastaDeInstalacao() const override;

    // Na compilação a ajuda fica ao lado do executável; instalado, o executável vai para
    // bin/ e o resto para share/quinaro, achado pelo caminho relativo que o CMake dá.
    static std::filesystem::path ConteudoDaInstalacao(const std::filesystem::path& pasta_do_executavel);
};
