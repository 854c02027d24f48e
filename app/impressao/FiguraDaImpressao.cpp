#include "app/impressao/FiguraDaImpressao.h"

#include "core/CartaoCheio.h"
#include "printing/ConfiguracaoDeImpressao.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "printing/ImpressaoDeCartoes.h"
#include "printing/PintorDaPagina.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"

#include <QImage>
#include <QPainter>

namespace {
constexpr double kLarguraA4 = 21000;  // 0,01 mm
constexpr double kAlturaA4 = 29700;
constexpr double kCentesimosPorMetro = 100000;

void AdicionarExemplos(CVarentaDoc& documento, int cartoes)
{
    for (int i = 0; i < cartoes; ++i) {
        CVolante cartao;
        cartao.m_qtde = 5;
        for (int m = 0; m < 5; ++m)
            cartao.m_scores[m] = CCartaoCheio::Instancia().Celula(m, (5 * i + 7 * m) % 25);
        documento.m_volantes.Adicionar(cartao);
    }
}
}  // namespace

QPixmap FiguraDaImpressao(int tipo, int largura)
{
    namespace C = ChaveDeImpressao;
    CConfiguracoesEmMemoria configuracoes;
    configuracoes.GravarInteiro(C::kSecao, C::kTipo, tipo);
    for (const char* linha : {C::kPrimeiraLinhaVertical, C::kSegundaLinhaVertical, C::kTerceiraLinhaVertical})
        configuracoes.GravarInteiro(C::kSecao, linha, 1);
    configuracoes.GravarInteiro(C::kSecao, C::kCorDasLinhasRgb, 128 | 128 << 8);
    CVarentaDoc documento;
    documento.OnNewDocument();
    AdicionarExemplos(documento, tipo == kTipoVolantes ? 1 : 4);
    CImpressaoDeCartoes impressao(documento, configuracoes);
    impressao.PrepararImpressao();

    // A resolução da imagem faz a página inteira caber na largura pedida.
    const int altura = static_cast<int>(largura * kAlturaA4 / kLarguraA4);
    QImage imagem(largura, altura, QImage::Format_RGB32);
    const int pontos_por_metro = static_cast<int>(largura / kLarguraA4 * kCentesimosPorMetro);
    imagem.setDotsPerMeterX(pontos_por_metro);
    imagem.setDotsPerMeterY(pontos_por_metro);
    imagem.fill(Qt::white);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    PintarPagina(pintor, impressao.ImprimirPagina(1));
    pintor.setPen(Qt::gray);
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(imagem.rect().adjusted(0, 0, -1, -1));
    pintor.end();
    return QPixmap::fromImage(imagem);
}
