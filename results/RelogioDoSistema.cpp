#include "results/RelogioDoSistema.h"

#include <ctime>

SDiaEHora CRelogioDoSistema::Agora() const
{
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}
