#pragma once

#include <filesystem>
#include <functional>

class CVarentaDoc;
class QWidget;
struct SServicos;

// Comandos do documento que escrevem um relatório HTML: listagem dos resultados, os seis
// gráficos e a listagem das apostas.
bool EhComandoDeRelatorio(int id);
void ExecutarRelatorio(int id, const CVarentaDoc& documento, const SServicos& servicos, QWidget* pai);

// Escreve o relatório, diz na barra de status onde ele ficou e o mostra no navegador;
// parado pelo usuário, nada acontece. Arquivo que não abre: aviso com a mensagem do erro;
// as demais falhas (arquivo danificado) seguem como falha do comando.
void AbrirRelatorio(const std::function<std::filesystem::path()>& escrever, const SServicos& servicos,
                    QWidget* pai);
