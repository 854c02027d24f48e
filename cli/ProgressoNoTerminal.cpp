#include "cli/ProgressoNoTerminal.h"

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

bool CProgressoNoTerminal::HoraDeMostrar()
{
    if (!m_ativo)
        return false;
    const auto agora = std::chrono::steady_clock::now();
    if (agora - m_ultima < kIntervalo)
        return false;
    m_ultima = agora;
    return true;
}

void CProgressoNoTerminal::Escrever(const std::string& linha)
{
    m_saida << "\r\033[K" << linha << std::flush;
}

void CProgressoNoTerminal::Terminar(const std::string& linha)
{
    if (m_ativo)
        m_saida << "\r\033[K" << linha << '\n' << std::flush;
}

void CProgressoNoTerminal::Iniciar(const std::string& rotulo, bool, double)
{
    if (HoraDeMostrar())
        Escrever(rotulo);
}

void CProgressoNoTerminal::Atualizar(double geradas, double aprovadas)
{
    if (HoraDeMostrar())
        Escrever("Geradas: " + Inteiro(geradas) + "  aprovadas: " + Inteiro(aprovadas));
}

void CProgressoNoTerminal::Concluir(double geradas, double aprovadas)
{
    Terminar("Geradas: " + Inteiro(geradas) + "  aprovadas: " + Inteiro(aprovadas) + "  (concluído)");
}

void CProgressoNoTerminal::Iniciar(int total)
{
    m_total = total;
    if (HoraDeMostrar())
        Escrever("Desmembrando e filtrando cartões ...");
}

void CProgressoNoTerminal::Atualizar(int verificadas, int reprovadas)
{
    m_verificadas = verificadas;
    m_reprovadas = reprovadas;
    if (HoraDeMostrar())
        Escrever("Verificadas: " + std::to_string(verificadas) + " de " + std::to_string(m_total) +
                 "  reprovadas: " + std::to_string(reprovadas));
}

void CProgressoNoTerminal::Concluir()
{
    Terminar("Verificadas: " + std::to_string(m_verificadas) + "  reprovadas: " + std::to_string(m_reprovadas) +
             "  (concluído)");
}
