#include "app/controles/StaticCartaoVarenta.h"

#include "app/controles/ImagemDoVolante.h"
#include "core/ListaDeVolantes.h"
#include "core/Score.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"

#include <QPainter>

namespace {
constexpr int kLarguraDaMarca = 15;
const QColor kCorDaMarca(50, 50, 50);

// Retângulo da plataforma original: contorno preto de um pixel, miolo na cor da marca.
void DesenharMarca(QPainter& pintor, const QRect& caixa)
{
    pintor.fillRect(caixa, Qt::black);
    pintor.fillRect(caixa.adjusted(1, 1, -1, -1), kCorDaMarca);
}

void DesenharPlacar(QPainter& pintor, const CScore& entrada)
{
    const int jogo = entrada.m_jogo;
    if (jogo < 0 || jogo > 4)
        return;
    for (int coluna = 0; coluna < 5; ++coluna) {
        if (entrada.m_time1[coluna] == 1)
            DesenharMarca(pintor, CStaticCartaoVarenta::RetanguloDaMarca(jogo, coluna, 1));
        if (entrada.m_time2[coluna] == 1)
            DesenharMarca(pintor, CStaticCartaoVarenta::RetanguloDaMarca(jogo, coluna, 2));
    }
}
}  // namespace

CStaticCartaoVarenta::CStaticCartaoVarenta(QWidget* pai) : CStaticCartao(pai)
{
    setFixedSize(kLargura, kAltura);
}

QRect CStaticCartaoVarenta::RetanguloDaMarca(int jogo, int coluna, int time)
{
    // A conta em precisão simples decide em qual linha de pixels cada jogo começa.
    const float topo_do_jogo = static_cast<float>(jogo) * 37.8f + 142.0f;
    const float deslocamento = time == 1 ? 0.0f : 16.0f;
    const int topo = static_cast<int>(topo_do_jogo + deslocamento);
    const int fim = static_cast<int>(topo_do_jogo + 10.0f + deslocamento);
    return {146 + 21 * coluna, topo, kLarguraDaMarca, fim - topo};
}

void CStaticCartaoVarenta::DefinirDocumento(CVarentaDoc* documento)
{
    m_documento = documento;
    m_volantes = documento ? &documento->m_volantes : nullptr;
    m_atual = nullptr;
    m_exibido = nullptr;
    m_posicao = 0;
    update();
}

int CStaticCartaoVarenta::Navegar(int modo, bool redesenhar)
{
    switch (modo) {
    case kPrimeiro:
        if (m_volantes)
            MostrarCartao(m_volantes->m_primeiro, m_volantes->m_primeiro ? 1 : 0);
        break;
    case kProximo:
        // Sem próximo (botão que a tela já desabilita) nada muda.
        if (m_atual && m_atual->m_proximo)
            MostrarCartao(m_atual->m_proximo, m_posicao + 1);
        break;
    case kAnterior:
        if (m_atual && m_atual->m_anterior)
            MostrarCartao(m_atual->m_anterior, m_posicao - 1);
        break;
    case kUltimo:
        if (m_volantes)
            MostrarCartao(m_volantes->m_ultimo, m_volantes->m_qtde);
        break;
    default:
        break;
    }
    Redesenhar(redesenhar);
    return m_posicao;
}

int CStaticCartaoVarenta::RemoverAtual()
{
    if (!m_atual || !m_volantes)
        return 0;
    CVolante* removido = m_atual;
    const int apostas = removido->QtdeDeApostas();
    if (removido->m_proximo) {
        CVolante* proximo = removido->m_proximo;
        m_volantes->Remover(removido);
        MostrarCartao(proximo, m_posicao);
    } else {
        CVolante* anterior = removido->m_anterior;
        m_volantes->Remover(removido);
        MostrarCartao(anterior, m_posicao - 1);
    }
    Redesenhar(true);
    return apostas;
}

void CStaticCartaoVarenta::IrPara(int n)
{
    if (!m_volantes || n < 1)
        return;
    CVolante* volante = m_volantes->m_primeiro;
    for (int passo = 1; volante && passo < n; ++passo)
        volante = volante->m_proximo;
    if (!volante)
        return;
    MostrarCartao(volante, n);
    Redesenhar(true);
}

void CStaticCartaoVarenta::EsconderCartao()
{
    m_exibido = nullptr;
    Redesenhar(true);
}

void CStaticCartaoVarenta::MostrarCartao(CVolante* volante, int posicao)
{
    m_atual = volante;
    m_exibido = volante;
    m_posicao = posicao;
    if (m_documento)
        m_documento->m_volante_atual = volante;
}

void CStaticCartaoVarenta::Redesenhar(bool redesenhar)
{
    if (redesenhar)
        update();
}

void CStaticCartaoVarenta::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.drawImage(0, 0, ImagemDoVolante());
    if (!m_exibido)
        return;
    for (const CScore* entrada : m_exibido->m_scores)
        if (entrada)
            DesenharPlacar(pintor, *entrada);
}
