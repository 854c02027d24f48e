#pragma once

#include "results/ParadaDaAtualizacao.h"
#include "results/ProgressoDaAtualizacao.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// Progresso da atualização pela internet: sem barra de título; o botão "Parar" (ou Esc)
// pede a parada, e a atualização grava os concursos completos que já vieram. É modal para
// a aplicação: enquanto roda, nenhum outro comando mexe no arquivo de resultados.
class CAtualizandoDlg : public QDialog, public IProgressoDaAtualizacao {
    Q_OBJECT

public:
    explicit CAtualizandoDlg(QWidget* pai);

    void Mostrar() override;
    void DefinirUltimo(int ultimo) override;
    void MostrarConcurso(int n) override;
    void BombearMensagens() override;

    // A parada que o "Parar" pede; o cliente e a atualização a consultam.
    const CParadaDaAtualizacao& Parada() const { return m_parada; }

    QString m_titulo;
    QLabel* m_rotulo_do_titulo;
    QLabel* m_concurso;
    QProgressBar* m_progresso;
    QPushButton* m_parar;

protected:
    // Esc vale "Parar"; o diálogo some quando a atualização termina.
    void reject() override { Parar(); }

private:
    void Parar();

    CParadaDaAtualizacao m_parada;
};
