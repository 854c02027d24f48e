#pragma once

#include <QDialog>

#include <cstdint>

class QPushButton;

// Base dos diálogos de progresso das execuções longas: não modais, criados escondidos
// junto com o dono, com um único botão que lê "Parar" durante a execução e "Fechar"
// depois. Esc e o fechamento da janela valem como o botão, para que o diálogo nunca
// suma com uma execução que ainda não foi parada.
class CDialogoDeProgresso : public QDialog {
    Q_OBJECT
public:
    explicit CDialogoDeProgresso(QWidget* pai);

    int32_t m_parar = 0;

    QPushButton* Botao() const { return m_botao; }
    void reject() override;

protected:
    virtual void AoPressionarBotao() = 0;
    // Mostra o diálogo no centro da janela do dono.
    void MostrarCentrado();
    void MostrarBotaoParar();
    void MostrarBotaoFechar();
    void Fechar();
    // Trata os eventos pendentes da interface (o botão é atendido aqui).
    static void TratarEventosPendentes();

    QPushButton* m_botao;
};
