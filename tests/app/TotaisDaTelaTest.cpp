// Os campos "Valor", "Qtde de Cartões" e "Cartão Atual" da tela de apostas mostram o
// maior número que podem receber inteiro.

#include "tests/app/ProgramaEmTeste.h"

#include "document/VarentaDoc.h"
#include "app/apostas/ScoreForm.h"
#include "app/shell/Documento.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Largura que o campo tem para o texto: o retângulo de conteúdo do estilo menos as
// margens internas do campo (2 pixels de cada lado) e o cursor.
int LarguraParaOTexto(const QLineEdit& campo)
{
    QStyleOptionFrame opcao;
    opcao.initFrom(&campo);
    opcao.rect = campo.rect();
    opcao.lineWidth = campo.hasFrame() ? campo.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcao, &campo) : 0;
    opcao.midLineWidth = 0;
    opcao.state |= QStyle::State_Sunken;
    const QRect conteudo = campo.style()->subElementRect(QStyle::SE_LineEditContents, &opcao, &campo);
    const QMargins margens = campo.textMargins();
    return conteudo.width() - margens.left() - margens.right() - 4 - 1;
}

TEST(TotaisDaTela, OMaiorPrecoEAMaiorContagemCabemInteiros)
{
    CProgramaEmTeste programa;
    ASSERT_TRUE(programa.Iniciar());
    CScoreForm* tela = programa.TelaDeApostas();
    ASSERT_NE(tela, nullptr);
    auto* valor = tela->findChild<QLineEdit*>(QStringLiteral("valor"));
    auto* valor_das_apostas = tela->findChild<QComboBox*>(QStringLiteral("valor_das_apostas"));
    ASSERT_NE(valor, nullptr);
    ASSERT_NE(valor_das_apostas, nullptr);

    // Todos os cartões possíveis (25^5), em cada valor de aposta.
    programa.Documento()->Doc().m_qtde_apostas = 9765625;
    // O índice 0 já estava escolhido: começando pelo 2 cada troca refaz o preço.
    const std::pair<int, const char*> precos[] = {{2, "39062500.00"}, {1, "19531250.00"}, {0, "9765625.00"}};
    for (const auto& [indice, texto] : precos) {
        valor_das_apostas->setCurrentIndex(indice);
        ASSERT_EQ(valor->text(), texto);
        EXPECT_LE(valor->fontMetrics().horizontalAdvance(valor->text()), LarguraParaOTexto(*valor)) << texto;
    }
    for (const char* nome : {"qtde_de_cartoes", "cartao_atual"}) {
        auto* campo = tela->findChild<QLineEdit*>(QString::fromLatin1(nome));
        ASSERT_NE(campo, nullptr) << nome;
        EXPECT_LE(campo->fontMetrics().horizontalAdvance(QStringLiteral("9765625")), LarguraParaOTexto(*campo))
            << nome;
    }
    // Os três campos não se cobrem e ficam dentro do formulário.
    const QRect a = valor->geometry();
    const QRect b = tela->findChild<QLineEdit*>(QStringLiteral("qtde_de_cartoes"))->geometry();
    const QRect c = tela->findChild<QLineEdit*>(QStringLiteral("cartao_atual"))->geometry();
    EXPECT_FALSE(a.intersects(b));
    EXPECT_FALSE(b.intersects(c));
    EXPECT_LE(c.right(), tela->minimumWidth());
}

}  // namespace
