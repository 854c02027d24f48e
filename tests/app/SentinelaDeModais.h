#pragma once

// Vigia dos testes de interface: um diálogo modal que nenhuma resposta planejada vai
// atender faz o teste falhar com o título e a classe do diálogo, e é fechado, em vez de
// deixar o teste parado para sempre.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Quem responde aos diálogos avisa a sentinela do que planejou e do que atendeu.
void PlanejarRespostaModal();
void CumprirRespostaModal();
void ReivindicarModal(QWidget* modal);

class CSentinelaDeModais : public QObject {
    Q_OBJECT
public:
    // Começa com nada planejado nem reivindicado.
    CSentinelaDeModais();
    ~CSentinelaDeModais() override;

private:
    void Verificar();

    QTimer m_relogio;
    QPointer<QWidget> m_suspeito;
    int m_vistas = 0;
};
