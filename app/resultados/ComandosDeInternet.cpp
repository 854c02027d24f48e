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

CComandosDeInternet::CComandosDeInternet(IConfiguracoes& configuracoes, const IPastas& pastas, QWidget* janela)
    : m_configuracoes(configuracoes), m_pastas(pastas), m_janela(janela)
{
}

void CComandosDeInternet::OnAtualizarResultados()
{
    // Pedido que falha, último inválido ou arquivo danificado: o erro acaba o comando
    // sem gravar nada e Proteger o mostra, já sem o diálogo de progresso.
    Proteger(m_janela, [this] {
        const CCursorDeEspera espera;
        const auto caminho = CaminhoDeDados(m_pastas, kArquivoDeResultados);
        CValoresDeInternetQt valores;
        CClienteDaInternet cliente(valores);
        CServicoDeResultados servico(cliente, ServidorDeResultados(m_configuracoes), DataRegionalDoSistema());
        bool gravou = false;
        {
            CAtualizandoDlg progresso(m_janela);
            gravou = CBancoDeDados::AtualizarPelaInternet(caminho, servico, progresso);
        }
        if (!gravou)
            MostrarAviso(m_janela, QStringLiteral("Erro ao Salvar Arquivo"));
        else
            CAvisoDeResultados::Instancia().Avisar();
    });
}

void CComandosDeInternet::OnConfigurarInternet()
{
    CValoresDeInternetQt valores;
    CDlgProxy dialogo(valores, m_configuracoes, m_janela);
    dialogo.exec();
}
