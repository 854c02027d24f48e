#include "app/apostas/ScoreForm.h"

#include "core/Aposta.h"
#include "core/CartaoCheio.h"
#include "core/Chave.h"
#include "core/PrecoDaAposta.h"
#include "app/apostas/ConcursoDlg.h"
#include "document/GeracaoDeApostas.h"
#include "document/OrdemDasChaves.h"
#include "document/VarentaDoc.h"
#include "app/controles/BuscaDlg.h"
#include "app/controles/CampoInteiro.h"
#include "app/controles/ComboGridCtrl.h"
#include "app/controles/EditColor.h"
#include "app/controles/ScoreButton.h"
#include "app/controles/StaticCartaoVarenta.h"
#include "app/controles/StaticQuadro.h"
#include "app/dialogos/CombinandoApostasDlg.h"
#include "app/dialogos/FiltrandoDlg.h"
#include "app/dialogos/FiltrosDlg.h"
#include "app/dialogos/GerarApostasDlg.h"
#include "app/dialogos/ReduzindoDlg.h"
#include "app/dialogos/ReduzirApostasDlg.h"
#include "checking/CartaoNaoSimples.h"
#include "document/ReducaoDeApostas.h"
#include "app/shell/BloqueioDaInterface.h"
#include "app/shell/ChildFrame.h"
#include "app/shell/CursorDeEspera.h"
#include "app/shell/Documento.h"
#include "app/shell/Mensagens.h"
#include "app/shell/Relatorios.h"
#include "app/shell/Servicos.h"

#include "reports/Comprovantes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <utility>

namespace {
// Tamanho do formulário e da moldura que a tela ganha ao abrir.
constexpr int kLarguraDoFormulario = 770;
constexpr int kAlturaDoFormulario = 440;
constexpr int kLarguraDaMoldura = 780;
constexpr int kAlturaDaMoldura = 480;

const QColor kFundoDosTotais(230, 200, 170);
const QColor kTextoDoCartaoAtual(252, 252, 252);

// Posições no formulário: quadro à esquerda, comandos no meio, cartão à direita.
constexpr int kXQuadros = 6;
constexpr int kYQuadros = 54;
constexpr int kPassoDosQuadros = 76;
constexpr int kXMeio = 300;
constexpr int kLarguraDoMeio = 156;
constexpr int kXDireita = 464;
constexpr int kYCartao = 56;

QLabel* Rotulo(const QString& texto, QWidget* pai, const QRect& lugar)
{
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setGeometry(lugar);
    return rotulo;
}
}  // namespace

CScoreForm::CScoreForm(CDocumento& documento, QWidget* pai)
    : CVista(documento, pai), m_filtro(documento.Servicos().configuracoes)
{
    setMinimumSize(kLarguraDoFormulario, kAlturaDoFormulario);
    m_dialogo_de_geracao = new CCombinandoApostasDlg(this);
    m_dialogo_de_filtragem = new CFiltrandoDlg(this);
    m_dialogo_de_reducao = new CReduzindoDlg(this);
    m_aposta = std::make_unique<CAposta>(documento.Servicos().configuracoes, *m_dialogo_de_geracao);
    CriarControles();
    Conectar();
}

// As chaves são do documento e desta tela ao mesmo tempo: os ponteiros compartilhados
// soltam cada uma quando a última das duas a larga.
CScoreForm::~CScoreForm() = default;

void CScoreForm::CriarControles()
{
    CriarQuadros();
    CriarBotoesDeComando();
    CriarLegenda();
    CriarTotais();
    CriarBotoesDoCartao();
}

void CScoreForm::CriarQuadros()
{
    auto* completas = new QGroupBox(QStringLiteral("Acerto de chaves completas"), this);
    completas->setGeometry(kXQuadros, 2, 287, 48);
    Rotulo(QStringLiteral("Mín."), completas, QRect(8, 20, 30, 20));
    // Campos de texto com setas: só as setas ficam entre 0 e o número de chaves; o que se
    // digita, ou o que o arquivo traz, vale como está.
    m_campo_min = new CCampoInteiro(completas);
    m_campo_min->setObjectName(QStringLiteral("min_completas"));
    // Largos o bastante para qualquer inteiro de 32 bits que o arquivo traga.
    m_campo_min->setGeometry(38, 18, 104, 24);
    Rotulo(QStringLiteral("Máx."), completas, QRect(148, 20, 30, 20));
    m_campo_max = new CCampoInteiro(completas);
    m_campo_max->setObjectName(QStringLiteral("max_completas"));
    m_campo_max->setGeometry(178, 18, 104, 24);
    // O foco fica no texto de dentro: é ele que o leitor de tela anuncia, depois do título
    // do quadro "Acerto de chaves completas".
    for (const auto& [campo, nome] : {std::pair{m_campo_min, QStringLiteral("Mín.")},
                                      std::pair{m_campo_max, QStringLiteral("Máx.")}}) {
        campo->setAccessibleName(nome);
        campo->CampoDeTexto()->setAccessibleName(nome);
    }
    for (CCampoInteiro* campo : {m_campo_min, m_campo_max}) {
        QPalette cores = campo->palette();
        cores.setColor(QPalette::Base, kFundoDosTotais);
        cores.setColor(QPalette::Text, Qt::black);
        campo->setPalette(cores);
        campo->setAlignment(Qt::AlignLeft);
        campo->DefinirFaixa(0, 0);
        campo->DefinirValor(0);
    }

    for (int m = 0; m < 5; ++m) {
        const int y = kYQuadros + kPassoDosQuadros * m;
        m_quadros[m] = new CStaticQuadro(m, this);
        m_quadros[m]->setGeometry(kXQuadros, y, CStaticQuadro::kLargura, CStaticQuadro::kAltura);
        auto* campo = new QLineEdit(this);
        campo->setObjectName(QStringLiteral("chave%1").arg(m + 1));
        // Um caractere ao digitar; o nome lido de um arquivo fica inteiro.
        campo->setMaxLength(1);
        campo->setAlignment(Qt::AlignCenter);
        campo->setToolTip(QStringLiteral("Chave do jogo %1").arg(m + 1));
        campo->setAccessibleName(campo->toolTip());
        campo->setGeometry(kXQuadros + CStaticQuadro::kLargura + 6, y + 24, 24, 24);
        m_campos_de_chave[m] = campo;
    }
}

void CScoreForm::CriarBotoesDeComando()
{
    QStyle* estilo = style();
    const int meia = (kLarguraDoMeio - 6) / 2;
    auto botao = [this, meia](const QString& texto, const char* nome, int coluna, int linha, QIcon icone) {
        auto* novo = new QPushButton(icone, texto, this);
        novo->setObjectName(QString::fromLatin1(nome));
        novo->setGeometry(kXMeio + coluna * (meia + 6), 8 + linha * 32, meia, 28);
        return novo;
    };
    m_executar = botao(QStringLiteral("Executar"), "executar", 0, 0, estilo->standardIcon(QStyle::SP_MediaPlay));
    m_filtrar = botao(QStringLiteral("Filtrar"), "filtrar", 1, 0,
                      estilo->standardIcon(QStyle::SP_FileDialogContentsView));
    m_limpar = botao(QStringLiteral("Limpar"), "limpar", 0, 1, estilo->standardIcon(QStyle::SP_DialogResetButton));
    m_remover = botao(QStringLiteral("Remover"), "remover", 1, 1,
                      estilo->standardIcon(QStyle::SP_DialogDiscardButton));

    QLabel* valor = Rotulo(QStringLiteral("Valor das apostas:"), this, QRect(kXMeio, 76, kLarguraDoMeio, 20));
    m_valor_das_apostas = new QComboBox(this);
    m_valor_das_apostas->setObjectName(QStringLiteral("valor_das_apostas"));
    m_valor_das_apostas->addItems({QStringLiteral("R$ 1,00"), QStringLiteral("R$ 2,00"), QStringLiteral("R$ 4,00")});
    m_valor_das_apostas->setGeometry(kXMeio, 96, kLarguraDoMeio, 26);
    // Numa lista o leitor de tela lê o item escolhido; o rótulo chega pela relação.
    valor->setBuddy(m_valor_das_apostas);

    QLabel* condicao = Rotulo(QStringLiteral("Condição de acertos por chave:"), this, QRect(kXMeio, 224, kLarguraDoMeio, 36));
    condicao->setWordWrap(true);
    constexpr int kYGrade = 262;
    m_grade = new CComboGridCtrl(this);
    m_grade->setObjectName(QStringLiteral("grade"));
    m_grade->setGeometry(kXMeio, kYGrade, kLarguraDoMeio,
                         kYQuadros + 4 * kPassoDosQuadros + CStaticQuadro::kAltura - kYGrade);
    m_grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grade->setAccessibleName(QStringLiteral("Condição de acertos por chave"));
}

void CScoreForm::CriarLegenda()
{
    auto* legenda = new QGroupBox(QStringLiteral("Legenda"), this);
    legenda->setGeometry(kXMeio, 128, kLarguraDoMeio, 94);
    const char* nomes[] = {"Favorito", "Alternativa", "Removido"};
    const int estados[] = {kFavorito, kAlternativa, kRemovido};
    for (int i = 0; i < 3; ++i) {
        auto* caixa = new CScoreButton(legenda);
        caixa->setObjectName(QStringLiteral("legenda_%1").arg(QString::fromLatin1(nomes[i]).toLower()));
        caixa->setGeometry(14, 26 + 22 * i, 13, 13);
        caixa->DefinirDescricao(QStringLiteral("Legenda"));
        caixa->DefinirEstado(estados[i]);
        // Ilustração, não comando: fica fora do Tab.
        caixa->setFocusPolicy(Qt::NoFocus);
        // Só ilustram os três estados: voltam ao seu depois de um clique.
        connect(caixa, &CScoreButton::estadoMudou, caixa, [caixa, estado = estados[i]] { caixa->DefinirEstado(estado); });
        m_legenda[static_cast<size_t>(i)] = caixa;
        Rotulo(QString::fromLatin1(nomes[i]), legenda, QRect(36, 22 + 22 * i, 110, 20));
    }
}

void CScoreForm::CriarTotais()
{
    auto campo = [this](const QString& rotulo, const char* nome, int x, int largura, QColor fundo, QColor texto) {
        Rotulo(rotulo, this, QRect(x, 6, largura, 20));
        auto* novo = new CEditColor(fundo, texto, this);
        novo->setObjectName(QString::fromLatin1(nome));
        novo->setReadOnly(true);
        novo->setAlignment(Qt::AlignRight);
        novo->setGeometry(x, 26, largura, 24);
        novo->setAccessibleName(rotulo);
        return novo;
    };
    // Largos para o maior preço (9765625 cartões a R$ 4,00) e a maior contagem de cartões.
    m_campo_valor = campo(QStringLiteral("Valor"), "valor", kXDireita, 104, kFundoDosTotais, Qt::black);
    m_campo_qtde = campo(QStringLiteral("Qtde de Cartões"), "qtde_de_cartoes", kXDireita + 110, 108, kFundoDosTotais,
                         Qt::black);
    m_campo_atual = campo(QStringLiteral("Cartão Atual"), "cartao_atual", kXDireita + 224, 78, Qt::black,
                          kTextoDoCartaoAtual);
    m_cartao = new CStaticCartaoVarenta(this);
    m_cartao->setObjectName(QStringLiteral("cartao"));
    m_cartao->setGeometry(kXDireita, kYCartao, CStaticCartaoVarenta::kLargura, CStaticCartaoVarenta::kAltura);
}

void CScoreForm::CriarBotoesDoCartao()
{
    int linha = 0;
    auto botao = [this, &linha](QStyle::StandardPixmap icone, const char* nome, const QString& dica) {
        auto* novo = new QToolButton(this);
        novo->setObjectName(QString::fromLatin1(nome));
        novo->setIcon(style()->standardIcon(icone));
        novo->setToolTip(dica);
        novo->setAccessibleName(dica);
        novo->setGeometry(kXDireita + CStaticCartaoVarenta::kLargura + 4, kYCartao + 36 * linha++, 28, 30);
        return novo;
    };
    m_primeiro = botao(QStyle::SP_MediaSkipBackward, "primeiro", QStringLiteral("Primeiro cartão"));
    m_anterior = botao(QStyle::SP_MediaSeekBackward, "anterior", QStringLiteral("Cartão anterior"));
    m_proximo = botao(QStyle::SP_MediaSeekForward, "proximo", QStringLiteral("Próximo cartão"));
    m_ultimo = botao(QStyle::SP_MediaSkipForward, "ultimo", QStringLiteral("Último cartão"));
    m_remover_cartao = botao(QStyle::SP_DialogCancelButton, "remover_cartao", QStringLiteral("Remover este cartão"));
    m_buscar = botao(QStyle::SP_FileDialogContentsView, "buscar", QStringLiteral("Buscar cartão"));
    m_remover_cartoes = botao(QStyle::SP_TrashIcon, "remover_cartoes", QStringLiteral("Remover todos os cartões"));
}

void CScoreForm::Conectar()
{
    // Um erro que o comando não trata termina o comando com a mensagem.
    auto ligar = [this](QAbstractButton* botao, auto acao) {
        connect(botao, &QAbstractButton::clicked, this, [this, acao] { Proteger(this, [this, acao] { (this->*acao)(); }); });
    };
    ligar(m_executar, &CScoreForm::OnExecutar);
    ligar(m_filtrar, &CScoreForm::OnFiltrar);
    ligar(m_limpar, &CScoreForm::OnLimpar);
    ligar(m_remover, &CScoreForm::OnRemover);
    ligar(m_remover_cartao, &CScoreForm::OnRemoverCartao);
    ligar(m_buscar, &CScoreForm::OnBuscar);
    ligar(m_remover_cartoes, &CScoreForm::OnRemoverCartoes);
    const std::pair<QToolButton*, int> navegacao[] = {
        {m_primeiro, CStaticCartaoVarenta::kPrimeiro},
        {m_anterior, CStaticCartaoVarenta::kAnterior},
        {m_proximo, CStaticCartaoVarenta::kProximo},
        {m_ultimo, CStaticCartaoVarenta::kUltimo},
    };
    for (const auto& [botao, modo] : navegacao)
        connect(botao, &QToolButton::clicked, this, [this, modo] { OnNavegar(modo); });

    for (int m = 0; m < 5; ++m)
        connect(m_campos_de_chave[m], &QLineEdit::textEdited, this,
                [this, m](const QString& texto) { KeyNameEditado(m, texto); });
    for (CCampoInteiro* campo : {m_campo_min, m_campo_max})
        connect(campo->CampoDeTexto(), &QLineEdit::textChanged, this, [this] { SalvarNoDocumento(); });
    connect(m_valor_das_apostas, &QComboBox::currentIndexChanged, this, [this] {
        SalvarNoDocumento();
        AtualizarTotais();
    });
    // O valor escolhido na grade vai já para a chave, para que salvar o arquivo logo
    // depois não o perca.
    connect(m_grade, &CComboGridCtrl::celulaAlterada, this, [this] {
        LerGrade();
        SalvarNoDocumento();
    });
}

void CScoreForm::CriarCelulas()
{
    for (int m = 0; m < 5; ++m)
        for (int k = 0; k < 25; ++k) {
            auto* celula = new CScoreButton(m_quadros[m]);
            celula->setObjectName(QStringLiteral("celula_%1_%2").arg(m).arg(k));
            m_quadros[m]->AdicionarCelula(k, celula);
            celula->show();
            connect(celula, &CScoreButton::estadoMudou, this, [this] { SalvarNoDocumento(); });
            m_celulas[static_cast<size_t>(25 * m + k)] = celula;
        }
    OrdenarOTab();
}

// As células nascem por último; o Tab segue a ordem de leitura da tela: chaves
// completas, os cinco quadros, os nomes das chaves, os comandos, a grade e, à direita,
// os totais e os botões do cartão.
void CScoreForm::OrdenarOTab()
{
    QList<QWidget*> ordem = {m_campo_min, m_campo_max};
    for (CScoreButton* celula : m_celulas)
        ordem.append(celula);
    for (QLineEdit* campo : m_campos_de_chave)
        ordem.append(campo);
    ordem.append({m_executar, m_filtrar, m_limpar, m_remover, m_valor_das_apostas, m_grade, m_campo_valor, m_campo_qtde,
                  m_campo_atual, m_primeiro, m_anterior, m_proximo, m_ultimo, m_remover_cartao, m_buscar,
                  m_remover_cartoes});
    for (qsizetype i = 1; i < ordem.size(); ++i)
        QWidget::setTabOrder(ordem[i - 1], ordem[i]);
}

void CScoreForm::OnInitialUpdate()
{
    CVista::OnInitialUpdate();
    CriarCelulas();
    if (CChildFrame* frame = Frame()) {
        frame->setGeometry(0, 0, kLarguraDaMoldura, kAlturaDaMoldura);
        if (const QWidget* area = frame->parentWidget())
            frame->move(std::max(0, (area->width() - kLarguraDaMoldura) / 2),
                        std::max(0, (area->height() - kAlturaDaMoldura) / 2));
    }
    CarregarDoDocumento();
    m_cartao->DefinirDocumento(&Doc());
    MostrarMembros();
    m_iniciado = true;
    m_cartao->Navegar(CStaticCartaoVarenta::kPrimeiro, true);
    AtualizarTotais();
}

void CScoreForm::CarregarDoDocumento()
{
    const CVarentaDoc& doc = Doc();
    for (size_t m = 0; m < 5; ++m)
        for (size_t k = 0; k < 25; ++k)
            m_celulas[25 * m + k]->DefinirEstado(doc.m_celulas[m][k]);
    m_chave_do_jogo = doc.m_chave_do_jogo;
    m_chaves = doc.m_chaves;
    PreencherGrade();
    m_qtde_cartoes = doc.m_volantes.Quantidade();
    m_valor_da_aposta = doc.m_valor_da_aposta;
    m_valor = Preco();
    m_min_completas = doc.m_min_completas;
    m_max_completas = doc.m_max_completas;
    DefinirFaixaDasCompletas(static_cast<int>(m_chaves.size()));
}

void CScoreForm::DefinirFaixaDasCompletas(int chaves)
{
    m_campo_min->DefinirFaixa(0, chaves);
    m_campo_max->DefinirFaixa(0, chaves);
}

void CScoreForm::LerControles()
{
    for (size_t m = 0; m < 5; ++m)
        m_chave_do_jogo[m] = m_campos_de_chave[m]->text().toStdString();
    // Um texto que não é inteiro, ou um valor sem item na lista, deixa o membro como está.
    m_min_completas = m_campo_min->Valor().value_or(m_min_completas);
    m_max_completas = m_campo_max->Valor().value_or(m_max_completas);
    if (m_valor_das_apostas->currentIndex() >= 0)
        m_valor_da_aposta = m_valor_das_apostas->currentIndex();
}

void CScoreForm::MostrarMembros()
{
    for (size_t m = 0; m < 5; ++m)
        MostrarNomeDaChave(m, QString::fromStdString(m_chave_do_jogo[m]));
    {
        const QSignalBlocker bloqueio_min(m_campo_min->CampoDeTexto());
        const QSignalBlocker bloqueio_max(m_campo_max->CampoDeTexto());
        m_campo_min->DefinirValor(m_min_completas);
        m_campo_max->DefinirValor(m_max_completas);
    }
    {
        const QSignalBlocker bloqueio(m_valor_das_apostas);
        m_valor_das_apostas->setCurrentIndex(m_valor_da_aposta);
    }
    m_campo_valor->setText(m_valor);
    m_campo_qtde->setText(QString::number(m_qtde_cartoes));
    m_campo_atual->setText(QString::number(m_cartao_atual));
}

int CScoreForm::SalvarNoDocumento()
{
    if (!m_iniciado)
        return 0;
    LerControles();
    CVarentaDoc& doc = Doc();
    for (size_t m = 0; m < 5; ++m)
        for (size_t k = 0; k < 25; ++k)
            doc.m_celulas[m][k] = static_cast<uint16_t>(m_celulas[25 * m + k]->Estado());
    doc.m_chave_do_jogo = m_chave_do_jogo;
    doc.m_min_completas = m_min_completas;
    doc.m_max_completas = m_max_completas;
    doc.m_valor_da_aposta = m_valor_da_aposta;
    doc.m_chaves = m_chaves;
    return 1;
}

// O limite de um caractere é só para o que se digita: um nome mais longo (de um arquivo)
// aparece inteiro e pode ser apagado, mas não cresce.
void CScoreForm::MostrarNomeDaChave(size_t jogo, const QString& nome)
{
    QLineEdit* campo = m_campos_de_chave[jogo];
    const QSignalBlocker bloqueio(campo);
    campo->setMaxLength(std::max<qsizetype>(1, nome.size()));
    if (campo->text() != nome)
        campo->setText(nome);
}

void CScoreForm::KeyNameEditado(int jogo, const QString& texto)
{
    // O nome da chave aparece sempre em maiúscula.
    MostrarNomeDaChave(static_cast<size_t>(jogo), texto.toUpper());
    RecontarChaves();
}

int CScoreForm::QtdeDeChavesNosJogos(const std::string& nome) const
{
    return static_cast<int>(std::count(m_chave_do_jogo.begin(), m_chave_do_jogo.end(), nome));
}

void CScoreForm::RecontarChaves()
{
    const size_t antes = m_chaves.size();
    LerControles();
    LerGrade();
    for (const std::string& nome : m_chave_do_jogo) {
        if (nome.empty())
            continue;
        if (std::none_of(m_chaves.begin(), m_chaves.end(), [&](const auto& chave) { return chave->m_nome == nome; }))
            m_chaves.push_back(std::make_shared<CChave>(nome));
    }
    std::erase_if(m_chaves, [this](const auto& chave) { return QtdeDeChavesNosJogos(chave->m_nome) == 0; });
    for (const auto& chave : m_chaves) {
        const int jogos = QtdeDeChavesNosJogos(chave->m_nome);
        chave->m_cresceu = jogos >= chave->m_qtde_jogos ? 1 : 0;
        chave->m_qtde_jogos = jogos;
    }
    const int n = static_cast<int>(m_chaves.size());
    DefinirFaixaDasCompletas(n);
    // Comparados sem sinal: um negativo também é cortado.
    if (static_cast<uint32_t>(m_min_completas) > static_cast<uint32_t>(n))
        m_min_completas = n;
    if (static_cast<uint32_t>(m_max_completas) > static_cast<uint32_t>(n))
        m_max_completas = n;
    if (static_cast<size_t>(n) > antes && m_max_completas + 1 <= n)
        ++m_max_completas;
    MostrarMembros();
    PreencherGrade();
    SalvarNoDocumento();
}

void CScoreForm::PreencherGrade()
{
    // Estável como a ordenação por trocas de vizinhos.
    OrdenarChavesPorNome(m_chaves);
    m_grade->setRowCount(0);
    m_grade->setColumnCount(3);
    m_grade->setRowCount(1 + static_cast<int>(m_chaves.size()));
    m_grade->DefinirTexto(0, 0, QString());
    m_grade->DefinirTexto(0, 1, QStringLiteral("Mín"));
    m_grade->DefinirTexto(0, 2, QStringLiteral("Máx"));
    int linha = 1;
    for (const auto& chave : m_chaves) {
        const int64_t n = chave->m_qtde_jogos;
        const int64_t minimo = chave->m_min < n ? chave->m_min : n - 1;
        const int64_t proximo = int64_t{chave->m_max} + 1;
        int64_t maximo = chave->m_max;
        if (proximo > n)
            maximo = n;
        else if (chave->m_cresceu != 0 && proximo == n)
            maximo = proximo;
        // A lista de escolhas vai até o número de jogos que a chave tem de fato, não até o
        // que o arquivo diz.
        m_grade->DefinirLimite(linha, QtdeDeChavesNosJogos(chave->m_nome));
        m_grade->DefinirTexto(linha, 0, QStringLiteral("Ch ") + QString::fromStdString(chave->m_nome));
        m_grade->DefinirTexto(linha, 1, QString::number(minimo));
        m_grade->DefinirTexto(linha, 2, QString::number(maximo));
        ++linha;
    }
    // Colunas na largura da grade, sem rolagem para o lado.
    const int largura = m_grade->viewport()->width();
    m_grade->setColumnWidth(0, largura - 2 * (largura * 3 / 10));
    m_grade->setColumnWidth(1, largura * 3 / 10);
    m_grade->setColumnWidth(2, largura * 3 / 10);
    m_grade->viewport()->update();
}

void CScoreForm::LerGrade()
{
    int linha = 1;
    for (const auto& chave : m_chaves) {
        if (linha >= m_grade->rowCount())
            break;
        chave->m_min = std::atoi(m_grade->Texto(linha, 1).toStdString().c_str());
        chave->m_max = std::atoi(m_grade->Texto(linha, 2).toStdString().c_str());
        ++linha;
    }
}

bool CScoreForm::ValidarFavoritos()
{
    const int jogo = ::ValidarFavoritos(Doc());
    if (jogo == 0)
        return true;
    MostrarAviso(this, QString::fromStdString(MensagemDeJogoSemFavorito(jogo)));
    return false;
}

QString CScoreForm::Preco() const
{
    return QString::fromStdString(TextoComDuasCasas(PrecoDaAposta(m_valor_da_aposta, Doc().m_qtde_apostas)));
}

void CScoreForm::AtualizarTotais()
{
    if (!m_iniciado)
        return;
    CCursorDeEspera espera;
    const CVarentaDoc& doc = Doc();
    m_cartao_atual = m_cartao->Posicao();
    m_valor_da_aposta = doc.m_valor_da_aposta;
    m_max_completas = doc.m_max_completas;
    m_min_completas = doc.m_min_completas;
    m_qtde_cartoes = doc.m_volantes.Quantidade();
    m_valor = Preco();
    LerGrade();
    MostrarMembros();
    HabilitarNavegacao();
}

void CScoreForm::HabilitarNavegacao()
{
    const int cartoes = Doc().m_volantes.Quantidade();
    const bool tem_cartoes = cartoes > 0;
    const int posicao = m_cartao->Posicao();
    m_primeiro->setEnabled(tem_cartoes && posicao != 1);
    m_anterior->setEnabled(tem_cartoes && posicao != 1);
    m_proximo->setEnabled(tem_cartoes && posicao != cartoes);
    m_ultimo->setEnabled(tem_cartoes && posicao != cartoes);
    m_remover_cartao->setEnabled(tem_cartoes);
    m_buscar->setEnabled(tem_cartoes);
    m_remover_cartoes->setEnabled(tem_cartoes);
}

void CScoreForm::OnExecutar()
{
    if (CBloqueioDaInterface::Ativo())
        return;
    LerControles();
    SalvarNoDocumento();
    LerGrade();
    if (!ValidarFavoritos())
        return;
    CGerarApostasDlg pergunta(this);
    pergunta.m_opcao = CGerarApostasDlg::kGerarEFiltrar;
    if (pergunta.exec() != QDialog::Accepted)
        return;

    bool documento_ganhou_cartao = false;
    {
        CCursorDeEspera espera;
        CBloqueioDaInterface bloqueio(m_dialogo_de_geracao);
        documento_ganhou_cartao =
            GerarApostasDoDocumento(Doc(), *m_aposta, pergunta.m_opcao == CGerarApostasDlg::kGerarEFiltrar,
                                    m_filtrado, Servicos().configuracoes);
    }
    if (documento_ganhou_cartao)
        Documento().AtualizarTodasAsVistas(this);
    MostrarMembros();
    m_cartao->Navegar(CStaticCartaoVarenta::kPrimeiro, true);
    AtualizarTotais();
}

void CScoreForm::OnFiltrar()
{
    if (CBloqueioDaInterface::Ativo())
        return;
    CFiltrosDlg filtros(Servicos().configuracoes, this);
    if (filtros.exec() == QDialog::Accepted)
        FiltrarCartoes(true);
}

void CScoreForm::OnConfigurarFiltros()
{
    CFiltrosDlg filtros(Servicos().configuracoes, this);
    filtros.exec();
}

void CScoreForm::FiltrarCartoes(bool refazer_resumo)
{
    if (CBloqueioDaInterface::Ativo())
        return;
    // Os cartões reprovados somem durante a execução: nenhum pode estar sendo desenhado.
    m_cartao->EsconderCartao();
    {
        CCursorDeEspera espera;
        CBloqueioDaInterface bloqueio(m_dialogo_de_filtragem);
        FiltrarApostasDoDocumento(Doc(), m_filtro, *m_dialogo_de_filtragem, refazer_resumo, m_filtrado,
                                  Servicos().configuracoes);
    }
    m_qtde_cartoes = Doc().m_volantes.Quantidade();
    m_valor = Preco();
    MostrarMembros();
    m_cartao->Navegar(CStaticCartaoVarenta::kPrimeiro, true);
    AtualizarTotais();
    // Repintado por cima da tela; fica até o usuário fechar.
    m_dialogo_de_filtragem->hide();
    m_dialogo_de_filtragem->show();
}

void CScoreForm::OnReduzirApostas()
{
    if (CBloqueioDaInterface::Ativo())
        return;
    CReduzirApostasDlg pergunta(this);
    if (pergunta.exec() != QDialog::Accepted)
        return;
    const QString preco_antes = Preco();
    const auto mostrar_os_cartoes = [this] {
        m_cartao->Navegar(CStaticCartaoVarenta::kPrimeiro, true);
        AtualizarTotais();
    };
    // Os cartões que saem não podem estar sendo desenhados.
    m_cartao->EsconderCartao();
    SReducaoDeApostas reducao;
    try {
        CCursorDeEspera espera;
        CBloqueioDaInterface bloqueio(m_dialogo_de_reducao);
        m_dialogo_de_reducao->Iniciar();
        reducao = ReduzirApostasDoDocumento(Doc(), pergunta.m_garantia, std::chrono::seconds(pergunta.m_segundos),
                                            *m_dialogo_de_reducao);
    } catch (const CCartaoNaoSimples& erro) {
        m_dialogo_de_reducao->hide();
        mostrar_os_cartoes();
        MostrarAviso(this, QString::fromStdString(erro.what()) + QStringLiteral("\nOs cartões ficaram como estavam."));
        return;
    } catch (...) {
        // A lista só muda depois da conferência: a tela volta ao que havia e o erro segue
        // para quem trata os comandos.
        m_dialogo_de_reducao->hide();
        mostrar_os_cartoes();
        throw;
    }
    mostrar_os_cartoes();
    m_dialogo_de_reducao->Concluir(reducao, preco_antes, Preco());
}

// O quadro limpo vai já para o documento, para que salvar logo depois não o perca.
void CScoreForm::OnLimpar()
{
    for (CScoreButton* celula : m_celulas)
        celula->DefinirEstado(kAlternativa);
    SalvarNoDocumento();
}

void CScoreForm::OnRemover()
{
    for (CScoreButton* celula : m_celulas)
        if (celula->Estado() == kAlternativa)
            celula->DefinirEstado(kRemovido);
    SalvarNoDocumento();
}

void CScoreForm::OnNavegar(int modo)
{
    m_cartao->Navegar(modo, true);
    AtualizarTotais();
}

void CScoreForm::OnRemoverCartao()
{
    Doc().m_qtde_apostas -= m_cartao->RemoverAtual();
    AtualizarTotais();
}

void CScoreForm::OnBuscar()
{
    CBuscaDlg busca(this);
    busca.m_numero = 0;
    if (busca.exec() != QDialog::Accepted)
        return;
    const int numero = busca.m_numero;
    if (numero < 1 || numero > Doc().m_volantes.Quantidade())
        MostrarAviso(this, QStringLiteral("Cartão não encontrado."));
    else
        m_cartao->IrPara(numero);
    AtualizarTotais();
}

void CScoreForm::OnRemoverCartoes()
{
    Doc().RemoverVolantes();
    m_cartao->Navegar(CStaticCartaoVarenta::kPrimeiro, true);
    AtualizarTotais();
}

void CScoreForm::OnComprovantes()
{
    // Quem desiste do concurso desiste dos comprovantes: nada é gravado nem aberto.
    CConcursoDlg concurso(this);
    if (concurso.exec() != QDialog::Accepted)
        return;
    LerControles();
    std::array<std::array<uint16_t, 25>, 5> celulas{};
    for (size_t m = 0; m < 5; ++m)
        for (size_t k = 0; k < 25; ++k)
            celulas[m][k] = static_cast<uint16_t>(m_celulas[25 * m + k]->Estado());
    AbrirRelatorio(
        [&] {
            return EscreverComprovantes(Servicos().pastas, static_cast<uint32_t>(concurso.m_concurso), celulas, m_chave_do_jogo,
                                        Doc().m_resumo);
        },
        Servicos(), this);
}

bool CScoreForm::OnComando(int id)
{
    switch (id) {
    case Comando::kExecutar:
        OnExecutar();
        return true;
    case Comando::kConfigurarFiltros:
        OnConfigurarFiltros();
        return true;
    case Comando::kFiltrar:
        FiltrarCartoes(false);
        return true;
    case Comando::kComprovantes:
        OnComprovantes();
        return true;
    case Comando::kReduzirApostas:
        OnReduzirApostas();
        return true;
    default:
        return false;
    }
}

bool CScoreForm::EstadoDoComando(int id, SEstadoDoComando& estado) const
{
    if (id == Comando::kReduzirApostas) {
        estado.habilitado = Doc().m_volantes.Quantidade() > 0;
        return true;
    }
    if (id != Comando::kExecutar && id != Comando::kConfigurarFiltros && id != Comando::kFiltrar &&
        id != Comando::kComprovantes)
        return false;
    estado.habilitado = true;
    return true;
}
