#pragma once

#include <QApplication>

// A aplicação com a guarda de todos os comandos: um erro que escapa de qualquer tratador
// de evento ou sinal (botão, menu, temporizador) termina só aquele comando e aparece como
// a sua falha; o programa continua atendendo.
class CAplicacaoProtegida : public QApplication {
    Q_OBJECT
public:
    CAplicacaoProtegida(int& argc, char** argv);

    bool notify(QObject* receptor, QEvent* evento) override;
};
