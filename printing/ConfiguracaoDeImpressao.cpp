#include "printing/ConfiguracaoDeImpressao.h"

#include "core/Configuracoes.h"

SConfiguracaoDeImpressao LerConfiguracaoDeImpressao(const IConfiguracoes& configuracoes)
{
    namespace C = ChaveDeImpressao;
    const SConfiguracaoDeImpressao padrao;
    const auto ler = [&](const char* nome, int valor) { return configuracoes.LerInteiro(C::kSecao, nome, valor); };
    SConfiguracaoDeImpressao lida;
    lida.tipo = ler(C::kTipo, padrao.tipo);
    lida.volante_margem_x = ler(C::kVolanteMargemX, padrao.volante_margem_x);
    lida.volante_margem_y = ler(C::kVolanteMargemY, padrao.volante_margem_y);
    lida.folha_margem_x = ler(C::kFolhaMargemX, padrao.folha_margem_x);
    lida.folha_margem_y = ler(C::kFolhaMargemY, padrao.folha_margem_y);
    lida.primeira_linha_vertical = ler(C::kPrimeiraLinhaVertical, padrao.primeira_linha_vertical) != 0;
    lida.segunda_linha_vertical = ler(C::kSegundaLinhaVertical, padrao.segunda_linha_vertical) != 0;
    lida.terceira_linha_vertical = ler(C::kTerceiraLinhaVertical, padrao.terceira_linha_vertical) != 0;
    lida.linha_horizontal = ler(C::kLinhaHorizontal, padrao.linha_horizontal) != 0;
    lida.cor_das_linhas_rgb = static_cast<uint32_t>(ler(C::kCorDasLinhasRgb, static_cast<int>(padrao.cor_das_linhas_rgb)));
    return lida;
}
