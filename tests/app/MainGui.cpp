// Testes de interface: QApplication fora da tela, com HOME e XDG_* isolados, a mesma
// guarda de comandos do programa e uma sentinela de diálogos modais em cada teste.
#include "tests/support/Ambiente.h"
#include "tests/support/PastaTemporaria.h"
#include "tests/app/SentinelaDeModais.h"

#include "app/shell/AplicacaoProtegida.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class CSentinelaPorTeste : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { m_sentinela = std::make_unique<CSentinelaDeModais>(); }
    void OnTestEnd(const testing::TestInfo&) override { m_sentinela.reset(); }

    std::unique_ptr<CSentinelaDeModais> m_sentinela;
};

} // namespace

int main(int argc, char** argv)
{
    CPastaTemporaria casa;
    IsolarAmbiente(casa.Caminho());
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    CAplicacaoProtegida aplicacao(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new CSentinelaPorTeste);
    return RUN_ALL_TESTS();
}
