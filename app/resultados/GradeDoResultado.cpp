#include "app/resultados/GradeDoResultado.h"

#include "app/resultados/UnidadesDeDialogo.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

namespace {

// Posições em unidades de diálogo a partir do canto do grupo: as linhas do desenho
// original; à esquerda delas, o nome do time, e acima, o nome de cada coluna de gols.
constexpr int kColunasX[5] = {47, 63, 79, 95, 111};
constexpr int kLinhasY[10] = {23, 37, 54, 68, 88, 102, 121, 135, 154, 168};
constexpr int kRotulosY[5] = {29, 60, 94, 127, 160};
constexpr int kRotulosX = 4;
constexpr int kTimesX = 19;
constexpr int kLarguraDoTime = 27;
constexpr int kCabecalhoY = 12;
constexpr const char* kColunasDeGols[5] = {"0", "1", "2", "3", "+"};

QLabel* NovoRotulo(const QString& texto, Qt::Alignment alinhamento, const QRect& lugar, QWidget* pai)
{
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setAlignment(alinhamento);
    rotulo->setGeometry(lugar);
    return rotulo;
}

} // namespace

CGradeDoResultado::CGradeDoResultado(QWidget* pai) : QGroupBox(QStringLiteral("Resultado"), pai)
{
    const CUnidadesDeDialogo dlu(*this);
    setFixedSize(dlu.Retangulo(0, 0, 126, 191).size());
    for (int coluna = 0; coluna < 5; ++coluna)
        NovoRotulo(QString::fromLatin1(kColunasDeGols[coluna]), Qt::AlignCenter,
                   dlu.Retangulo(kColunasX[coluna] - 1, kCabecalhoY, 11, 9), this);
    for (int jogo = 0; jogo < 5; ++jogo) {
        QLabel* rotulo = NovoRotulo(QStringLiteral("%1").arg(jogo + 1, 2, 10, QLatin1Char('0')), Qt::AlignCenter,
                                    dlu.Retangulo(kRotulosX, kRotulosY[jogo], 12, 9), this);
        rotulo->setFrameShape(QFrame::Box);
        for (int time = 0; time < 2; ++time)
            NovoRotulo(QStringLiteral("Time %1").arg(time + 1), Qt::AlignLeft | Qt::AlignVCenter,
                       dlu.Retangulo(kTimesX, kLinhasY[2 * jogo + time] - 1, kLarguraDoTime, 10), this);
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
