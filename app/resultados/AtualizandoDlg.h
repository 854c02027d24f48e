#pragma once

#include "results/ProgressoDaAtualizacao.h"

#include <QDialog>

class QLabel;
class QProgressBar;

// Progresso da atualização pela internet: sem barra de título e sem botões. É modal
// para a aplicação: enquanto roda, nenhum outro comando mexe no arquivo de resultados.
class CAtualizandoDlg : public QDialog, public IProgressoDaAtualizacao {
    Q_OBJECT

public:
    explicit CAtualizandoDlg(QWidget* pai);

    void Mostrar() override;
    void DefinirUltimo(int ultimo) override;
    void MostrarConcurso(int n) override;
    void BombearMensagens() override;

    QString m_titulo;
    QLabel* m_rotulo_do_titulo;
    QLabel* m_concurso;
    QProgressBar* m_progresso;

protected:
    // Esc não fecha: a atualização não tem como parar.
    void reject() override {}
};
