#include "Relatorios.h"

#include "Comandos.h"
#include "ErroDoUsuario.h"
#include "Graficos.h"
#include "ListagemDeApostas.h"
#include "ListagemDeResultados.h"
#include "Mensagens.h"
#include "Navegador.h"
#include "Servicos.h"
#include "VarentaDoc.h"

namespace {
// Mensagem do próprio programa; as demais (arquivo danificado) encerram o comando como erro.
constexpr const char* kErroAoAbrir = "Erro ao Abrir Arquivo";
}

bool EhComandoDeRelatorio(int id)
{
    return id == Comando::kResultadosVarenta || id == Comando::kRelatorioDeApostas || GraficoDoComando(id).has_value();
}

void ExecutarRelatorio(int id, const CVarentaDoc& documento, const SServicos& servicos, QWidget* pai)
{
    AbrirRelatorio(
        [&]() -> std::filesystem::path {
            if (id == Comando::kResultadosVarenta)
                return EscreverListagemDeResultados(servicos.pastas);
            if (id == Comando::kRelatorioDeApostas)
                return EscreverListagemDeApostas(servicos.pastas, documento.m_volantes);
            return EscreverGrafico(servicos.pastas, *GraficoDoComando(id));
        },
        servicos, pai);
}

void AbrirRelatorio(const std::function<std::filesystem::path()>& escrever, const SServicos& servicos, QWidget* pai)
{
    std::filesystem::path caminho;
    try {
        caminho = escrever();
    } catch (const CErroDoUsuario& erro) {
        const QString texto = QString::fromStdString(erro.what());
        if (texto == QLatin1String(kErroAoAbrir))
            MostrarAviso(pai, texto);
        else
            MostrarErro(pai, texto);
        return;
    }
    servicos.navegador.Abrir(caminho);
}
