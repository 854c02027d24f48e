#pragma once

#include <memory>

class CVarentaDoc;
class IConfiguracoes;
class QPrinter;
class QWidget;

// Os comandos de impressão do programa de mesa. A impressora (e o que o usuário escolheu
// em "Configurar Impressora...") vale para todas as impressões da execução.
class CComandosDeImpressao {
public:
    explicit CComandosDeImpressao(IConfiguracoes& configuracoes);
    ~CComandosDeImpressao();

    // "Configurar Impressão do Cartão...": o diálogo das configurações da seção "impressao".
    void OnConfigurarImpressao(QWidget* janela);
    // "Con&figurar Impressora...": papel e orientação.
    void OnConfigurarImpressora(QWidget* janela);
    // "&Imprimir...": o diálogo de impressão do sistema (imprimir em PDF também) e as páginas.
    void OnImprimir(const CVarentaDoc& documento, QWidget* janela);
    // "V&isualizar Impressão": as páginas na visualização do Qt.
    void OnVisualizar(const CVarentaDoc& documento, QWidget* janela);

    QPrinter& Impressora() const { return *m_impressora; }

private:
    IConfiguracoes& m_configuracoes;
    std::unique_ptr<QPrinter> m_impressora;
};
