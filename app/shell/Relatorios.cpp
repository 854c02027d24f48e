#include "Relatorios.h"

#include "Comandos.h"
#include "ErroAoAbrirArquivo.h"
#include "Graficos.h"
#include "ListagemDeApostas.h"
#include "ListagemDeResultados.h"
#include "Mensagens.h"
#include "Navegador.h"
#include "Servicos.h"
#include "VarentaDoc.h"

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
    } catch (const CErroAoAbrirArquivo& erro) {
        MostrarAviso(pai, QString::fromStdString(erro.what()));
        return;
    }
    servicos.navegador.Abrir(caminho);
}
