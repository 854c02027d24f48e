// As execuções longas pela tela (diálogos de progresso de verdade, sem janela visível)
// contra o mesmo trabalho sem interface, como no quinaro-cli, a demora de "Parar" e a
// tela de apostas com os 9.765.625 cartões: abrir o arquivo, andar e remover cartões.
// Uso: QT_QPA_PLATFORM=offscreen medir_telas
#include "bench/QuadroInteiro.h"
#include "checking/AnaliseDeConcursos.h"
#include "core/Aposta.h"
#include "core/CartaoCheio.h"
#include "core/ConfiguracoesEmMemoria.h"
#include "core/Filtro.h"
#include "document/GeracaoDeApostas.h"
#include "core/ListaDeVolantes.h"
#include "core/Pastas.h"
#include "core/Progresso.h"
#include "checking/ProgressoDaAnalise.h"
#include "document/VarentaDoc.h"
#include "core/Volante.h"
#include "app/conferencia/ConferenciaAvancadaVarentaDlg.h"
#include "app/conferencia/GradeDaAnalise.h"
#include "app/dialogos/CombinandoApostasDlg.h"
#include "app/dialogos/FiltrandoDlg.h"
#include "app/apostas/ScoreForm.h"
#include "app/shell/BloqueioDaInterface.h"
#include "app/shell/Documento.h"
#include "app/shell/Servicos.h"
#include "app/shell/VarentaApp.h"
#include "core/Navegador.h"
#include "document/ArquivoDeApostas.h"
#include "platform/NavegadorDoSistema.h"
#include "results/RelogioDoSistema.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>

namespace {

using Relogio = std::chrono::steady_clock;

double Segundos(const std::function<void()>& trabalho)
{
    const auto inicio = Relogio::now();
    trabalho();
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
}

// Duas voltas de cada, alternadas, e a menor de cada lado: a primeira volta paga
// memória nova e a máquina pode estar ocupada com outras coisas.
void Comparar(const char* rotulo, const std::function<double()>& sem, const std::function<double()>& com)
{
    double sem_tela = sem();
    double com_tela = com();
    sem_tela = std::min(sem_tela, sem());
    com_tela = std::min(com_tela, com());
    std::printf("%-44s sem tela %7.3f s  pela tela %7.3f s  razão %.2f\n", rotulo, sem_tela, com_tela,
                com_tela / sem_tela);
}

// O quadro dos 125 favoritos, sem chaves: os 9.765.625 cartões.
void QuadroCheio(CVarentaDoc& documento)
{
    documento.OnNewDocument();
    for (auto& jogo : documento.m_celulas)
        jogo.fill(kFavorito);
}

void Gerar(CVarentaDoc& documento, IConfiguracoes& configuracoes, IProgressoGeracao& progresso)
{
    CAposta aposta(configuracoes, progresso);
    bool filtrado = false;
    GerarApostasDoDocumento(documento, aposta, false, filtrado, configuracoes);
}

void Filtrar(CVarentaDoc& documento, IConfiguracoes& configuracoes, IProgressoFiltragem& progresso)
{
    CFiltro filtro(configuracoes);
    filtro.CarregarFiltros();
    bool filtrado = false;
    FiltrarApostasDoDocumento(documento, filtro, progresso, true, filtrado, configuracoes);
}

void MedirGeracao(QWidget& dono)
{
    CConfiguracoesEmMemoria configuracoes;
    CProgressoSilencioso silencioso;
    CCombinandoApostasDlg dialogo(&dono);
    CVarentaDoc documento;
    const auto sem_tela = [&] {
        QuadroCheio(documento);
        return Segundos([&] { Gerar(documento, configuracoes, silencioso); });
    };
    const auto com_tela = [&] {
        QuadroCheio(documento);
        return Segundos([&] {
            CBloqueioDaInterface bloqueio(&dialogo);
            Gerar(documento, configuracoes, dialogo);
        });
    };
    Comparar("gerar 9.765.625 cartões", sem_tela, com_tela);
}

void MedirFiltragem(QWidget& dono)
{
    // Critério 9 no máximo 0: quase tudo reprovado, como em bench/medir.sh.
    CConfiguracoesEmMemoria configuracoes;
    configuracoes.GravarInteiro(kSecaoFiltros, "m_bool_quantidade_de_gols", 1);
    configuracoes.GravarInteiro(kSecaoFiltros, "m_max_quantidade_de_gols", 0);
    CConfiguracoesEmMemoria sem_filtros;
    CProgressoSilencioso silencioso;
    CFiltrandoDlg dialogo(&dono);
    CVarentaDoc documento;
    const auto sem_tela = [&] {
        QuadroCheio(documento);
        Gerar(documento, sem_filtros, silencioso);
        return Segundos([&] { Filtrar(documento, configuracoes, silencioso); });
    };
    const auto com_tela = [&] {
        QuadroCheio(documento);
        Gerar(documento, sem_filtros, silencioso);
        return Segundos([&] {
            CBloqueioDaInterface bloqueio(&dialogo);
            Filtrar(documento, configuracoes, dialogo);
        });
    };
    Comparar("filtrar 9.765.625 cartões", sem_tela, com_tela);
}

void MedirAnalise()
{
    // 100.000 cartões sorteados contra 1.000 concursos, como bench_conferencia.
    std::mt19937 sorteio(2024);
    std::uniform_int_distribution<int> celula(0, 24);
    CListaDeVolantes volantes;
    for (int i = 0; i < 100000; ++i) {
        CVolante volante;
        volante.m_qtde = 5;
        for (int jogo = 0; jogo < 5; ++jogo)
            volante.m_scores[jogo] = CCartaoCheio::Instancia().Celula(jogo, celula(sorteio));
        volantes.Adicionar(volante);
    }
    CListaDeResultados resultados;
    for (int concurso = 1; concurso <= 1000; ++concurso) {
        auto resultado = std::make_unique<CResultadoVarenta>();
        resultado->m_concurso = concurso;
        for (int jogo = 0; jogo < 5; ++jogo)
            resultado->m_scores.push_back(
                std::make_unique<CScore>(*CCartaoCheio::Instancia().Celula(jogo, celula(sorteio))));
        resultados.push_back(std::move(resultado));
    }
    CPastasFixas pastas("/nonexistent", "/nonexistent");
    CConfiguracoesEmMemoria configuracoes;
    CNavegadorDoSistema navegador;
    CRelogioDoSistema relogio;
    const SServicos servicos{configuracoes, pastas, navegador, relogio};
    CConferenciaAvancadaVarentaDlg dialogo(servicos);
    dialogo.m_grade->setRowCount(1001);
    dialogo.show();
    CProgressoAnaliseSilencioso silencioso;
    CAnaliseDeConcursos analise(resultados);
    const auto sem_tela = [&] { return Segundos([&] { analise.Analisar(volantes, 0, 999, silencioso); }); };
    const auto com_tela = [&] { return Segundos([&] { analise.Analisar(volantes, 0, 999, dialogo); }); };
    Comparar("analisar 100.000 cartões em 1.000 concursos", sem_tela, com_tela);
}

// "Parar" clicado (eventos na fila) depois de um milhão de cartões: quanto tempo e
// quantos cartões até a geração terminar.
void MedirParada(QWidget& dono)
{
    CConfiguracoesEmMemoria configuracoes;
    CCombinandoApostasDlg dialogo(&dono);
    CVarentaDoc documento;
    QuadroCheio(documento);
    Relogio::time_point pedido{};
    double geradas_no_pedido = 0;
    QObject::connect(&dialogo, &CCombinandoApostasDlg::Atualizado, [&](double geradas) {
        if (geradas_no_pedido > 0 || geradas < 1e6)
            return;
        geradas_no_pedido = geradas;
        QPushButton* parar = dialogo.Botao();
        const QPointF centro = QRectF(parar->rect()).center();
        const QPointF global = parar->mapToGlobal(centro);
        QApplication::postEvent(parar, new QMouseEvent(QEvent::MouseButtonPress, centro, global, Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
        QApplication::postEvent(parar, new QMouseEvent(QEvent::MouseButtonRelease, centro, global, Qt::LeftButton,
                                                       Qt::NoButton, Qt::NoModifier));
        pedido = Relogio::now();
    });
    {
        CBloqueioDaInterface bloqueio(&dialogo);
        Gerar(documento, configuracoes, dialogo);
    }
    const double demora = std::chrono::duration<double, std::milli>(Relogio::now() - pedido).count();
    std::printf("%-44s %7.1f ms, %.0f cartões depois do clique\n", "parar a geração (clique na fila)", demora,
                documento.m_volantes.Quantidade() - geradas_no_pedido);
}

class CNavegadorMudo : public INavegador {
public:
    void Abrir(const std::filesystem::path&) override {}
    void AbrirNaSecao(const std::filesystem::path&, const std::string&) override {}
};

double PicoMiB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;
}

// A tela de apostas do programa inteiro com o arquivo dos 9.765.625 cartões: abrir, e o
// pior de cada botão do cartão (clique e desenho), contra a meta de 100 ms por passo.
void MedirTelaDeApostas()
{
    const auto pasta = std::filesystem::temp_directory_path() / ("medir_telas_" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta / "documentos");
    std::filesystem::create_directories(pasta / "instalacao");
    const auto arquivo = pasta / "todos.vrt";
    {
        CConfiguracoesEmMemoria configuracoes;
        CProgressoSilencioso silencioso;
        CVarentaDoc documento;
        QuadroCheio(documento);
        Gerar(documento, configuracoes, silencioso);
        GravarArquivoDeApostas(documento, arquivo);
    }
    CConfiguracoesEmMemoria configuracoes;
    CPastasFixas pastas(pasta / "documentos", pasta / "instalacao");
    CNavegadorMudo navegador;
    CRelogioDoSistema relogio;
    {
        CVarentaApp programa(SServicos{configuracoes, pastas, navegador, relogio});
        programa.InitInstance({});
        QApplication::processEvents();
        const double abrir = Segundos([&] {
            programa.AbrirArquivo(QString::fromStdString(arquivo.string()));
            QApplication::processEvents();
        });
        std::printf("%-44s %7.1f ms, pico %.0f MiB\n", "abrir 9.765.625 cartões na tela", abrir * 1000, PicoMiB());
        CScoreForm* tela = nullptr;
        for (CVista* vista : programa.DocumentoAberto()->Vistas())
            if (auto* achada = qobject_cast<CScoreForm*>(vista))
                tela = achada;
        const auto clicar = [&](const char* botao, int vezes) {
            auto* alvo = tela->findChild<QAbstractButton*>(QString::fromLatin1(botao));
            double pior = 0;
            for (int i = 0; i < vezes; ++i)
                pior = std::max(pior, Segundos([&] {
                                    alvo->click();
                                    QApplication::processEvents();
                                }));
            std::printf("%-44s %7.1f ms (pior de %d)\n", botao, pior * 1000, vezes);
        };
        clicar("ultimo", 3);
        clicar("anterior", 20);
        clicar("remover_cartao", 5);  // do fim
        clicar("primeiro", 3);
        clicar("proximo", 20);
        clicar("anterior", 20);
        clicar("remover_cartao", 20);  // do começo: todos os outros andam uma posição
        std::printf("%-44s %.0f MiB\n", "pico de memória da tela", PicoMiB());
        if (programa.DocumentoAberto() != nullptr)
            programa.DocumentoAberto()->MarcarSemAlteracoes();
    }
    std::filesystem::remove_all(pasta);
}

// "Parar" da análise clicado (eventos na fila) tantos ms depois do início, com os 9.765.625
// cartões e mais concursos do que dá tempo de analisar: do clique até Analisar voltar.
void MedirParadaDaAnalise(const CListaDeVolantes& volantes, const CListaDeResultados& resultados, int atraso_ms)
{
    CPastasFixas pastas("/nonexistent", "/nonexistent");
    CConfiguracoesEmMemoria configuracoes;
    CNavegadorDoSistema navegador;
    CRelogioDoSistema relogio;
    CConferenciaAvancadaVarentaDlg dialogo(SServicos{configuracoes, pastas, navegador, relogio});
    dialogo.m_grade->setRowCount(static_cast<int>(resultados.size()) + 1);
    dialogo.show();
    Relogio::time_point pedido{};
    QTimer::singleShot(atraso_ms, &dialogo, [&] {
        QPushButton* parar = dialogo.m_botao_parar;
        const QPointF centro = QRectF(parar->rect()).center();
        const QPointF global = parar->mapToGlobal(centro);
        QApplication::postEvent(parar, new QMouseEvent(QEvent::MouseButtonPress, centro, global, Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
        QApplication::postEvent(parar, new QMouseEvent(QEvent::MouseButtonRelease, centro, global, Qt::LeftButton,
                                                       Qt::NoButton, Qt::NoModifier));
        pedido = Relogio::now();
    });
    CAnaliseDeConcursos analise(resultados);
    analise.Analisar(volantes, 0, static_cast<int>(resultados.size()) - 1, dialogo);
    const double demora = std::chrono::duration<double, std::milli>(Relogio::now() - pedido).count();
    if (!analise.Interrompida())
        std::printf("parar a análise: terminou antes do clique\n");
    else
        std::printf("%-44s %7.1f ms, %zu concursos terminados\n", "parar a análise do quadro inteiro (clique)", demora,
                    analise.Linhas().size());
}

void MedirParadasDaAnalise()
{
    CListaDeVolantes volantes;
    AcrescentarOQuadroInteiro(volantes);
    std::mt19937 sorteio(2026);
    std::uniform_int_distribution<int> celula(0, 24);
    CListaDeResultados resultados;
    for (int concurso = 1; concurso <= 5000; ++concurso) {
        auto resultado = std::make_unique<CResultadoVarenta>();
        resultado->m_concurso = concurso;
        for (int jogo = 0; jogo < 5; ++jogo)
            resultado->m_scores.push_back(std::make_unique<CScore>(*CCartaoCheio::Instancia().Celula(jogo, celula(sorteio))));
        resultados.push_back(std::move(resultado));
    }
    // Cedo o clique cai na leitura dos cartões; depois, no meio de uma passada.
    for (int atraso_ms : {100, 1500, 4000})
        MedirParadaDaAnalise(volantes, resultados, atraso_ms);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    QWidget dono;
    dono.resize(600, 400);
    dono.show();
    MedirGeracao(dono);
    MedirFiltragem(dono);
    MedirAnalise();
    MedirParada(dono);
    MedirParadasDaAnalise();
    MedirTelaDeApostas();
    return 0;
}
