#pragma once

class IConfiguracoes;
class IPastas;
class QWidget;

// "Atualizar Resultados pela Internet" (32786) e "Configurar Acesso à Internet...".
class CComandosDeInternet {
public:
    CComandosDeInternet(IConfiguracoes& configuracoes, const IPastas& pastas, QWidget* janela);

    void OnAtualizarResultados();
    void OnConfigurarInternet();

private:
    IConfiguracoes& m_configuracoes;
    const IPastas& m_pastas;
    QWidget* m_janela;
};
