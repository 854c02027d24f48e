// Testes da impressão: QGuiApplication fora da tela (fontes e QPrinter), com HOME e
// XDG_* isolados.
#include "tests/support/Ambiente.h"
#include "tests/support/PastaTemporaria.h"

#include <QGuiApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    CPastaTemporaria casa;
    IsolarAmbiente(casa.Caminho());
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication aplicacao(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
