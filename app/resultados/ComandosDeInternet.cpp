#include "app/resultados/ComandosDeInternet.h"

#include "app/resultados/AtualizandoDlg.h"
#include "app/resultados/AvisoDeResultados.h"
#include "results/BancoDeDados.h"
#include "results/CaminhoDeDados.h"
#include "results/web/ClienteDaInternet.h"
#include "results/web/DataRegional.h"
#include "app/resultados/DlgProxy.h"
#include "results/ServicoDeResultados.h"
#include "platform/ValoresDeInternetQt.h"
#include "app/shell/CursorDeEspera.h"
#include "app/shell/Mensagens.h"

#include <QMessageBox>

#include <optional>

CComandosDeInternet::CComandosDeInternet(IConfiguracoes& configuracoes, const IPastas& pastas, QWidget* janela)
    : m_configuracoes(configuracoes), m_pastas(pastas), m_janela(janela)
{
}

void CComandosDeInternet::OnAtualizarResultados()
{
    // Pedido que falha, resposta que não serve, último inválido ou arquivo danificado: o
    // erro acaba o comando sem gravar nada e Proteger o mostra, já sem o diálogo de
    // progresso. Terminada (ou parada com "Parar"), diz o que veio.
    Proteger(m_janela, [this] {
        std::optional<CCursorDeEspera> espera(std::in_place);
        const auto caminho = CaminhoDeDados(m_pastas, kArquivoDeResultados);
        CValoresDeInternetQt valores;
        SResumoDaAtualizacao resumo;
        {
            CAtualizandoDlg progresso(m_janela);
            SOpcoesDoCliente opcoes_do_cliente;
            opcoes_do_cliente.parada = &progresso.Parada();
            CClienteDaInternet cliente(valores, opcoes_do_cliente);
            CServicoDeResultados servico(cliente, ServidorDeResultados(m_configuracoes), DataRegionalDoSistema());
            SOpcoesDaAtualizacao opcoes;
            opcoes.parada = &progresso.Parada();
            resumo = CBancoDeDados::AtualizarPelaInternet(caminho, servico, progresso, opcoes);
        }
        espera.reset();
        if (!resumo.gravado) {
            MostrarAviso(m_janela, QStringLiteral("Erro ao Salvar Arquivo"));
            return;
        }
        CAvisoDeResultados::Instancia().Avisar();
        QMessageBox caixa(QMessageBox::Information, TituloDasMensagens(),
                          QString::fromStdString(TextoDaAtualizacao(resumo)), QMessageBox::Ok, m_janela);
        caixa.setTextFormat(Qt::PlainText);
        caixa.exec();
    });
}

void CComandosDeInternet::OnConfigurarInternet()
{
    CValoresDeInternetQt valores;
    CDlgProxy dialogo(valores, m_configuracoes, m_janela);
    dialogo.exec();
}
