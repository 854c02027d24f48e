#pragma once

#include "Pastas.h"

// Documentos do usuário (QStandardPaths: $HOME/Documents sem arquivo user-dirs) e a
// pasta do executável como pasta de instalação.
class CPastasDoSistema : public IPastas {
public:
    std::filesystem::path PastaDeDocumentos() const override;
    std::filesystem::path PastaDeInstalacao() const override;
};
