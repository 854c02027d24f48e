#include "printing/DesenhoDoVolante.h"

#include "reports/ConvencoesDosRelatorios.h"
#include "printing/GeometriaDaPagina.h"
#include "printing/PrecoDoCartao.h"
#include "core/Score.h"
#include "core/Volante.h"

#include <string>

namespace {
constexpr int64_t kColuna = 630;  // passo entre as colunas de gols do volante
constexpr int64_t kLargura = 415;
constexpr int64_t kJogo = 1130;  // passo entre os jogos

SCaixa Marca(int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    return SCaixa{SCaixa::ETipo::Marca, {x1, y1}, {x2, y2}};
}
}  // namespace

void DesenharVolante(const CVolante& cartao, int numero, int32_t valor_da_aposta, int x, int y,
                     SPaginaImpressa& pagina)
{
    const int64_t X = x;
    const int64_t Y = y;
    for (int64_t k = 0; k < 5; ++k) {
        const CScore* entrada = cartao.m_scores[k];
        if (entrada == nullptr)
            continue;
        for (int64_t j = 0; j < 5; ++j) {
            const int64_t xj = X + kColuna * j;
            if (entrada->m_time1[j] == 1)
                pagina.caixas.push_back(Marca(xj, -Y - kJogo * k + 220, xj + kLargura, -Y - kJogo * k));
            if (entrada->m_time2[j] == 1)
                pagina.caixas.push_back(Marca(xj, -Y - kJogo * k - 280, xj + kLargura, -Y - kJogo * k - 500));
        }
    }
    const int64_t xv = X + kColuna * valor_da_aposta;
    pagina.caixas.push_back(Marca(xv, -Y - 5410, xv + kLargura, -Y - 5630));

    STexto texto;
    texto.canto = {X - 3000, -Y - 6870};
    texto.texto = std::to_string(numero) + " - R$ " + TextoDoPrecoDoCartao(cartao, valor_da_aposta) + " - " +
                  kEnderecoDoFabricante;
    texto.fonte = "Arial";
    texto.altura = 300;
    texto.peso = 700;
    pagina.textos.push_back(texto);
}
