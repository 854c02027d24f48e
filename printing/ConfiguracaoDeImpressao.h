#pragma once

#include <cstdint>

class IConfiguracoes;

// Nomes da seção "impressao" (lidos pela impressão e pelo diálogo de configuração).
namespace ChaveDeImpressao {
inline constexpr const char* kSecao = "impressao";
inline constexpr const char* kTipo = "tipo";
inline constexpr const char* kVolanteMargemX = "volante_margem_x";
inline constexpr const char* kVolanteMargemY = "volante_margem_y";
inline constexpr const char* kFolhaMargemX = "folha_margem_x";
inline constexpr const char* kFolhaMargemY = "folha_margem_y";
inline constexpr const char* kPrimeiraLinhaVertical = "primeira_linha_vertical";
inline constexpr const char* kSegundaLinhaVertical = "segunda_linha_vertical";
inline constexpr const char* kTerceiraLinhaVertical = "terceira_linha_vertical";
inline constexpr const char* kLinhaHorizontal = "linha_horizontal";
inline constexpr const char* kCorDasLinhas = "cor_das_linhas";
inline constexpr const char* kCorDasLinhasRgb = "cor_das_linhas_rgb";
}  // namespace ChaveDeImpressao

// "tipo" 1 imprime nos volantes oficiais; qualquer outro valor, em folhas.
inline constexpr int kTipoFolhas = 0;
inline constexpr int kTipoVolantes = 1;

// O que a impressão de uma página usa, com os padrões da impressão (que não são os do
// diálogo). Margens em centésimos de milímetro, com sinal, usadas como coordenadas.
struct SConfiguracaoDeImpressao {
    int tipo = kTipoFolhas;
    int volante_margem_x = 3200;
    int volante_margem_y = 7500;
    int folha_margem_x = 2000;
    int folha_margem_y = 1500;
    bool primeira_linha_vertical = false;
    bool segunda_linha_vertical = false;
    bool terceira_linha_vertical = true;
    bool linha_horizontal = true;
    uint32_t cor_das_linhas_rgb = 0;  // r | g << 8 | b << 16

    bool ImprimeVolantes() const { return tipo == kTipoVolantes; }
};

// Lida de novo a cada página: uma mudança no meio da visualização já vale.
SConfiguracaoDeImpressao LerConfiguracaoDeImpressao(const IConfiguracoes& configuracoes);
