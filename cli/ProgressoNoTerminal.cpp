#include "ProgressoNoTerminal.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
// Redesenhar a linha mais que algumas vezes por segundo só atrasa a geração.
constexpr auto kIntervalo = std::chrono::milliseconds(200);

std::string Inteiro(double valor)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.0f", valor);
    return texto;
}
}

CProgressoNoTerminal::CProgressoNoTerminal(std::ostream& saida)
    : m_saida(saida), m_ativo(isatty(STDERR_FILENO) != 0) {}

void CProgressoNoTerminal::Escrever(const std::string& linha, bool final)
{
    if (!m_ativo)
        return;
    const auto agora = std::chrono::steady_clock::now();
    if (!final && agora - m_ultima < kIntervalo)
        return;
    m_ultima = agora;
    m_saida << "\r\033[K" << linha << (final ? "\n" : "") << std::flush;
}

void CProgressoNoTerminal::Iniciar(const std::string& rotulo, bool)
{
    Escrever(rotulo, false);
}

void CProgressoNoTerminal::Atualizar(double geradas, double aprovadas)
{
    Escrever("Geradas: " + Inteiro(geradas) + "  aprovadas: " + Inteiro(aprovadas), false);
}

void CProgressoNoTerminal::Concluir(double geradas, double aprovadas)
{
    Escrever("Geradas: " + Inteiro(geradas) + "  aprovadas: " + Inteiro(aprovadas) + "  (concluído)", true);
}

void CProgressoNoTerminal::Iniciar(int total)
{
    m_total = total;
    Escrever("Desmembrando e filtrando cartões ...", false);
}

void CProgressoNoTerminal::Atualizar(int verificadas, int reprovadas)
{
    m_verificadas = verificadas;
    m_reprovadas = reprovadas;
    Escrever("Verificadas: " + std::to_string(verificadas) + " de " + std::to_string(m_total) +
                 "  reprovadas: " + std::to_string(reprovadas),
             false);
}

void CProgressoNoTerminal::Concluir()
{
    Escrever("Verificadas: " + std::to_string(m_verificadas) + "  reprovadas: " + std::to_string(m_reprovadas) +
                 "  (concluído)",
             true);
}
