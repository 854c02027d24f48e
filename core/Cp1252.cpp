#include "core/Cp1252.h"

#include <cstdint>

namespace {

// Bytes 0x80..0x9F; os demais valem o próprio código.
constexpr char32_t kFaixa80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AcrescentarUtf8(std::string& saida, char32_t c)
{
    if (c < 0x80) {
        saida += static_cast<char>(c);
    } else if (c < 0x800) {
        saida += static_cast<char>(0xC0 | (c >> 6));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        saida += static_cast<char>(0xE0 | (c >> 12));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ByteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kFaixa80[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

// Decodifica um caractere UTF-8 a partir de i; devolve U+FFFD para sequência inválida.
char32_t ProximoCaractere(std::string_view t, size_t& i)
{
    const auto b0 = static_cast<unsigned char>(t[i++]);
    if (b0 < 0x80)
        return b0;
    int extras = 0;
    char32_t c = 0;
    if ((b0 & 0xE0) == 0xC0) { extras = 1; c = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { extras = 2; c = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { extras = 3; c = b0 & 0x07; }
    else return 0xFFFD;
    for (int k = 0; k < extras; ++k) {
        if (i >= t.size() || (static_cast<unsigned char>(t[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(t[i++]) & 0x3F);
    }
    return c;
}

} // namespace

std::string Cp1252ParaUtf8(std::string_view bytes)
{
    std::string saida;
    saida.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AcrescentarUtf8(saida, (b >= 0x80 && b < 0xA0) ? kFaixa80[b - 0x80] : char32_t(b));
    }
    return saida;
}

std::string Utf8ParaCp1252(std::string_view texto)
{
    std::string saida;
    saida.reserve(texto.size());
    size_t i = 0;
    while (i < texto.size())
        saida += ByteDe(ProximoCaractere(texto, i));
    return saida;
}
