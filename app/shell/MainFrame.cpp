#include "app/shell/MainFrame.h"

#include "app/shell/BloqueioDaInterface.h"
#include "app/shell/ChildFrame.h"
#include "app/shell/Documento.h"
#include "app/shell/Icones.h"
#include "app/shell/Mensagens.h"
#include "app/shell/MvDocTemplate.h"
#include "app/shell/Vista.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

namespace {
constexpr int kQtdeDeRecentes = 4;
constexpr int kSeparador = 0;
constexpr int kRecentes = -1;  // lugar da lista de arquivos recentes num menu
// Uma tela arrumada em cascata ou em faixas não fica menor que a moldura da tela de
// apostas, enquanto a área couber.
constexpr QSize kTamanhoUtil(780, 480);
// Marca dos itens da lista de telas no menu "&Janela", refeitos a cada abertura.
constexpr const char* kItemDaListaDeJanelas = "item_da_lista_de_janelas";

struct SItem {
    int id;
    const char* texto;
};

// Textos dos itens de menu, um por comando.
constexpr SItem kItens[] = {
    {Comando::kNovo, "&Novo"},
    {Comando::kAbrir, "&Abrir..."},
    {Comando::kFechar, "&Fechar"},
    {Comando::kSalvar, "&Salvar"},
    {Comando::kSalvarComo, "Salvar &Como..."},
    {Comando::kImprimir, "&Imprimir..."},
    {Comando::kVisualizarImpressao, "V&isualizar Impressão"},
    {Comando::kConfigurarImpressora, "Con&figurar Impressora..."},
    {Comando::kConfigurarImpressaoDoCartao, "Configurar Impressão do Cartão..."},
    {Comando::kSair, "&Sair"},
    {Comando::kBarraDeFerramentas, "&Toolbar"},
    {Comando::kBarraDeStatus, "&Status Bar"},
    {Comando::kTelaDeApostas, "Tela de Apostas"},
    {Comando::kConferencia, "Conferência"},
    {Comando::kExecutar, "Executar"},
    {Comando::kConfigurarFiltros, "Configurar Filtros"},
    {Comando::kFiltrar, "Filtrar"},
    {Comando::kReduzirApostas, "Reduzir Apostas..."},
    {Comando::kResultadosVarenta, "Resultados Varenta"},
    {Comando::kAtualizarPelaInternet, "Atualizar Resultados pela Internet"},
    {Comando::kConfigurarInternet, "Configurar Acesso à Internet..."},
    {Comando::kInserirResultado, "Inserir Resultado Manualmente"},
    {Comando::kRemoverResultado, "Remover Resultado Manualmente"},
    {Comando::kImportarResultadosCsv, "Importar Resultados CSV..."},
    {Comando::kExportarResultadosCsv, "Exportar Resultados CSV..."},
    {Comando::kExportarCartoesCsv, "Exportar Cartões CSV..."},
    {Comando::kFrequenciaResultados, "Frequência de resultados"},
    {Comando::kGolsPorTime, "Quantidade de gols por Time"},
    {Comando::kTotalDeGols, "Quantidade total de Gols"},
    {Comando::kResultadosPorColunaTime1, "Quantidade de resultados por coluna para o Time 1"},
    {Comando::kResultadosPorColunaTime2, "Quantidade de resultados por coluna para o Time 2"},
    {Comando::kTotalResultadosPorColuna, "Quantidade total de resultados por coluna"},
    {Comando::kRelatorioDeApostas, "Relatório de todas as apostas"},
    {Comando::kComprovantes, "Comprovantes"},
    {Comando::kCascata, "&Cascata"},
    {Comando::kFaixas, "&Faixas"},
    {Comando::kIcones, "&Icones"},
    {Comando::kSobre, "&Sobre Quinaro..."},
    {Comando::kAjuda, "Como utilizar o Quinaro..."},
};

// Dicas da barra de ferramentas.
const QHash<int, QString>& Dicas()
{
    static const QHash<int, QString> dicas = {
        {Comando::kNovo, QStringLiteral("Novo")},
        {Comando::kAbrir, QStringLiteral("Abrir")},
        {Comando::kSalvar, QStringLiteral("Salvar")},
        {Comando::kTelaDeApostas, QStringLiteral("Tela de Apostas")},
        {Comando::kConferencia, QStringLiteral("Conferência")},
        {Comando::kImprimir, QStringLiteral("Imprimir")},
        {Comando::kSobre, QStringLiteral("Sobre Quinaro")},
    };
    return dicas;
}
}  // namespace

CMainFrame::CMainFrame(QWidget* pai) : QMainWindow(pai)
{
    setWindowTitle(QStringLiteral("Quinaro"));
    setWindowIcon(IconeDoRecurso(Recurso::kPrincipal));
    m_area = new QMdiArea(this);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, [this] { AtualizarInterface(); });
    CriarAcoes();
    CriarMenus();
    DefinirComandosDaJanela();
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Criar()
{
    CriarBarraDeFerramentas();
    CriarBarraDeStatus();
    if (m_barra == nullptr || statusBar() == nullptr)
        return false;
    AtualizarInterface();
    return true;
}

QAction* CMainFrame::Acao(int id) const
{
    return m_acoes.value(id, nullptr);
}

QAction* CMainFrame::CriarAcao(int id, const QString& texto)
{
    auto* acao = new QAction(texto, this);
    acao->setEnabled(false);
    connect(acao, &QAction::triggered, this, [this, id] { ExecutarComando(id); });
    m_acoes.insert(id, acao);
    return acao;
}

void CMainFrame::CriarAcoes()
{
    for (const SItem& item : kItens)
        CriarAcao(item.id, QString::fromUtf8(item.texto));
    for (int i = 0; i < kQtdeDeRecentes; ++i)
        CriarAcao(Comando::kArquivoRecente1 + i, QString())->setVisible(false);
    m_sem_recentes = new QAction(QStringLiteral("Arquivos recentes"), this);
    m_sem_recentes->setEnabled(false);

    Acao(Comando::kNovo)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Acao(Comando::kAbrir)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Acao(Comando::kSalvar)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Acao(Comando::kImprimir)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Acao(Comando::kAjuda)->setShortcut(QKeySequence(Qt::Key_F1));
    Acao(Comando::kExecutar)->setShortcut(QKeySequence(Qt::Key_F5));
    for (int id : {Comando::kBarraDeFerramentas, Comando::kBarraDeStatus, Comando::kTelaDeApostas,
                   Comando::kConferencia})
        Acao(id)->setCheckable(true);

    QStyle* estilo = style();
    Acao(Comando::kNovo)->setIcon(estilo->standardIcon(QStyle::SP_FileIcon));
    Acao(Comando::kAbrir)->setIcon(estilo->standardIcon(QStyle::SP_DialogOpenButton));
    Acao(Comando::kSalvar)->setIcon(estilo->standardIcon(QStyle::SP_DialogSaveButton));
    Acao(Comando::kTelaDeApostas)->setIcon(IconeDoRecurso(Recurso::kTelaDeApostas));
    Acao(Comando::kConferencia)->setIcon(IconeDoRecurso(Recurso::kTelaDeConferencia));
    Acao(Comando::kImprimir)->setIcon(IconeDeImpressao());
    Acao(Comando::kSobre)->setIcon(estilo->standardIcon(QStyle::SP_MessageBoxInformation));
    for (auto dica = Dicas().cbegin(); dica != Dicas().cend(); ++dica) {
        Acao(dica.key())->setToolTip(dica.value());
        Acao(dica.key())->setStatusTip(dica.value());
    }
}

QMenu* CMainFrame::NovoMenu(const QString& titulo, const QList<int>& comandos)
{
    auto* menu = new QMenu(titulo, this);
    connect(menu, &QMenu::aboutToShow, this, [this] { AtualizarComandos(); });
    for (int id : comandos) {
        if (id == kSeparador) {
            menu->addSeparator();
        } else if (id == kRecentes) {
            menu->addAction(m_sem_recentes);
            for (int i = 0; i < kQtdeDeRecentes; ++i)
                menu->addAction(Acao(Comando::kArquivoRecente1 + i));
        } else {
            menu->addAction(Acao(id));
        }
    }
    return menu;
}

QMenu* CMainFrame::MenuArquivo(bool com_documento, bool com_cartoes)
{
    using namespace Comando;
    if (!com_documento)
        return NovoMenu(QStringLiteral("&Arquivo"), {kNovo, kAbrir, kSeparador, kRecentes, kSeparador, kSair});
    QList<int> comandos = {kNovo, kAbrir, kFechar, kSalvar, kSalvarComo};
    if (com_cartoes)
        comandos.append(kExportarCartoesCsv);
    comandos.append({kSeparador, kImprimir, kVisualizarImpressao, kConfigurarImpressora, kConfigurarImpressaoDoCartao,
                     kSeparador, kRecentes, kSeparador, kSair});
    return NovoMenu(QStringLiteral("&Arquivo"), comandos);
}

void CMainFrame::CriarMenus()
{
    using namespace Comando;
    const QString visualizar = QStringLiteral("&Visualizar");
    const QString ajuda = QStringLiteral("A&juda");
    m_menus[Recurso::kPrincipal] = {MenuArquivo(false), NovoMenu(visualizar, {kBarraDeFerramentas, kBarraDeStatus}),
                                    NovoMenu(ajuda, {kSobre, kAjuda})};

    for (int recurso : {Recurso::kTelaDeApostas, Recurso::kTelaDeConferencia}) {
        QMenu* estatisticas = NovoMenu(QStringLiteral("&Estatisticas"),
                                       {kResultadosVarenta, kAtualizarPelaInternet, kConfigurarInternet, kInserirResultado,
                                        kRemoverResultado, kSeparador, kImportarResultadosCsv, kExportarResultadosCsv});
        QMenu* graficos = NovoMenu(QStringLiteral("Gráficos"),
                                   {kFrequenciaResultados, kGolsPorTime, kTotalDeGols, kResultadosPorColunaTime1,
                                    kResultadosPorColunaTime2, kTotalResultadosPorColuna});
        estatisticas->addMenu(graficos);
        QList<int> bolao = {kRelatorioDeApostas};
        QList<int> filtros = {kConfigurarFiltros, kFiltrar};
        if (recurso == Recurso::kTelaDeApostas) {
            bolao.append(kComprovantes);
            filtros = {kExecutar, kSeparador, kConfigurarFiltros, kFiltrar, kReduzirApostas};
        }
        m_menus[recurso] = {MenuArquivo(true, recurso == Recurso::kTelaDeApostas),
                            NovoMenu(visualizar, {kBarraDeFerramentas, kBarraDeStatus}),
                            NovoMenu(QStringLiteral("&Menu"), {kTelaDeApostas, kConferencia}),
                            NovoMenu(QStringLiteral("&Filtros"), filtros),
                            estatisticas,
                            NovoMenu(QStringLiteral("&Bolão"), bolao),
                            MenuJanela(),
                            NovoMenu(ajuda, {kSobre, kAjuda})};
    }
}

QMenu* CMainFrame::MenuJanela()
{
    using namespace Comando;
    QMenu* menu = NovoMenu(QStringLiteral("&Janela"), {kCascata, kFaixas, kIcones});
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListarJanelas(*menu); });
    return menu;
}

void CMainFrame::ListarJanelas(QMenu& menu)
{
    for (QAction* acao : menu.actions())
        if (acao->property(kItemDaListaDeJanelas).toBool())
            delete acao;
    int numero = 0;
    for (QMdiSubWindow* janela : m_area->subWindowList(QMdiArea::CreationOrder)) {
        const auto* frame = qobject_cast<CChildFrame*>(janela);
        if (frame == nullptr || frame->Vista() == nullptr)
            continue;
        if (numero == 0)
            menu.addSeparator()->setProperty(kItemDaListaDeJanelas, true);
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(++numero).arg(NomeDaTela(*frame)));
        item->setProperty(kItemDaListaDeJanelas, true);
        item->setCheckable(true);
        item->setChecked(janela == m_area->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, janela = QPointer<QMdiSubWindow>(janela)] {
            if (janela == nullptr)
                return;
            if (janela->isMinimized())
                janela->showNormal();
            m_area->setActiveSubWindow(janela);
        });
    }
}

QString CMainFrame::NomeDaTela(const CChildFrame& frame) const
{
    const int comando = frame.Recurso() == Recurso::kTelaDeConferencia ? Comando::kConferencia : Comando::kTelaDeApostas;
    return Acao(comando)->text();
}

void CMainFrame::CriarBarraDeFerramentas()
{
    using namespace Comando;
    m_barra = new QToolBar(QStringLiteral("Barra de Ferramentas"), this);
    m_barra->setObjectName(QStringLiteral("barra_de_ferramentas"));
    m_barra->setIconSize(QSize(24, 24));
    m_barra->setMovable(true);
    m_barra->setFloatable(true);
    m_barra->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : {kNovo, kAbrir, kSalvar, kSeparador, kTelaDeApostas, kConferencia, kSeparador, kImprimir, kSobre}) {
        if (id == kSeparador)
            m_barra->addSeparator();
        else
            m_barra->addAction(Acao(id));
    }
    addToolBar(Qt::TopToolBarArea, m_barra);
}

void CMainFrame::CriarBarraDeStatus()
{
    QStatusBar* barra = statusBar();
    barra->addWidget(new QLabel(QStringLiteral("Pronto")), 1);
    // Indicadores das travas do teclado, como na barra padrão (o estado não é lido).
    for (const char* indicador : {"CAP", "NUM", "SCRL"}) {
        auto* rotulo = new QLabel(QString::fromLatin1(indicador));
        rotulo->setEnabled(false);
        rotulo->setFrameShape(QFrame::Panel);
        rotulo->setFrameShadow(QFrame::Sunken);
        barra->addPermanentWidget(rotulo);
    }
}

void CMainFrame::DefinirComandosDaJanela()
{
    using namespace Comando;
    DefinirComando(kBarraDeFerramentas, [this] { m_barra->setVisible(!m_barra->isVisible()); });
    DefinirComando(kBarraDeStatus, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    DefinirComando(kCascata, [this] { Cascata(); });
    DefinirComando(kFaixas, [this] { Faixas(); });
    DefinirComando(kIcones, [this] { OrganizarIcones(); });
    DefinirComando(kSair, [this] { close(); });

    // F6 e Shift+F6 (e Ctrl+F6, como em toda janela de vários documentos) passam de tela.
    auto* proxima = new QAction(this);
    proxima->setShortcuts({QKeySequence(Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_F6)});
    connect(proxima, &QAction::triggered, m_area, &QMdiArea::activateNextSubWindow);
    auto* anterior = new QAction(this);
    anterior->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6)});
    connect(anterior, &QAction::triggered, m_area, &QMdiArea::activatePreviousSubWindow);
    addActions({proxima, anterior});
}

QList<QMdiSubWindow*> CMainFrame::JanelasParaArrumar(QMdiArea::WindowOrder ordem) const
{
    QList<QMdiSubWindow*> janelas;
    for (QMdiSubWindow* janela : m_area->subWindowList(ordem))
        if (janela->isVisible() && !janela->isMinimized())
            janelas.append(janela);
    return janelas;
}

void CMainFrame::Cascata()
{
    // Na ordem de empilhamento: a tela da frente fica na frente, por último na escada.
    const QList<QMdiSubWindow*> janelas = JanelasParaArrumar(QMdiArea::StackingOrder);
    if (janelas.isEmpty())
        return;
    const int passo = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, janelas.constFirst());
    const QSize area = m_area->contentsRect().size();
    const int escada = passo * static_cast<int>(janelas.size() - 1);
    const QSize tamanho = (area - QSize(escada, escada)).expandedTo(kTamanhoUtil).boundedTo(area);
    int degrau = 0;
    for (QMdiSubWindow* janela : janelas) {
        janela->showNormal();
        janela->setGeometry(QRect(QPoint(passo * degrau, passo * degrau), tamanho));
        ++degrau;
    }
}

void CMainFrame::Faixas()
{
    // Uma tela sobre a outra, cada uma com a largura da área; abaixo da altura útil, as
    // faixas passam da área, que rola.
    const QList<QMdiSubWindow*> janelas = JanelasParaArrumar(QMdiArea::CreationOrder);
    if (janelas.isEmpty())
        return;
    QSize area = m_area->contentsRect().size();
    const int quantas = static_cast<int>(janelas.size());
    const int altura = std::max(area.height() / quantas, std::min(kTamanhoUtil.height(), area.height()));
    // Faixas além da área: a barra de rolagem vertical ocupa parte da largura.
    if (altura * quantas > area.height())
        area.rwidth() -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_area);
    int faixa = 0;
    for (QMdiSubWindow* janela : janelas) {
        janela->showNormal();
        janela->setGeometry(0, altura * faixa, area.width(), altura);
        ++faixa;
    }
}

void CMainFrame::OrganizarIcones()
{
    int x = 0;
    for (QMdiSubWindow* janela : m_area->subWindowList()) {
        if (!janela->isMinimized())
            continue;
        janela->move(x, m_area->viewport()->height() - janela->height());
        x += janela->width();
    }
}

void CMainFrame::DefinirComando(int id, std::function<void()> executar, std::function<bool()> habilitado)
{
    m_tratadores[id] = STratador{std::move(executar), std::move(habilitado)};
    AtualizarComandos();
}

CChildFrame* CMainFrame::FrameAtivo() const
{
    auto* frame = qobject_cast<CChildFrame*>(m_area->currentSubWindow());
    return frame != nullptr && frame->Vista() != nullptr ? frame : nullptr;
}

void CMainFrame::AdicionarFrame(CChildFrame* frame)
{
    m_area->addSubWindow(frame);
    connect(frame, &QMdiSubWindow::windowStateChanged, this, [this] { AtualizarTitulo(); });
}

void CMainFrame::MostrarFrame(CChildFrame* frame, Qt::WindowState estado)
{
    if (estado == Qt::WindowMaximized)
        frame->showMaximized();
    else if (estado == Qt::WindowMinimized)
        frame->showMinimized();
    else
        frame->showNormal();
    m_area->setActiveSubWindow(frame);
    frame->setFocus();
    AtualizarInterface();
}

void CMainFrame::ExecutarComando(int id)
{
    if (CBloqueioDaInterface::Ativo() || !EstadoDoComando(id).habilitado)
        return;
    Proteger(this, [this, id] {
        CChildFrame* frame = FrameAtivo();
        CVista* vista = frame != nullptr ? frame->Vista() : nullptr;
        if (vista != nullptr && vista->OnComando(id))
            return;
        if (vista != nullptr && vista->Documento().OnComando(id))
            return;
        if (m_modelo != nullptr && m_modelo->OnCmdMsg(id, nullptr))
            return;
        if (const auto tratador = m_tratadores.find(id); tratador != m_tratadores.end())
            tratador->second.executar();
    });
    AtualizarInterface();
}

SEstadoDoComando CMainFrame::EstadoDoComando(int id) const
{
    SEstadoDoComando estado;
    if (CBloqueioDaInterface::Ativo())
        return estado;
    const CChildFrame* frame = FrameAtivo();
    const CVista* vista = frame != nullptr ? frame->Vista() : nullptr;
    if (vista != nullptr && vista->EstadoDoComando(id, estado))
        return estado;
    if (vista != nullptr && vista->Documento().EstadoDoComando(id, estado))
        return estado;
    if (m_modelo != nullptr && m_modelo->OnCmdMsg(id, &estado))
        return estado;
    if (const auto tratador = m_tratadores.find(id); tratador != m_tratadores.end())
        estado.habilitado = !tratador->second.habilitado || tratador->second.habilitado();
    return estado;
}

void CMainFrame::AtualizarInterface()
{
    AtualizarMenus();
    AtualizarComandos();
    AtualizarTitulo();
}

void CMainFrame::AtualizarMenus()
{
    const CChildFrame* frame = FrameAtivo();
    const int recurso = frame != nullptr && m_menus.count(frame->Recurso()) ? frame->Recurso() : Recurso::kPrincipal;
    if (recurso == m_menu_atual)
        return;
    m_menu_atual = recurso;
    menuBar()->clear();
    for (QMenu* menu : m_menus[recurso])
        menuBar()->addMenu(menu);
}

void CMainFrame::AtualizarComandos()
{
    for (auto acao = m_acoes.cbegin(); acao != m_acoes.cend(); ++acao) {
        const SEstadoDoComando estado = EstadoDoComando(acao.key());
        acao.value()->setEnabled(estado.habilitado);
        if (acao.value()->isCheckable())
            acao.value()->setChecked(estado.marcado);
    }
    if (m_barra != nullptr) {
        Acao(Comando::kBarraDeFerramentas)->setChecked(m_barra->isVisible());
        Acao(Comando::kBarraDeStatus)->setChecked(statusBar()->isVisible());
    }
}

void CMainFrame::AtualizarTitulo()
{
    const CChildFrame* frame = FrameAtivo();
    QString titulo = QStringLiteral("Quinaro");
    if (frame != nullptr && !frame->isMaximized())
        titulo += QStringLiteral(" - ") + frame->Vista()->Documento().Titulo();
    setWindowTitle(titulo);
}

void CMainFrame::DefinirArquivosRecentes(const QStringList& arquivos)
{
    for (int i = 0; i < kQtdeDeRecentes; ++i) {
        QAction* acao = Acao(Comando::kArquivoRecente1 + i);
        const bool existe = i < arquivos.size();
        acao->setVisible(existe);
        if (existe)
            acao->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(arquivos[i])));
    }
    m_sem_recentes->setVisible(arquivos.isEmpty());
    AtualizarComandos();
}

void CMainFrame::closeEvent(QCloseEvent* evento)
{
    // Uma geração ou filtragem em andamento termina antes; o programa não fecha no meio.
    if (CBloqueioDaInterface::Ativo()) {
        evento->ignore();
        return;
    }
    if (m_modelo != nullptr && !m_modelo->SaveAllModified()) {
        evento->ignore();
        return;
    }
    if (m_modelo != nullptr)
        m_modelo->CloseAllDocuments();
    QMainWindow::closeEvent(evento);
}
