// Placares em texto quaisquer: ou dez colunas de 0 a 4, ou CErroDoUsuario.
#include "core/ErroDoUsuario.h"
#include "core/PlacaresEmTexto.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    try {
        for (int coluna : LerPlacares(std::string(reinterpret_cast<const char*>(dados), tamanho)))
            if (coluna < 0 || coluna > 4)
                std::abort();
    } catch (const CErroDoUsuario&) {
    }
    return 0;
}
