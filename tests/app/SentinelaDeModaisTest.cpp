// A sentinela dos testes de interface: um diálogo modal sem resposta planejada falha o
// teste com o nome do diálogo e é fechado, em vez de travar a execução.
#include "tests/app/Interacao.h"

#include <QDialog>
#include <QMessageBox>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(SentinelaDeModais, DialogoSemRespostaFalhaComOTituloEAClasseEFecha)
{
    const struct {
        std::function<std::unique_ptr<QDialog>()> criar;
        std::string esperado;
    } casos[] = {
        {[] { return std::make_unique<QMessageBox>(QMessageBox::Warning, "Quinaro", "Erro ao Abrir Arquivo"); },
         "\"Quinaro\" (QMessageBox): Erro ao Abrir Arquivo"},
        {[] {
             auto dialogo = std::make_unique<QDialog>();
             dialogo->setWindowTitle("Selecione o concurso:");
             return dialogo;
         },
         "\"Selecione o concurso:\" (QDialog)"},
    };
    for (const auto& caso : casos) {
        const auto dialogo = caso.criar();
        int resposta = -1;
        EXPECT_NONFATAL_FAILURE(resposta = dialogo->exec(), caso.esperado);
        EXPECT_EQ(resposta, QDialog::Rejected) << caso.esperado;
        EXPECT_FALSE(dialogo->isVisible()) << caso.esperado;
    }
}

// Um diálogo aberto de dentro de outro também é vigiado; os planejados passam.
TEST(SentinelaDeModais, SoOsDialogosSemRespostaFalham)
{
    CRespostasModais respostas;
    QDialog externo;
    externo.setWindowTitle("Externo");
    respostas.Responder([&](QWidget*) {
        QMessageBox interno(QMessageBox::Critical, "Interno", "Sem resposta");
        EXPECT_NONFATAL_FAILURE(interno.exec(), "\"Interno\" (QMessageBox)");
        externo.accept();
    });
    EXPECT_EQ(externo.exec(), QDialog::Accepted);
    EXPECT_FALSE(respostas.Pendente());
}

} // namespace
