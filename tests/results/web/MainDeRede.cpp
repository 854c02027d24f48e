// Testes de rede: laço de eventos do Qt (QCoreApplication) com HOME e XDG_* isolados.
#include "tests/support/Ambiente.h"
#include "tests/support/PastaTemporaria.h"

#include <QCoreApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    CPastaTemporaria casa;
    IsolarAmbiente(casa.Caminho());
    // Nenhum proxy do ambiente de quem roda os testes: só o que cada teste inicia.
    for (const char* variavel : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
        unsetenv(variavel);
    QCoreApplication aplicacao(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
