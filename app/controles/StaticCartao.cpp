#include "app/controles/StaticCartao.h"

int CStaticCartao::Navegar(int, bool)
{
    return 0;
}
