#pragma once

#include <cstddef>
#include <cstdint>

// Etiquetas do formato de arquivamento, comuns à gravação e à leitura.
namespace etiquetas {
inline constexpr uint16_t kNovaClasse = 0xFFFF;            // classe descrita por extenso
inline constexpr uint16_t kMarcaDeClasse = 0x8000;         // referência a classe já descrita
inline constexpr uint16_t kIndiceGrande = 0x7FFF;          // índice de 32 bits a seguir
inline constexpr uint32_t kMarcaDeClasseGrande = 0x80000000u;
inline constexpr size_t kTamanhoDoBuffer = 1 << 16;
}
