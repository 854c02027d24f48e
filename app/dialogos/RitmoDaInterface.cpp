#include "app/dialogos/RitmoDaInterface.h"

#include <chrono>
#include <utility>

int64_t CRitmoDaInterface::MilissegundosAgora()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

CRitmoDaInterface::CRitmoDaInterface(Relogio relogio) : m_relogio(std::move(relogio)) {}

void CRitmoDaInterface::Reiniciar()
{
    m_ultima = m_relogio();
}

bool CRitmoDaInterface::ChegouAVez()
{
    const int64_t agora = m_relogio();
    if (agora - m_ultima < kIntervalo)
        return false;
    m_ultima = agora;
    return true;
}

void CRitmoDaInterface::TrocarRelogio(Relogio relogio)
{
    m_relogio = std::move(relogio);
}
