#pragma once

#include "app/dialogos/DialogoDeProgresso.h"
#include "reports/ProgressoDoRelatorio.h"

class QLabel;
class QProgressBar;

// Progresso da listagem das apostas, que com milhões de cartões passa de um gigabyte:
// cartões escritos, barra e "Parar". Parado, o relatório não é gravado.
class CGravandoRelatorioDlg : public CDialogoDeProgresso, public IProgressoDoRelatorio {
    Q_OBJECT
public:
    explicit CGravandoRelatorioDlg(QWidget* pai);

    void Iniciar(int64_t total) override;
    void Atualizar(int64_t escritos) override;
    bool PararSolicitado() const override;

    QString Escritos() const;
    QProgressBar* Barra() const { return m_barra; }

signals:
    // A cada Atualizar (de mil em mil cartões), antes de a interface ter a vez.
    void Atualizado(qint64 escritos);

protected:
    void AoPressionarBotao() override;
    void MostrarContadores() override;

private:
    QLabel* m_escritos;
    QProgressBar* m_barra;
    int64_t m_total = 0;
    int64_t m_contagem_escritos = 0;
};
