// O arquivo de resultados do usuário em cada tela que só o lê: a mesma leitura e as
// mesmas caixas (aviso para o arquivo que não abre, parada para o danificado).
#include "tests/app/Interacao.h"
#include "tests/app/ProgramaEmTeste.h"

#include "results/CaminhoDeDados.h"
#include "tests/support/PastaTemporaria.h"
#include "app/conferencia/ConferenciaAvancadaVarentaDlg.h"
#include "app/conferencia/ConferenciaForm.h"
#include "app/resultados/EscolhaConcursoDlg.h"
#include "app/shell/Documento.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace fs = std::filesystem;

namespace {

CConferenciaForm* TelaDeConferencia(CProgramaEmTeste& programa)
{
    programa.Comando(Comando::kConferencia);
    for (CVista* vista : programa.Documento()->Vistas())
        if (auto* tela = qobject_cast<CConferenciaForm*>(vista))
            return tela;
    return nullptr;
}

// Fecha o diálogo que o comando abre depois da mensagem (se abrir).
void FecharDialogo(CRespostasModais& respostas)
{
    respostas.Responder([](QWidget* modal) {
        if (auto* dialogo = qobject_cast<QDialog*>(modal))
            dialogo->done(QDialog::Rejected);
    });
}

struct SLeitor {
    const char* nome;
    // Lê o arquivo pelo caminho do usuário; a última mensagem é a da leitura.
    std::function<void(CProgramaEmTeste&, CRespostasModais&, bool danificado)> ler;
};

const SLeitor kLeitores[] = {
    {"tela de conferência",
     [](CProgramaEmTeste& programa, CRespostasModais& respostas, bool) {
         respostas.AceitarMensagem();
         EXPECT_NE(TelaDeConferencia(programa), nullptr);
     }},
    {"análise de vários concursos",
     [](CProgramaEmTeste& programa, CRespostasModais& respostas, bool) {
         respostas.AceitarMensagem();
         CConferenciaForm* tela = TelaDeConferencia(programa);
         ASSERT_NE(tela, nullptr);
         respostas.AceitarMensagem();  // antes de o diálogo aparecer
         FecharDialogo(respostas);
         Clicar(tela->m_botao_avancado);
     }},
    {"escolha do concurso a remover",
     [](CProgramaEmTeste& programa, CRespostasModais& respostas, bool danificado) {
         respostas.AceitarMensagem();
         // Sem arquivo a escolha aparece vazia; danificado, o comando acaba antes dela.
         if (!danificado)
             FecharDialogo(respostas);
         programa.Comando(Comando::kRemoverResultado);
     }},
    {"listagem de resultados",
     [](CProgramaEmTeste& programa, CRespostasModais& respostas, bool) {
         respostas.AceitarMensagem();
         programa.Comando(Comando::kResultadosVarenta);
     }},
    {"gráfico",
     [](CProgramaEmTeste& programa, CRespostasModais& respostas, bool) {
         respostas.AceitarMensagem();
         programa.Comando(Comando::kFrequenciaResultados);
     }},
};

TEST(ResultadosNasTelas, SemArquivoAvisoEDanificadoParadaComOCaminhoEmTodaTela)
{
    for (const bool danificado : {false, true}) {
        for (const SLeitor& leitor : kLeitores) {
            const auto programa = std::make_unique<CProgramaEmTeste>();
            ASSERT_TRUE(programa->Iniciar());
            const fs::path arquivo = CaminhoDeDados(programa->m_pastas, kArquivoDeResultados);
            if (danificado)
                GravarBytes(arquivo, "");
            CRespostasModais respostas;
            leitor.ler(*programa, respostas, danificado);
            EXPECT_FALSE(respostas.Pendente()) << leitor.nome;
            ASSERT_FALSE(respostas.Mensagens().isEmpty()) << leitor.nome;
            const auto& mensagem = respostas.Mensagens().constLast();
            if (danificado) {
                EXPECT_EQ(mensagem.texto,
                          QString::fromStdString("Attempted to access " + arquivo.string() + " past its end."))
                    << leitor.nome;
                EXPECT_EQ(mensagem.icone, QMessageBox::Critical) << leitor.nome;
                EXPECT_EQ(LerBytes(arquivo), "") << leitor.nome;
            } else {
                EXPECT_EQ(mensagem.texto, "Erro ao Abrir Arquivo") << leitor.nome;
                EXPECT_EQ(mensagem.icone, QMessageBox::Warning) << leitor.nome;
                EXPECT_FALSE(fs::exists(arquivo)) << leitor.nome;
            }
            EXPECT_TRUE(programa->m_navegador.m_abertos.empty()) << leitor.nome;
        }
    }
}

} // namespace
