#include "app/resultados/ComandosDeResultados.h"

#include "results/BancoDeDados.h"
#include "results/CaminhoDeDados.h"
#include "app/resultados/AvisoDeResultados.h"
#include "app/resultados/EscolhaConcursoDlg.h"
#include "app/resultados/ResultadoVarentaDlg.h"
#include "app/shell/Mensagens.h"

namespace {

const QString kErroAoSalvar = QStringLiteral("Erro ao Salvar Arquivo");

} // namespace

CComandosDeResultados::CComandosDeResultados(const IPastas& pastas, const IRelogio& relogio, QWidget* janela)
    : m_pastas(pastas), m_relogio(relogio), m_janela(janela)
{
}

void CComandosDeResultados::OnInserirResultado()
{
    // Arquivo danificado: o erro acaba o comando, sem gravar nada, e é mostrado por Proteger.
    Proteger(m_janela, [this] {
        const auto caminho = CaminhoDeDados(m_pastas, kArquivoDeResultados);
        CResultadoVarentaDlg dialogo(m_janela, m_relogio.Agora());
        if (dialogo.exec() != QDialog::Accepted)
            return;
        if (!CBancoDeDados::InserirResultado(caminho, NovoResultado(dialogo.Valores())))
            MostrarAviso(m_janela, kErroAoSalvar);
        else
            CAvisoDeResultados::Instancia().Avisar();
    });
}

void CComandosDeResultados::OnRemoverResultado()
{
    Proteger(m_janela, [this] {
        const auto caminho = CaminhoDeDados(m_pastas, kArquivoDeResultados);
        CEscolhaConcursoDlg dialogo(m_janela);
        const int concurso = dialogo.Escolher(caminho);
        if (concurso == -1)
            return;
        if (!CBancoDeDados::RemoverResultado(concurso, caminho))
            MostrarAviso(m_janela, kErroAoSalvar);
        else
            CAvisoDeResultados::Instancia().Avisar();
    });
}
