#include "app/dialogos/FiltrosDlg.h"

#include "core/Configuracoes.h"
#include "app/controles/CampoInteiro.h"
#include "app/resultados/TrocaDeDados.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace {
constexpr int kLarguraDoCampo = 60;
constexpr int kEspacoEntreBlocos = 10;

std::string ChaveLigado(const SDefinicaoDeFiltro& filtro)
{
    return std::string("m_bool_") + filtro.nome;
}

std::string ChaveMinimo(const SDefinicaoDeFiltro& filtro)
{
    return std::string("m_min_") + filtro.nome;
}

std::string ChaveMaximo(const SDefinicaoDeFiltro& filtro)
{
    return std::string("m_max_") + filtro.nome;
}

void AdicionarCabecalho(QGridLayout* grade, QWidget* pai)
{
    grade->addWidget(new QLabel(QStringLiteral("Min."), pai), 0, 1, Qt::AlignCenter);
    grade->addWidget(new QLabel(QStringLiteral("Max."), pai), 0, 2, Qt::AlignCenter);
}
}  // namespace

CFiltrosDlg::CFiltrosDlg(IConfiguracoes& configuracoes, QWidget* pai) : QDialog(pai), m_configuracoes(configuracoes)
{
    setWindowTitle(QStringLiteral("Filtros"));
    // Critérios numerados de 0 a 25; no segundo grupo a ordem da tela é 4, 5, 6, 8, 7.
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(NovoGrupo({{0, 1, 2}}));
    esquerda->addWidget(NovoGrupo({{3, 4, 5, 7, 6}}));
    esquerda->addWidget(NovoGrupo({{8, 9, 10}}));
    esquerda->addStretch();
    auto* direita = new QVBoxLayout;
    direita->addWidget(NovoGrupo({{11, 12, 13, 14, 15}, {16, 17, 18, 19, 20}, {21, 22, 23, 24, 25}}));
    direita->addStretch();
    auto* colunas = new QHBoxLayout;
    colunas->addLayout(esquerda);
    colunas->addLayout(direita);

    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &CFiltrosDlg::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &CFiltrosDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(colunas);
    layout->addWidget(botoes);
    CarregarValores();
}

QWidget* CFiltrosDlg::NovoGrupo(std::initializer_list<std::initializer_list<int>> blocos)
{
    auto* grupo = new QGroupBox(this);
    auto* grade = new QGridLayout(grupo);
    AdicionarCabecalho(grade, grupo);
    int linha = 1;
    for (const auto& bloco : blocos) {
        if (linha > 1)
            grade->addItem(new QSpacerItem(0, kEspacoEntreBlocos), linha++, 0);
        for (const int criterio : bloco)
            AdicionarCriterio(grade, linha++, criterio);
    }
    return grupo;
}

void CFiltrosDlg::AdicionarCriterio(QGridLayout* grade, int linha, int criterio)
{
    const SDefinicaoDeFiltro& filtro = kFiltros[static_cast<size_t>(criterio)];
    QWidget* grupo = grade->parentWidget();
    SCampos& campos = m_campos[static_cast<size_t>(criterio)];
    campos.ligado = new QCheckBox(QString::fromUtf8(filtro.rotulo_do_dialogo), grupo);
    campos.ligado->setObjectName(QString::fromStdString(ChaveLigado(filtro)));
    campos.minimo = new CCampoInteiro(grupo);
    campos.minimo->setObjectName(QString::fromStdString(ChaveMinimo(filtro)));
    campos.maximo = new CCampoInteiro(grupo);
    campos.maximo->setObjectName(QString::fromStdString(ChaveMaximo(filtro)));
    for (CCampoInteiro* campo : {campos.minimo, campos.maximo}) {
        campo->DefinirFaixa(0, filtro.maximo);
        campo->setFixedWidth(kLarguraDoCampo);
    }
    grade->addWidget(campos.ligado, linha, 0);
    grade->addWidget(campos.minimo, linha, 1);
    grade->addWidget(campos.maximo, linha, 2);
}

// Os valores guardados (ou os padrões) são os que o filtro usaria.
void CFiltrosDlg::CarregarValores()
{
    CFiltro filtro(m_configuracoes);
    filtro.CarregarFiltros();
    for (size_t i = 0; i < m_campos.size(); ++i) {
        const CFiltro::SCriterio& criterio = filtro.m_criterios[i];
        m_campos[i].ligado->setChecked(criterio.ligado != 0);
        m_campos[i].minimo->DefinirValor(criterio.minimo);
        m_campos[i].maximo->DefinirValor(criterio.maximo);
    }
}

void CFiltrosDlg::accept()
{
    for (size_t i = 0; i < m_campos.size(); ++i) {
        const SDefinicaoDeFiltro& filtro = kFiltros[i];
        m_configuracoes.GravarInteiro(kSecaoFiltros, ChaveLigado(filtro), m_campos[i].ligado->isChecked() ? 1 : 0);
        if (!GravarCampo(ChaveMinimo(filtro), m_campos[i].minimo) ||
            !GravarCampo(ChaveMaximo(filtro), m_campos[i].maximo))
            return;
    }
    QDialog::accept();
}

bool CFiltrosDlg::GravarCampo(const std::string& nome, CCampoInteiro* campo)
{
    const std::optional<int> valor = campo->Valor();
    if (!valor) {
        RecusarCampo(this, campo->CampoDeTexto(), QStringLiteral("Enter an integer."));
        return false;
    }
    m_configuracoes.GravarInteiro(kSecaoFiltros, nome, *valor);
    return true;
}
