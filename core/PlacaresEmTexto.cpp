#include "core/PlacaresEmTexto.h"

#include "core/ErroDoUsuario.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <sstream>
#include <vector>

namespace {

constexpr char kRotulos[5] = {'0', '1', '2', '3', '+'};

std::string MarcasDoTime(const int16_t (&marcas)[5])
{
    std::string texto;
    for (int c = 0; c < 5; ++c)
        if (marcas[c] == 1)
            texto += kRotulos[c];
    return texto.empty() ? "-" : texto;
}

int ColunaDoRotulo(char rotulo)
{
    for (int c = 0; c < 5; ++c)
        if (kRotulos[c] == rotulo)
            return c;
    return -1;
}

[[noreturn]] void Malformado(const std::string& texto)
{
    throw CErroDoUsuario("Placares inválidos: \"" + texto +
                         "\". Informe cinco placares separados por espaço, como \"1x0 2x2 +x1 0x0 3x+\" "
                         "(gols de 0 a 3 ou +).");
}

} // namespace

std::string MarcasDaEntrada(const CScore& entrada)
{
    return MarcasDoTime(entrada.m_time1) + "x" + MarcasDoTime(entrada.m_time2);
}

std::string MarcasDoJogo(const CVolante& cartao, int jogo)
{
    return cartao.m_scores[jogo] != nullptr ? MarcasDaEntrada(*cartao.m_scores[jogo]) : "-x-";
}

std::string MarcasDoCartao(const CVolante& cartao)
{
    std::string texto;
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            texto += ' ';
        texto += MarcasDoJogo(cartao, i);
    }
    return texto;
}

std::array<int, 10> LerPlacares(const std::string& texto)
{
    std::istringstream entrada(texto);
    std::vector<std::string> placares;
    for (std::string placar; entrada >> placar;)
        placares.push_back(placar);
    if (placares.size() != 5)
        Malformado(texto);
    std::array<int, 10> colunas{};
    for (size_t m = 0; m < 5; ++m) {
        const std::string& placar = placares[m];
        if (placar.size() != 3 || (placar[1] != 'x' && placar[1] != 'X'))
            Malformado(texto);
        colunas[2 * m] = ColunaDoRotulo(placar[0]);
        colunas[2 * m + 1] = ColunaDoRotulo(placar[2]);
        if (colunas[2 * m] < 0 || colunas[2 * m + 1] < 0)
            Malformado(texto);
    }
    return colunas;
}
