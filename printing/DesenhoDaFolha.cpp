#include "printing/DesenhoDaFolha.h"

#include "printing/ConfiguracaoDeImpressao.h"
#include "reports/ConvencoesDosRelatorios.h"
#include "printing/GeometriaDaPagina.h"
#include "printing/PrecoDoCartao.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <string>

namespace {
constexpr int64_t kColuna = 630;
constexpr int64_t kLargura = 415;
constexpr int64_t kJogo = 1130;
constexpr int64_t kLarguraDaBarra = 300;
constexpr int64_t kDeslocamentoX[kCartoesPorFolha] = {0, 8280, 0, 8280};
constexpr int64_t kDeslocamentoY[kCartoesPorFolha] = {0, 0, -13800, -13800};
// Barras de alinhamento das linhas dos times 1 e 2 dos cinco jogos e do valor da aposta.
constexpr int64_t kBarras[] = {0, 495, 1130, 1625, 2260, 2755, 3390, 3885, 4520, 5015, 5650};
// Começos das quatro caixas do cabeçalho, depois da barra.
constexpr int64_t kCabecalho[] = {450, 1720, 2990, 4260};
// As quatro linhas de recorte vão até 270 mm abaixo da margem.
constexpr int64_t kComprimento = 27000;

SCaixa Caixa(SCaixa::ETipo tipo, int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    return SCaixa{tipo, {x1, y1}, {x2, y2}};
}

void DesenharAlinhamento(int64_t x0, int64_t t0, SPaginaImpressa& pagina)
{
    for (int64_t s : kBarras)
        pagina.caixas.push_back(
            Caixa(SCaixa::ETipo::Barra, x0, t0 - 2280 - s, x0 + kLarguraDaBarra, t0 - 2500 - s));
}

void DesenharCabecalho(int64_t x0, int64_t t0, SPaginaImpressa& pagina)
{
    pagina.caixas.push_back(Caixa(SCaixa::ETipo::Barra, x0, t0 - 450, x0 + kLarguraDaBarra, t0 - 670));
    for (int64_t inicio : kCabecalho)
        pagina.caixas.push_back(Caixa(SCaixa::ETipo::Barra, x0 + inicio, t0 - 450, x0 + inicio + kLargura, t0 - 670));
}

void DesenharMarcas(const CVolante& cartao, int32_t valor_da_aposta, int64_t x0, int64_t t0, SPaginaImpressa& pagina)
{
    for (int64_t k = 0; k < 5; ++k) {
        const CScore* entrada = cartao.m_scores[k];
        if (entrada == nullptr)
            continue;
        for (int64_t j = 0; j < 5; ++j) {
            const int64_t xj = x0 + 4250 + kColuna * j;
            if (entrada->m_time1[j] == 1)
                pagina.caixas.push_back(
                    Caixa(SCaixa::ETipo::Marca, xj, t0 - 2280 - kJogo * k, xj + kLargura, t0 - 2500 - kJogo * k));
            if (entrada->m_time2[j] == 1)
                pagina.caixas.push_back(
                    Caixa(SCaixa::ETipo::Marca, xj, t0 - 2780 - kJogo * k, xj + kLargura, t0 - 3000 - kJogo * k));
        }
    }
    const int64_t xv = x0 + 4250 + kColuna * valor_da_aposta;
    pagina.caixas.push_back(Caixa(SCaixa::ETipo::Marca, xv, t0 - 8130, xv + kLargura, t0 - 7910));
}
}  // namespace

void DesenharCartaoNaFolha(const CVolante& cartao, int numero, int posicao, int32_t valor_da_aposta, int x, int y,
                           uint32_t cor_rgb, SPaginaImpressa& pagina)
{
    const int64_t x0 = x + kDeslocamentoX[posicao];
    const int64_t t0 = kDeslocamentoY[posicao] - y;
    DesenharAlinhamento(x0, t0, pagina);

    STexto texto;
    texto.canto = {x0 + 1200, t0 - 9500};
    texto.texto = std::to_string(numero) + " - R$ " + TextoDoPrecoDoCartao(cartao, valor_da_aposta) + " Varenta " +
                  kEnderecoDoFabricante;
    texto.fonte = "Arial";
    texto.altura = 280;
    texto.peso = 400;
    texto.rgb = cor_rgb;
    pagina.textos.push_back(texto);

    DesenharCabecalho(x0, t0, pagina);
    DesenharMarcas(cartao, valor_da_aposta, x0, t0, pagina);
}

void DesenharLinhasDeRecorte(const SConfiguracaoDeImpressao& configuracao, int x, int y, SPaginaImpressa& pagina)
{
    const int64_t X = x;
    const int64_t Y = y;
    const uint32_t cor = configuracao.cor_das_linhas_rgb;
    const auto vertical = [&](int64_t xl) { pagina.linhas.push_back(SLinha{{xl, 0}, {xl, -kComprimento - Y}, cor}); };
    if (configuracao.primeira_linha_vertical)
        vertical(X);
    if (configuracao.segunda_linha_vertical)
        vertical(X + 8280);
    if (configuracao.terceira_linha_vertical)
        vertical(X + 16560);
    if (configuracao.linha_horizontal)
        pagina.linhas.push_back(SLinha{{0, -12700 - Y}, {X + 18370, -12700 - Y}, cor});
}
