#pragma once

#include <filesystem>

// Aponta HOME e as pastas XDG (as do usuário e as do sistema) para dentro de base,
// criando-as.
void IsolarAmbiente(const std::filesystem::path& base);
