// Células do quadro, painel de jogo e mostrador de cartões.
#include "tests/app/CaixasModais.h"

#include "core/CartaoCheio.h"
#include "core/Score.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"
#include "app/controles/ScoreButton.h"
#include "app/controles/StaticCartaoVarenta.h"
#include "app/controles/StaticQuadro.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

const QColor kMarca(50, 50, 50);

// Índice do quadro (0..24) do placar (coluna do time 1, coluna do time 2).
int Celula(int time1, int time2)
{
    for (int k = 0; k < 25; ++k)
        if (kColunasDaCelula[k][0] == time1 && kColunasDaCelula[k][1] == time2)
            return k;
    return -1;
}

CVolante NovoCartao(const std::array<int, 5>& celulas)
{
    CVolante volante;
    volante.m_qtde = 5;
    for (int jogo = 0; jogo < 5; ++jogo)
        volante.m_scores[jogo] = CCartaoCheio::Instancia().Celula(jogo, celulas[static_cast<size_t>(jogo)]);
    return volante;
}

// Cada pixel do retângulo (fim exclusivo) é contorno preto ou miolo da marca.
bool RetanguloMarcado(const QImage& imagem, const QRect& caixa)
{
    for (int y = caixa.top(); y <= caixa.bottom(); ++y)
        for (int x = caixa.left(); x <= caixa.right(); ++x) {
            const bool borda = x == caixa.left() || x == caixa.right() || y == caixa.top() || y == caixa.bottom();
            if (QColor(imagem.pixel(x, y)) != (borda ? QColor(Qt::black) : kMarca))
                return false;
        }
    return true;
}

bool TemPixelDaMarca(const QImage& imagem, const QRect& caixa)
{
    for (int y = caixa.top(); y <= caixa.bottom(); ++y)
        for (int x = caixa.left(); x <= caixa.right(); ++x)
            if (QColor(imagem.pixel(x, y)) == kMarca)
                return true;
    return false;
}

bool PixelEscuro(const QImage& imagem, int x, int y)
{
    const QColor cor(imagem.pixel(x, y));
    return cor == QColor(Qt::black) || cor == kMarca;
}

bool VolanteVazio(const QImage& imagem)
{
    for (int jogo = 0; jogo < 5; ++jogo)
        for (int coluna = 0; coluna < 5; ++coluna)
            for (int time = 1; time <= 2; ++time)
                if (TemPixelDaMarca(imagem, CStaticCartaoVarenta::RetanguloDaMarca(jogo, coluna, time)))
                    return false;
    return true;
}

class MostradorDeCartoes : public ::testing::Test {
protected:
    // n cartões; o cartão i tem no jogo 0 o placar i x 0.
    void Preencher(int n)
    {
        for (int i = 0; i < n; ++i) {
            CVolante volante = NovoCartao({Celula(i % 5, 0), 0, 0, 0, 0});
            m_documento.m_volantes.Adicionar(volante);
            m_cartoes.push_back(volante);
        }
        m_mostrador.DefinirDocumento(&m_documento);
    }

    QImage Imagem() { return m_mostrador.grab().toImage(); }
    // O cartão que o mostrador tem como atual; sem atual, um cartão vazio.
    CVolante Atual() const
    {
        const int posicao = m_mostrador.Posicao();
        return posicao > 0 ? m_documento.m_volantes.Cartao(posicao - 1) : CVolante();
    }

    CVarentaDoc m_documento;
    CStaticCartaoVarenta m_mostrador;
    std::vector<CVolante> m_cartoes;
};

}  // namespace

TEST(CelulaDoQuadro, TresCliquesVoltamAAlternativaAvisandoACadaClique)
{
    CScoreButton celula;
    celula.resize(13, 13);
    std::vector<int> estados_avisados;
    QObject::connect(&celula, &CScoreButton::estadoMudou, [&] { estados_avisados.push_back(celula.Estado()); });

    for (int clique = 0; clique < 3; ++clique)
        QTest::mouseClick(&celula, Qt::LeftButton, {}, QPoint(6, 6));

    EXPECT_EQ(estados_avisados, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(celula.Estado(), 0);
}

TEST(CelulaDoQuadro, CliqueDuploContaComoDoisCliquesEDefinirNaoAvisa)
{
    CScoreButton celula;
    celula.resize(13, 13);
    celula.show();
    QSignalSpy avisos(&celula, &CScoreButton::estadoMudou);

    celula.DefinirEstado(2);
    EXPECT_EQ(avisos.count(), 0);

    // A sequência que a plataforma entrega num clique duplo.
    QTest::mouseClick(&celula, Qt::LeftButton, {}, QPoint(6, 6));
    QTest::mouseDClick(&celula, Qt::LeftButton, {}, QPoint(6, 6));
    QTest::mouseRelease(&celula, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(celula.Estado(), 1);
    EXPECT_EQ(avisos.count(), 2);
}

TEST(PainelDoJogo, CelulasNosRetangulosDoQuadro)
{
    CStaticQuadro painel(2);
    EXPECT_EQ(painel.size(), QSize(255, 73));
    EXPECT_EQ(CStaticQuadro::RetanguloDaCelula(0), QRect(49, 2, 13, 13));
    EXPECT_EQ(CStaticQuadro::RetanguloDaCelula(9), QRect(49 + 4 * 36, 2 + 14, 13, 13));
    EXPECT_EQ(CStaticQuadro::RetanguloDaCelula(24), QRect(193, 58, 13, 13));
    EXPECT_LE(CStaticQuadro::RetanguloDaCelula(24).right(), painel.width() - 1);
    EXPECT_LE(CStaticQuadro::RetanguloDaCelula(24).bottom(), painel.height() - 1);

    for (int k = 0; k < 25; ++k) {
        auto* celula = new CScoreButton(&painel);
        celula->setGeometry(CStaticQuadro::RetanguloDaCelula(k));
        celula->DefinirEstado(k % 3);
    }
    GravarCaptura(painel, QStringLiteral("painel_do_jogo.png"));
}

TEST_F(MostradorDeCartoes, UmXZeroNosJogos0E1MarcaOsRetangulosDaRegra)
{
    m_documento.m_volantes.Adicionar(NovoCartao({Celula(1, 0), Celula(1, 0), Celula(0, 0), Celula(0, 0), Celula(0, 0)}));
    m_mostrador.DefinirDocumento(&m_documento);
    m_mostrador.Navegar(CStaticCartaoVarenta::kPrimeiro, true);
    const QImage imagem = Imagem();

    // Jogo 0: time 1 na coluna "1", time 2 na coluna "0".
    EXPECT_TRUE(RetanguloMarcado(imagem, QRect(QPoint(167, 142), QPoint(181, 151))));
    EXPECT_TRUE(RetanguloMarcado(imagem, QRect(QPoint(146, 158), QPoint(160, 167))));
    // Jogo 1: 37,8 pixels abaixo, truncados.
    EXPECT_TRUE(RetanguloMarcado(imagem, QRect(QPoint(167, 179), QPoint(181, 188))));
    EXPECT_TRUE(RetanguloMarcado(imagem, QRect(QPoint(146, 195), QPoint(160, 204))));
    // Nada além dos retângulos: a borda de fora e as caixas vizinhas ficam do volante.
    for (const QPoint& fora : {QPoint(166, 146), QPoint(182, 146), QPoint(174, 141), QPoint(174, 152),
                               QPoint(153, 157), QPoint(153, 168), QPoint(174, 178), QPoint(174, 189)})
        EXPECT_FALSE(PixelEscuro(imagem, fora.x(), fora.y())) << fora.x() << "," << fora.y();
    EXPECT_FALSE(TemPixelDaMarca(imagem, CStaticCartaoVarenta::RetanguloDaMarca(0, 0, 1)));
    EXPECT_FALSE(TemPixelDaMarca(imagem, CStaticCartaoVarenta::RetanguloDaMarca(1, 1, 2)));

    GravarCaptura(m_mostrador, QStringLiteral("mostrador_de_cartoes.png"));
}

TEST_F(MostradorDeCartoes, SoMarcasIguaisA1SaoDesenhadasECadaUmaConta)
{
    // Jogo 2 com duas colunas marcadas no time 1 e uma marca de valor 2 no time 2.
    CScore entrada;
    entrada.m_jogo = 2;
    entrada.m_time1[0] = 1;
    entrada.m_time1[3] = 1;
    entrada.m_time2[1] = 1;
    entrada.m_time2[4] = 2;
    CVolante volante = NovoCartao({0, 0, 0, 0, 0});
    volante.m_scores[2] = &entrada;
    m_documento.m_volantes.Adicionar(volante);
    m_mostrador.DefinirDocumento(&m_documento);
    m_mostrador.Navegar(CStaticCartaoVarenta::kPrimeiro, true);
    const QImage imagem = Imagem();

    EXPECT_TRUE(RetanguloMarcado(imagem, CStaticCartaoVarenta::RetanguloDaMarca(2, 0, 1)));
    EXPECT_TRUE(RetanguloMarcado(imagem, CStaticCartaoVarenta::RetanguloDaMarca(2, 3, 1)));
    EXPECT_TRUE(RetanguloMarcado(imagem, CStaticCartaoVarenta::RetanguloDaMarca(2, 1, 2)));
    EXPECT_FALSE(TemPixelDaMarca(imagem, CStaticCartaoVarenta::RetanguloDaMarca(2, 4, 2)));

    EXPECT_EQ(m_mostrador.RemoverAtual(), 2);
}

TEST_F(MostradorDeCartoes, ListaVaziaDesenhaOVolanteVazioNaPosicao0)
{
    m_mostrador.DefinirDocumento(&m_documento);
    EXPECT_EQ(m_mostrador.Navegar(CStaticCartaoVarenta::kPrimeiro, true), 0);
    EXPECT_EQ(m_mostrador.Posicao(), 0);
    EXPECT_EQ(m_mostrador.Navegar(CStaticCartaoVarenta::kUltimo, true), 0);
    EXPECT_EQ(m_mostrador.RemoverAtual(), 0);
    EXPECT_TRUE(VolanteVazio(Imagem()));
}

TEST_F(MostradorDeCartoes, NavegacaoAndaPelaListaELevaOCartaoAtualDoDocumento)
{
    Preencher(3);
    struct SPasso {
        int modo;
        int posicao;
    };
    // Próximo no último, anterior no primeiro e modos desconhecidos não mudam nada.
    const SPasso passos[] = {{0, 1}, {1, 2}, {1, 3}, {1, 3}, {2, 2}, {3, 3}, {0, 1}, {2, 1}, {7, 1}};
    for (const SPasso& passo : passos) {
        EXPECT_EQ(m_mostrador.Navegar(passo.modo, true), passo.posicao) << "modo " << passo.modo;
        EXPECT_EQ(Atual(), m_cartoes[static_cast<size_t>(passo.posicao - 1)]);
        EXPECT_EQ(m_documento.m_indice_atual, m_mostrador.Posicao() - 1);
    }
}

TEST_F(MostradorDeCartoes, RemoverDoMeioDoFimEDoUnico)
{
    Preencher(3);
    m_mostrador.IrPara(2);

    EXPECT_EQ(m_mostrador.RemoverAtual(), 1);  // do meio: o sucessor no mesmo lugar
    EXPECT_EQ(m_mostrador.Posicao(), 2);
    EXPECT_EQ(Atual(), m_cartoes[2]);

    EXPECT_EQ(m_mostrador.RemoverAtual(), 1);  // o último: o anterior, uma posição antes
    EXPECT_EQ(m_mostrador.Posicao(), 1);
    EXPECT_EQ(Atual(), m_cartoes[0]);

    EXPECT_EQ(m_mostrador.RemoverAtual(), 1);  // o único
    EXPECT_EQ(m_mostrador.Posicao(), 0);
    EXPECT_EQ(m_mostrador.Posicao(), 0);
    EXPECT_EQ(m_documento.m_indice_atual, -1);
    EXPECT_EQ(m_documento.m_volantes.Quantidade(), 0);
    EXPECT_TRUE(VolanteVazio(Imagem()));
}

TEST_F(MostradorDeCartoes, IrParaForaDaListaNaoMudaNada)
{
    Preencher(3);
    m_mostrador.IrPara(3);
    EXPECT_EQ(m_mostrador.Posicao(), 3);
    EXPECT_EQ(Atual(), m_cartoes[2]);

    for (int n : {4, 0, -1}) {
        m_mostrador.IrPara(n);
        EXPECT_EQ(m_mostrador.Posicao(), 3) << n;
        EXPECT_EQ(Atual(), m_cartoes[2]) << n;
    }
}

TEST_F(MostradorDeCartoes, EsconderCartaoMostraOVolanteVazioSemPerderAPosicao)
{
    Preencher(2);
    m_mostrador.Navegar(CStaticCartaoVarenta::kUltimo, true);
    EXPECT_FALSE(VolanteVazio(Imagem()));

    m_mostrador.EsconderCartao();
    EXPECT_TRUE(VolanteVazio(Imagem()));
    EXPECT_EQ(m_mostrador.Posicao(), 2);

    m_mostrador.Navegar(CStaticCartaoVarenta::kPrimeiro, true);
    EXPECT_FALSE(VolanteVazio(Imagem()));
}
