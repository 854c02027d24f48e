#pragma once

#include <filesystem>

// Aponta HOME e as pastas XDG para dentro de base (criando-as).
void IsolarAmbiente(const std::filesystem::path& base);
