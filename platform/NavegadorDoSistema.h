#pragma once

#include "core/Navegador.h"

// Abre o arquivo no programa registrado (QDesktopServices); se falhar, tenta xdg-open.
class CNavegadorDoSistema : public INavegador {
public:
    void Abrir(const std::filesystem::path& arquivo) override;
};
