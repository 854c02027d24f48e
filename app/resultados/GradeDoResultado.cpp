#include "app/resultados/GradeDoResultado.h"

#include "app/resultados/UnidadesDeDialogo.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

namespace {

// Posições do desenho original, em unidades de diálogo a partir do canto do grupo.
constexpr int kColunasX[5] = {28, 44, 60, 76, 92};
constexpr int kLinhasY[10] = {23, 37, 54, 68, 88, 102, 121, 135, 154, 168};
constexpr int kRotulosY[5] = {29, 60, 94, 127, 160};
constexpr int kRotulosX = 10;

} // namespace

CGradeDoResultado::CGradeDoResultado(QWidget* pai) : QGroupBox(QStringLiteral("Resultado"), pai)
{
    const CUnidadesDeDialogo dlu(*this);
    setFixedSize(dlu.Retangulo(0, 0, 116, 191).size());
    for (int jogo = 0; jogo < 5; ++jogo) {
        auto* rotulo = new QLabel(QStringLiteral("%1").arg(jogo + 1, 2, 10, QLatin1Char('0')), this);
        rotulo->setFrameShape(QFrame::Box);
        rotulo->setAlignment(Qt::AlignCenter);
        rotulo->setGeometry(dlu.Retangulo(kRotulosX, kRotulosY[jogo], 12, 9));
    }
    for (int linha = 0; linha < 10; ++linha) {
        m_linhas[linha] = new QButtonGroup(this);
        for (int coluna = 0; coluna < 5; ++coluna) {
            auto* botao = new QRadioButton(this);
            // Um pouco maior que o desenho (9 x 8) para caber o indicador do estilo.
            botao->setGeometry(dlu.Retangulo(kColunasX[coluna] - 1, kLinhasY[linha] - 1, 11, 10));
            m_linhas[linha]->addButton(botao, coluna);
            m_botoes[linha][coluna] = botao;
        }
        m_botoes[linha][0]->setChecked(true);
    }
}

std::array<int, 10> CGradeDoResultado::Colunas() const
{
    std::array<int, 10> colunas{};
    for (int linha = 0; linha < 10; ++linha)
        colunas[linha] = m_linhas[linha]->checkedId();
    return colunas;
}

void CGradeDoResultado::DefinirColunas(const std::array<int, 10>& colunas)
{
    for (int linha = 0; linha < 10; ++linha)
        m_botoes[linha][colunas[linha]]->setChecked(true);
}
