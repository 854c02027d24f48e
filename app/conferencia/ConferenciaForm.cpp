#include "app/conferencia/ConferenciaForm.h"

#include "checking/ColunasDoResultado.h"
#include "app/conferencia/ConferenciaAvancadaVarentaDlg.h"
#include "checking/Conferencia.h"
#include "core/PrecoDaAposta.h"
#include "document/VarentaDoc.h"
#include "app/controles/ColorListBox.h"
#include "app/resultados/AvisoDeResultados.h"
#include "app/resultados/GradeDoResultado.h"
#include "app/resultados/ResultadosNaTela.h"
#include "app/resultados/TextoDoConcurso.h"
#include "app/shell/ChildFrame.h"
#include "app/shell/CursorDeEspera.h"
#include "app/shell/Mensagens.h"
#include "app/shell/Servicos.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kLarguraDaMoldura = 550;
constexpr int kAlturaDaMoldura = 480;
// O maior número de cartões de uma aposta (25^5): a linha mais larga do resumo.
constexpr int kMaisCartoes = 9765625;

// Largura em que toda linha possível do resumo cabe inteira, sem rolar para o lado.
int LarguraDoResumo(const QListWidget& lista)
{
    const QFontMetrics medida(lista.font());
    int maior = 0;
    for (int acertos = 0; acertos <= 5; ++acertos)
        for (const int quantidade : {0, 1, kMaisCartoes})
            maior = std::max(maior, medida.horizontalAdvance(
                                        QString::fromStdString(TextoDaAnalise(acertos, quantidade))));
    // As margens do texto no item e a moldura da lista, dos dois lados.
    const int margem = lista.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &lista) + 1;
    return maior + 2 * margem + 2 * lista.frameWidth() + medida.averageCharWidth();
}

} // namespace

CConferenciaForm::CConferenciaForm(CDocumento& documento, QWidget* pai) : CVista(documento, pai)
{
    setObjectName(QStringLiteral("CConferenciaForm"));
    CriarControles();
    Conectar();
}

CConferenciaForm::~CConferenciaForm() = default;

void CConferenciaForm::CriarControles()
{
    auto* cabecalho = new QGroupBox(QStringLiteral("Conferência de Resultados"), this);
    auto* escolha = new QVBoxLayout;
    escolha->addWidget(new QLabel(QStringLiteral("Concurso:"), cabecalho));
    m_concurso = new QComboBox(cabecalho);
    m_concurso->setMinimumWidth(90);
    m_concurso->setMaxVisibleItems(15);
    escolha->addWidget(m_concurso);
    m_botao_conferir = new QPushButton(QStringLiteral("Conferir"), cabecalho);
    m_botao_limpar = new QPushButton(QStringLiteral("LimparTudo"), cabecalho);
    m_botao_avancado = new QPushButton(QStringLiteral("Avançado"), cabecalho);
    auto* linha_de_cima = new QHBoxLayout(cabecalho);
    linha_de_cima->addLayout(escolha);
    linha_de_cima->addStretch();
    for (QPushButton* botao : {m_botao_conferir, m_botao_limpar, m_botao_avancado})
        linha_de_cima->addWidget(botao, 0, Qt::AlignBottom);

    m_grade = new CGradeDoResultado(this);
    m_analise = new QListWidget(this);
    m_analise->setSelectionMode(QAbstractItemView::NoSelection);
    m_analise->setMinimumWidth(LarguraDoResumo(*m_analise));
    m_premiados = new CColorListBox(this);
    m_premiados->setSelectionMode(QAbstractItemView::NoSelection);
    auto* listas = new QVBoxLayout;
    listas->addWidget(new QLabel(QStringLiteral("Análise das Apostas:"), this));
    listas->addWidget(m_analise);
    listas->addWidget(new QLabel(QStringLiteral("Cartões Premiados:"), this));
    listas->addWidget(m_premiados);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(m_grade, 0, Qt::AlignTop);
    corpo->addLayout(listas, 1);
    auto* tela = new QVBoxLayout(this);
    tela->addWidget(cabecalho);
    tela->addLayout(corpo, 1);
}

void CConferenciaForm::Conectar()
{
    connect(m_botao_conferir, &QPushButton::clicked, this, &CConferenciaForm::OnConferir);
    connect(m_botao_limpar, &QPushButton::clicked, this, &CConferenciaForm::OnLimparTudo);
    connect(m_botao_avancado, &QPushButton::clicked, this, &CConferenciaForm::OnAvancado);
    // Cada escolha do usuário carrega o concurso, mesmo a do item que já estava escolhido
    // (depois de "LimparTudo" o seletor continua nele).
    connect(m_concurso, &QComboBox::activated, this, &CConferenciaForm::OnSelchangeConcurso);
    connect(&CAvisoDeResultados::Instancia(), &CAvisoDeResultados::resultadosMudaram, this,
            &CConferenciaForm::RecarregarResultados);
}

void CConferenciaForm::OnInitialUpdate()
{
    CVista::OnInitialUpdate();
    m_grade->DefinirColunas(m_colunas);
    if (CChildFrame* frame = Frame()) {
        // O tamanho do desenho, ou a largura que a fonte da tela pede para o resumo caber
        // inteiro: a da tela mais as bordas da janela e da rolagem.
        int bordas = 2 * frame->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, frame);
        if (const auto* rolagem = qobject_cast<const QScrollArea*>(frame->widget()))
            bordas += 2 * rolagem->frameWidth();
        const QSize tamanho(std::max(kLarguraDaMoldura, minimumSizeHint().width() + bordas), kAlturaDaMoldura);
        frame->setGeometry(QRect(QPoint(0, 0), tamanho));
        if (const QWidget* area = frame->parentWidget())
            frame->move(std::max(0, (area->width() - tamanho.width()) / 2),
                        std::max(0, (area->height() - tamanho.height()) / 2));
    }
    m_botao_conferir->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    m_botao_limpar->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    m_botao_avancado->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    CarregarResultados();
}

void CConferenciaForm::CarregarResultados()
{
    bool lido = false;
    // Arquivo danificado: a mensagem do erro; a tela fica sem concursos, mas marcar um
    // resultado à mão e conferir continuam valendo.
    m_resultados.clear();
    // Os itens apontam posições da lista: sem lista, sem itens.
    {
        const QSignalBlocker sem_avisos(m_concurso);
        m_concurso->clear();
    }
    Proteger(this, [&] {
        auto lidos = ResultadosNaTela(this, Servicos().pastas);
        lido = lidos.has_value();
        if (lido)
            m_resultados = std::move(*lidos);
    });
    if (lido)
        PreencherConcursos();
}

void CConferenciaForm::RecarregarResultados()
{
    const QString escolhido = m_concurso->currentIndex() > 0 ? m_concurso->currentText() : QString();
    CarregarResultados();
    const int item = escolhido.isEmpty() ? -1 : m_concurso->findText(escolhido);
    if (item > 0) {
        const QSignalBlocker sem_avisos(m_concurso);
        m_concurso->setCurrentIndex(item);
    }
}

void CConferenciaForm::PreencherConcursos()
{
    const QSignalBlocker sem_avisos(m_concurso);
    m_concurso->clear();
    m_concurso->addItem(QStringLiteral("Nenhum"));
    for (const auto& resultado : m_resultados)
        m_concurso->addItem(ConcursoComCincoAlgarismos(resultado->m_concurso));
    m_concurso->setCurrentIndex(0);
}

void CConferenciaForm::EsvaziarListas()
{
    m_analise->clear();
    m_premiados->clear();
}

void CConferenciaForm::OnSelchangeConcurso()
{
    EsvaziarListas();
    const int item = m_concurso->currentIndex();
    m_colunas = item > 0 ? ColunasDoResultado(*m_resultados[static_cast<size_t>(item - 1)]) : std::array<int, 10>{};
    m_grade->DefinirColunas(m_colunas);
}

void CConferenciaForm::OnConferir()
{
    bool cinco_acertos = false;
    {
        CCursorDeEspera espera;
        m_colunas = m_grade->Colunas();
        const CCartaoResultado resultado(m_colunas);
        std::vector<std::string> resumo;
        std::vector<SLinhaColorida> premios;
        cinco_acertos = Doc().ConferirVolantes(resultado.Volante(), resumo, premios);
        EsvaziarListas();
        for (const std::string& linha : resumo)
            m_analise->addItem(QString::fromStdString(linha));
        for (const SLinhaColorida& linha : premios)
            m_premiados->AdicionarLinha(QString::fromStdString(linha.texto), linha.cor);
    }
    if (cinco_acertos)
        MostrarAviso(this, QString::fromUtf8(kParabensPelosCincoAcertos));
}

void CConferenciaForm::OnLimparTudo()
{
    m_colunas.fill(0);
    EsvaziarListas();
    m_grade->DefinirColunas(m_colunas);
}

void CConferenciaForm::OnAvancado()
{
    // Sem dono explícito: a janela principal é a dona do diálogo.
    CConferenciaAvancadaVarentaDlg dialogo(Servicos(), window());
    dialogo.DefinirPrecoDaAposta(PrecoDaAposta(Doc().m_valor_da_aposta, Doc().m_qtde_apostas));
    dialogo.AbrirAnalise(Doc().m_volantes);
}
