// Todo teste roda com HOME e as pastas XDG numa pasta temporária, para nunca tocar
// nas pastas e configurações do usuário de verdade.
#include "tests/support/Ambiente.h"
#include "tests/support/PastaTemporaria.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    CPastaTemporaria casa;
    IsolarAmbiente(casa.Caminho());
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
