#include "tests/support/Ambiente.h"

#include <cstdlib>

void IsolarAmbiente(const std::filesystem::path& base)
{
    for (const char* nome : {"config", "data", "cache", "runtime", "config-sistema", "data-sistema"})
        std::filesystem::create_directories(base / nome);
    std::filesystem::permissions(base / "runtime", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    setenv("HOME", base.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (base / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (base / "data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (base / "cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (base / "runtime").c_str(), 1);
    // As pastas do sistema também: nada de configurações ou dados instalados na máquina.
    setenv("XDG_CONFIG_DIRS", (base / "config-sistema").c_str(), 1);
    setenv("XDG_DATA_DIRS", (base / "data-sistema").c_str(), 1);
}
