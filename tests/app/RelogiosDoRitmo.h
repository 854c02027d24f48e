#pragma once

#include "app/dialogos/RitmoDaInterface.h"

#include <cstdint>
#include <memory>

// Relógios para o ritmo da interface nos testes: nada depende da velocidade da máquina.

// Cada leitura anda um intervalo inteiro: a interface tem a vez em todo ponto de
// bombeamento, como se a execução fosse muito lenta.
inline CRitmoDaInterface::Relogio RelogioSempreNaVez()
{
    auto agora = std::make_shared<int64_t>(0);
    return [agora] { return *agora += CRitmoDaInterface::kIntervalo; };
}

// Só anda quando o teste manda.
inline CRitmoDaInterface::Relogio RelogioManual(const std::shared_ptr<int64_t>& agora)
{
    return [agora] { return *agora; };
}
