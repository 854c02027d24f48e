#pragma once

#include "app/dialogos/RitmoDaInterface.h"

#include <QDialog>

#include <cstdint>
#include <utility>

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
    void TrocarRelogioDoRitmo(CRitmoDaInterface::Relogio relogio) { m_ritmo.TrocarRelogio(std::move(relogio)); }

protected:
    virtual void AoPressionarBotao() = 0;
    // Mostra o diálogo no centro da janela do dono.
    void MostrarCentrado();
    void MostrarBotaoParar();
    void MostrarBotaoFechar();
    void Fechar();
    // O botão de uma execução que só para: o primeiro clique pede a parada (e o botão vira
    // "Fechar"), o seguinte fecha. Devolve verdadeiro quando fechou.
    bool PararOuFechar();
    // Nos pontos de bombeamento: quando chegou a vez da interface, mostra os contadores
    // (MostrarContadores) e trata os eventos pendentes (o botão é atendido aqui).
    void DarAVezAInterface();
    virtual void MostrarContadores() = 0;

    QPushButton* m_botao;
    CRitmoDaInterface m_ritmo;
};
