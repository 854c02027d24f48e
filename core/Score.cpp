#include "core/Score.h"

#include "core/EscritorDeArquivo.h"
#include "core/LeitorDeArquivo.h"

#include <cstring>

void CScore::Serialize(CEscritorDeArquivo& ar) const
{
    ar.Escrever16(static_cast<uint16_t>(m_reservado));
    ar.Escrever16(static_cast<uint16_t>(m_jogo));
    for (int16_t f : m_time1)
        ar.Escrever16(static_cast<uint16_t>(f));
    for (int16_t f : m_time2)
        ar.Escrever16(static_cast<uint16_t>(f));
}

void CScore::Serialize(CLeitorDeArquivo& ar)
{
    m_reservado = ar.LerInt16();
    m_jogo = ar.LerInt16();
    for (int16_t& f : m_time1)
        f = ar.LerInt16();
    for (int16_t& f : m_time2)
        f = ar.LerInt16();
}

bool CScore::MesmoPlacar(const CScore& outro) const
{
    return std::memcmp(m_time1, outro.m_time1, sizeof m_time1) == 0 &&
           std::memcmp(m_time2, outro.m_time2, sizeof m_time2) == 0;
}

namespace {
int PrimeiraMarcada(const int16_t (&marcas)[5])
{
    for (int c = 0; c < 5; ++c)
        if (marcas[c] == 1)
            return c;
    return 0;
}
}

int CScore::ColunaDoTime1() const { return PrimeiraMarcada(m_time1); }
int CScore::ColunaDoTime2() const { return PrimeiraMarcada(m_time2); }
