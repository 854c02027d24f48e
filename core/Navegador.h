#pragma once

#include <filesystem>

// Mostra um arquivo no navegador do usuário. Uma falha não é informada.
class INavegador {
public:
    virtual ~INavegador() = default;
    virtual void Abrir(const std::filesystem::path& arquivo) = 0;
};
