#pragma once

#include "app/shell/Servicos.h"

#include <QFileDialog>
#include <QString>

class CVarentaDoc;
class QWidget;

// Os comandos de CSV: "Importar Resultados CSV..." e "Exportar Resultados CSV..." do
// menu "&Estatisticas" e "Exportar Cartões CSV..." da tela de apostas. O formato e a
// junção com o arquivo de resultados são os do quinaro-cli (results/, document/).
class CComandosDeCsv {
public:
    CComandosDeCsv(const SServicos& servicos, QWidget* janela);

    // Lê o CSV escolhido; com linhas recusadas, mostra-as e pergunta se grava as outras
    // (nada é gravado sem o "Sim").
    void OnImportarResultados();
    void OnExportarResultados();
    void OnExportarCartoes(const CVarentaDoc& documento, const QString& titulo);

private:
    // O arquivo escolhido no diálogo, começando na pasta lembrada dos CSV; vazio se desistiu.
    QString PedirArquivo(const QString& titulo, QFileDialog::AcceptMode modo, const QString& nome = {});

    const SServicos& m_servicos;
    QWidget* m_janela;
};
