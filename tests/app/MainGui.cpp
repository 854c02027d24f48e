// Testes de interface: QApplication fora da tela, com HOME e XDG_* isolados.
#include "Ambiente.h"
#include "PastaTemporaria.h"

#include <QApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    CPastaTemporaria casa;
    IsolarAmbiente(casa.Caminho());
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication aplicacao(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
