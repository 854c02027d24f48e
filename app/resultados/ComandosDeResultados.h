#pragma once

class IPastas;
class IRelogio;
class QWidget;

// Os dois comandos do documento que mudam o arquivo de resultados à mão:
// "Inserir Resultado Manualmente" (32789) e "Remover Resultado Manualmente" (32790).
class CComandosDeResultados {
public:
    CComandosDeResultados(const IPastas& pastas, const IRelogio& relogio, QWidget* janela);

    void OnInserirResultado();
    void OnRemoverResultado();

private:
    const IPastas& m_pastas;
    const IRelogio& m_relogio;
    QWidget* m_janela;
};
