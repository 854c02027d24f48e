#include "cli/ProgressoDaAtualizacaoNoTerminal.h"

#include <unistd.h>

CProgressoDaAtualizacaoNoTerminal::CProgressoDaAtualizacaoNoTerminal(std::ostream& saida)
    : m_saida(saida), m_ativo(isatty(STDERR_FILENO) != 0)
{
}

CProgressoDaAtualizacaoNoTerminal::~CProgressoDaAtualizacaoNoTerminal()
{
    // A linha de progresso não fica pela metade antes da mensagem seguinte.
    if (m_escreveu)
        m_saida << '\n' << std::flush;
}

void CProgressoDaAtualizacaoNoTerminal::Mostrar()
{
    if (!m_ativo)
        return;
    m_saida << "\r\033[KPuxando dados da Varenta" << std::flush;
    m_escreveu = true;
}

void CProgressoDaAtualizacaoNoTerminal::MostrarConcurso(int n)
{
    if (!m_ativo)
        return;
    m_saida << "\r\033[KConcurso: " << n - 1 << " (" << std::min(n, m_ultimo) << " de " << m_ultimo << ")"
            << std::flush;
}
