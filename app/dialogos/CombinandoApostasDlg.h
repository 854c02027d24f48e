#pragma once

#include "app/dialogos/DialogoDeProgresso.h"
#include "core/Progresso.h"

class QLabel;
class QProgressBar;

// "Processando...": progresso da geração de cartões. O botão para a execução na primeira
// vez e fecha o diálogo na segunda (ou já na primeira, quando nada está em execução).
class CCombinandoApostasDlg : public CDialogoDeProgresso, public IProgressoGeracao {
    Q_OBJECT
public:
    explicit CCombinandoApostasDlg(QWidget* pai);

    int32_t m_executando = 0;

    void Iniciar(const std::string& rotulo, bool habilitar_parar, double a_gerar) override;
    void Atualizar(double geradas, double aprovadas) override;
    void BombearMensagens() override;
    bool PararSolicitado() const override;
    void Concluir(double geradas, double aprovadas) override;

    QString Rotulo() const;
    QString Geradas() const;
    QString Aprovadas() const;
    QString Reprovadas() const;
    QProgressBar* Barra() const { return m_barra; }

signals:
    // A cada Atualizar da geração (de mil em mil cartões), antes de a interface ter a vez.
    void Atualizado(double geradas);

protected:
    void AoPressionarBotao() override;
    void MostrarContadores() override;

private:
    double m_contagem_geradas = 0;
    double m_contagem_aprovadas = 0;
    double m_a_gerar = 0;
    QLabel* m_rotulo;
    QLabel* m_geradas;
    QLabel* m_aprovadas;
    QLabel* m_reprovadas;
    QProgressBar* m_barra;
};
