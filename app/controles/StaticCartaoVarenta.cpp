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
    m_exibir = false;
    m_posicao = 0;
    update();
}

int CStaticCartaoVarenta::Navegar(int modo, bool redesenhar)
{
    const int cartoes = m_volantes ? m_volantes->Quantidade() : 0;
    switch (modo) {
    case kPrimeiro:
        if (m_volantes)
            MostrarCartao(cartoes > 0 ? 1 : 0);
        break;
    case kProximo:
        // Sem próximo (botão que a tela já desabilita) nada muda.
        if (m_posicao > 0 && m_posicao < cartoes)
            MostrarCartao(m_posicao + 1);
        break;
    case kAnterior:
        if (m_posicao > 1)
            MostrarCartao(m_posicao - 1);
        break;
    case kUltimo:
        if (m_volantes)
            MostrarCartao(cartoes);
        break;
    default:
        break;
    }
    Redesenhar(redesenhar);
    return m_posicao;
}

int CStaticCartaoVarenta::RemoverAtual()
{
    if (m_posicao == 0 || !m_volantes)
        return 0;
    const int apostas = m_volantes->Cartao(m_posicao - 1).QtdeDeApostas();
    const bool tem_proximo = m_posicao < m_volantes->Quantidade();
    m_volantes->Remover(m_posicao - 1);
    // O próximo cai na mesma posição; sem próximo, o anterior vira o atual.
    MostrarCartao(tem_proximo ? m_posicao : m_posicao - 1);
    Redesenhar(true);
    return apostas;
}

void CStaticCartaoVarenta::IrPara(int n)
{
    if (!m_volantes || n < 1 || n > m_volantes->Quantidade())
        return;
    MostrarCartao(n);
    Redesenhar(true);
}

void CStaticCartaoVarenta::EsconderCartao()
{
    m_exibir = false;
    Redesenhar(true);
}

void CStaticCartaoVarenta::MostrarCartao(int posicao)
{
    m_posicao = posicao;
    m_exibir = posicao > 0;
    if (m_documento)
        m_documento->m_indice_atual = posicao - 1;
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
    if (!m_exibir || !m_volantes || m_posicao > m_volantes->Quantidade())
        return;
    for (const CScore* entrada : m_volantes->Cartao(m_posicao - 1).m_scores)
        if (entrada)
            DesenharPlacar(pintor, *entrada);
}
