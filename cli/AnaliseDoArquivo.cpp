#include "cli/AnaliseDoArquivo.h"

#include "checking/ProgressoDaAnalise.h"
#include "cli/Argumentos.h"
#include "cli/PosicaoDoConcurso.h"
#include "core/PrecoDaAposta.h"
#include "document/ArquivoDeApostas.h"
#include "document/VarentaDoc.h"
#include "platform/PastasDoSistema.h"
#include "results/ResultadosDoUsuario.h"

namespace {

int Posicao(const CListaDeResultados& resultados, const std::optional<int>& concurso, int sem_concurso)
{
    return concurso ? static_cast<int>(PosicaoDoConcurso(resultados, *concurso)) : sem_concurso;
}

} // namespace

CAnaliseDoArquivo::CAnaliseDoArquivo(const std::string& arquivo, const CArgumentos& args)
    : m_documento(LerArquivoDeApostas(arquivo)),
      m_resultados(LerResultadosDoUsuario(CPastasDoSistema())),
      m_analise(m_resultados)
{
    m_inicial = Posicao(m_resultados, args.Inteiro("--de"), 0);
    const int final = Posicao(m_resultados, args.Inteiro("--ate"), static_cast<int>(m_resultados.size()) - 1);
    CProgressoAnaliseSilencioso progresso;
    m_analise.Analisar(m_documento->m_volantes, m_inicial, final, progresso);
}

CAnaliseDoArquivo::~CAnaliseDoArquivo() = default;

CRetornoDaAposta CAnaliseDoArquivo::Retorno() const
{
    return CRetornoDaAposta(m_resultados, m_inicial, m_analise,
                            PrecoDaAposta(m_documento->m_valor_da_aposta, m_documento->m_qtde_apostas));
}
