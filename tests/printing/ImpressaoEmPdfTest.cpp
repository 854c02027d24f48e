// Os cartões impressos de verdade por uma QPrinter num PDF e a página lida de volta como
// imagem (pdftoppm): as marcas saem pretas onde o desenho diz, e só lá.
#include "tests/support/CartoesDeTeste.h"

#include "printing/ConfiguracaoDeImpressao.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/ErroDoUsuario.h"
#include "printing/ImpressaoDeCartoes.h"
#include "printing/ImpressaoNaImpressora.h"
#include "tests/support/PastaTemporaria.h"

#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace C = ChaveDeImpressao;
constexpr int kPontosPorPolegada = 150;
const uint32_t kOliva = 128 | 128 << 8;

// Ponto da página (0,01 mm, y para cima) em pixels da imagem.
QPoint Pixel(int64_t x, int64_t y)
{
    return {static_cast<int>(x * kPontosPorPolegada / 2540), static_cast<int>(-y * kPontosPorPolegada / 2540)};
}

QPoint Centro(const SCaixa& caixa)
{
    return Pixel((caixa.canto1.x + caixa.canto2.x) / 2, (caixa.canto1.y + caixa.canto2.y) / 2);
}

// Fora da imagem não é nem preto nem branco (QImage::pixel daria 0, que é preto).
bool Preto(const QImage& imagem, QPoint p)
{
    return imagem.valid(p) && qGray(imagem.pixel(p)) < 60;
}

bool Branco(const QImage& imagem, QPoint p)
{
    return imagem.valid(p) && qGray(imagem.pixel(p)) > 230;
}

class ImpressaoEmPdf : public testing::Test {
protected:
    void SetUp() override
    {
        m_pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (m_pdftoppm.isEmpty())
            GTEST_SKIP() << "pdftoppm (poppler-utils) não está instalado: a página impressa não pode ser lida";
        m_configuracoes.GravarInteiro(C::kSecao, C::kCorDasLinhasRgb, static_cast<int>(kOliva));
    }

    // As páginas do PDF como imagens, em ordem; falha o teste se o pdftoppm falhar.
    std::vector<QImage> Paginas(const std::filesystem::path& pdf)
    {
        const QString prefixo = QString::fromStdString((m_pasta / "pagina").string());
        QProcess processo;
        processo.start(m_pdftoppm, {QStringLiteral("-r"), QString::number(kPontosPorPolegada), QStringLiteral("-png"),
                                    QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                    QStringLiteral("no"), QString::fromStdString(pdf.string()), prefixo});
        EXPECT_TRUE(processo.waitForFinished(60000));
        EXPECT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
        std::vector<QImage> paginas;
        for (int n = 1; QFileInfo::exists(prefixo + QStringLiteral("-%1.png").arg(n)); ++n)
            paginas.emplace_back(prefixo + QStringLiteral("-%1.png").arg(n));
        return paginas;
    }

    std::vector<SPaginaImpressa> Desenhos(const CVarentaDoc& documento)
    {
        CImpressaoDeCartoes impressao(documento, m_configuracoes);
        const int paginas = impressao.PrepararImpressao();
        std::vector<SPaginaImpressa> desenhos;
        for (int p = 1; p <= paginas; ++p)
            desenhos.push_back(impressao.ImprimirPagina(p));
        return desenhos;
    }

    QString m_pdftoppm;
    CPastaTemporaria m_pasta;
    CConfiguracoesEmMemoria m_configuracoes;
};

TEST_F(ImpressaoEmPdf, MarcasPretasOndeODesenhoDiz)
{
    struct SCaso {
        const char* nome;
        int tipo;
        int cartoes;
        size_t paginas;
    };
    const SCaso casos[] = {{"folhas", kTipoFolhas, 5, 2}, {"volantes", kTipoVolantes, 2, 2}};
    for (const SCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        m_configuracoes.GravarInteiro(C::kSecao, C::kTipo, caso.tipo);
        const auto documento = DocumentoComCartoes(caso.cartoes, 1);
        const auto pdf = m_pasta / (std::string(caso.nome) + ".pdf");
        ImprimirEmPdf(*documento, m_configuracoes, pdf.string());

        const std::vector<QImage> imagens = Paginas(pdf);
        const std::vector<SPaginaImpressa> desenhos = Desenhos(*documento);
        ASSERT_EQ(imagens.size(), caso.paginas);
        ASSERT_EQ(desenhos.size(), caso.paginas);
        for (size_t p = 0; p < imagens.size(); ++p) {
            SCOPED_TRACE("página " + std::to_string(p + 1));
            const QImage& imagem = imagens[p];
            // A4 inteiro a 150 pontos por polegada.
            EXPECT_NEAR(imagem.width(), 1240, 2);
            EXPECT_NEAR(imagem.height(), 1754, 2);
            for (const SCaixa& caixa : desenhos[p].caixas) {
                EXPECT_TRUE(Preto(imagem, Centro(caixa)))
                    << "caixa em (" << caixa.canto1.x << ", " << caixa.canto1.y << ")";
                // Entre uma coluna de gols e a seguinte o papel fica em branco.
                if (caixa.tipo != SCaixa::ETipo::Marca)
                    continue;
                SCaixa vizinha = caixa;
                vizinha.canto1.x += 315;
                vizinha.canto2.x += 315;
                EXPECT_TRUE(Branco(imagem, Centro(vizinha)))
                    << "entre caixas em (" << vizinha.canto1.x << ", " << vizinha.canto1.y << ")";
            }
        }
    }
}

TEST_F(ImpressaoEmPdf, SegundaFolhaSoComOQuintoCartaoELinhasNaCor)
{
    const auto documento = DocumentoComCartoes(5);
    const auto pdf = m_pasta / "cinco.pdf";
    ImprimirEmPdf(*documento, m_configuracoes, pdf.string());
    const std::vector<QImage> imagens = Paginas(pdf);
    ASSERT_EQ(imagens.size(), 2u);
    const std::vector<SPaginaImpressa> desenhos = Desenhos(*documento);
    // O lugar do cartão em cima à direita fica vazio na segunda folha.
    for (const SCaixa& caixa : desenhos[1].caixas) {
        SCaixa direita = caixa;
        direita.canto1.x += 8280;
        direita.canto2.x += 8280;
        EXPECT_TRUE(Branco(imagens[1], Centro(direita)));
        // Na primeira, o segundo cartão tem as mesmas barras de alinhamento ali.
        if (caixa.tipo == SCaixa::ETipo::Barra) {
            EXPECT_TRUE(Preto(imagens[0], Centro(direita)));
        }
    }
    // A linha horizontal (y = -13700 com Y = 1000) tracejada em oliva, nas duas folhas.
    for (const QImage& imagem : imagens) {
        int oliva = 0;
        const int linha = Pixel(0, -13700).y();
        for (int x = 0; x < Pixel(20370, 0).x(); ++x)
            for (int y = linha - 1; y <= linha + 1; ++y) {
                const QColor cor = imagem.pixelColor(x, y);
                oliva += cor.red() > 90 && cor.red() < 170 && cor.green() > 90 && cor.green() < 170 && cor.blue() < 60;
            }
        EXPECT_GT(oliva, Pixel(20370, 0).x() / 2) << "linha horizontal tracejada em oliva";
    }
}

TEST_F(ImpressaoEmPdf, DocumentoSemCartoesNaoGeraPdf)
{
    const auto documento = DocumentoComCartoes(0);
    const auto pdf = m_pasta / "vazio.pdf";
    EXPECT_THROW(ImprimirEmPdf(*documento, m_configuracoes, pdf.string()), CErroDoUsuario);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
