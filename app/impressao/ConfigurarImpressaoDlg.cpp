#include "app/impressao/ConfigurarImpressaoDlg.h"

#include "app/impressao/ConfigurarImpressaoFolhaDlg.h"
#include "app/impressao/ConfigurarImpressaoVolanteDlg.h"
#include "printing/ConfiguracaoDeImpressao.h"
#include "core/Configuracoes.h"
#include "app/shell/Icones.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
namespace C = ChaveDeImpressao;

// Padrões do diálogo (a impressão tem os seus).
constexpr int kMargemPadrao = 2000;
constexpr int kCorPadrao = 4;  // "Oliva"
}  // namespace

CConfigurarImpressaoDlg::CConfigurarImpressaoDlg(IConfiguracoes& configuracoes, QWidget* pai)
    : QDialog(pai), m_configuracoes(configuracoes)
{
    setWindowTitle(QStringLiteral("Configurar Impressão"));
    m_abas = new QTabWidget;
    m_abas->setFixedSize(470, 350);
    m_folha = new CConfigurarImpressaoFolhaDlg;
    m_volante = new CConfigurarImpressaoVolanteDlg;
    const QIcon icone = IconeDoRecurso(128);
    m_abas->addTab(m_folha, icone, QStringLiteral("Folha"));
    m_abas->addTab(m_volante, icone, QStringLiteral("Volante"));

    auto* grupo = new QGroupBox(QStringLiteral("Tipo da Impressão"));
    auto* radios = new QHBoxLayout(grupo);
    m_folhas = new QRadioButton(QStringLiteral("Folhas"));
    m_volantes = new QRadioButton(QStringLiteral("Volantes"));
    m_tipo = new QButtonGroup(this);
    m_tipo->addButton(m_folhas, kTipoFolhas);
    m_tipo->addButton(m_volantes, kTipoVolantes);
    radios->addWidget(m_folhas);
    radios->addWidget(m_volantes);
    connect(m_tipo, &QButtonGroup::idClicked, this, &CConfigurarImpressaoDlg::OnTipo);

    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    botoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(grupo);
    rodape->addStretch(1);
    rodape->addWidget(botoes, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_abas);
    layout->addLayout(rodape);
    setFixedSize(sizeHint());

    CarregarValores();
}

void CConfigurarImpressaoDlg::CarregarValores()
{
    const auto ler = [this](const char* nome, int padrao) { return m_configuracoes.LerInteiro(C::kSecao, nome, padrao); };
    m_volante->m_margem_x = ler(C::kVolanteMargemX, kMargemPadrao);
    m_volante->m_margem_y = ler(C::kVolanteMargemY, kMargemPadrao);
    m_folha->m_margem_x = ler(C::kFolhaMargemX, kMargemPadrao);
    m_folha->m_margem_y = ler(C::kFolhaMargemY, kMargemPadrao);
    m_folha->m_linhas = {ler(C::kPrimeiraLinhaVertical, 0) != 0, ler(C::kSegundaLinhaVertical, 0) != 0,
                         ler(C::kTerceiraLinhaVertical, 1) != 0, ler(C::kLinhaHorizontal, 1) != 0};
    m_folha->m_cor = ler(C::kCorDasLinhas, kCorPadrao);
    m_folha->MostrarValores();
    m_volante->MostrarValores();

    // Um "tipo" que não é de nenhum botão deixa os dois desmarcados e a folha na frente.
    const int tipo = ler(C::kTipo, kTipoFolhas);
    if (QAbstractButton* botao = m_tipo->button(tipo))
        botao->setChecked(true);
    m_abas->setCurrentIndex(tipo == kTipoVolantes ? 1 : 0);
}

void CConfigurarImpressaoDlg::OnTipo()
{
    m_abas->setCurrentIndex(m_tipo->checkedId() == kTipoVolantes ? 1 : 0);
}

void CConfigurarImpressaoDlg::accept()
{
    m_folha->LerValores();
    m_volante->LerValores();
    const auto gravar = [this](const char* nome, int valor) { m_configuracoes.GravarInteiro(C::kSecao, nome, valor); };
    gravar(C::kVolanteMargemX, m_volante->m_margem_x);
    gravar(C::kVolanteMargemY, m_volante->m_margem_y);
    gravar(C::kFolhaMargemX, m_folha->m_margem_x);
    gravar(C::kFolhaMargemY, m_folha->m_margem_y);
    gravar(C::kCorDasLinhas, m_folha->m_cor);
    gravar(C::kPrimeiraLinhaVertical, m_folha->m_linhas[0]);
    gravar(C::kSegundaLinhaVertical, m_folha->m_linhas[1]);
    gravar(C::kTerceiraLinhaVertical, m_folha->m_linhas[2]);
    gravar(C::kLinhaHorizontal, m_folha->m_linhas[3]);
    gravar(C::kTipo, m_tipo->checkedId());
    gravar(C::kCorDasLinhasRgb, static_cast<int>(m_folha->m_cor_rgb));
    QDialog::accept();
}
