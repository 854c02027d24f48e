#pragma once

#include "app/dialogos/DialogoDeProgresso.h"
#include "core/Progresso.h"

#include <cstdint>
#include <functional>

class QLabel;
class QProgressBar;

// "Filtrando...": progresso da filtragem dos cartões do documento, com tempo decorrido,
// estimativa de término, contadores e porcentagem. O botão para a execução na primeira
// vez e fecha o diálogo na segunda.
class CFiltrandoDlg : public CDialogoDeProgresso, public IProgressoFiltragem {
    Q_OBJECT
public:
    // Relógio em segundos inteiros (trocado nos testes).
    using Relogio = std::function<int64_t()>;
    static int64_t SegundosAgora();

    explicit CFiltrandoDlg(QWidget* pai, Relogio relogio = SegundosAgora);

    int32_t m_total = 0;
    int64_t m_inicio = 0;

    // Mostra e centra o diálogo com o total de apostas a verificar, e então o reinicia.
    void Iniciar(int total) override;
    void Iniciar();
    void Atualizar(int verificadas, int reprovadas) override;
    void BombearMensagens() override;
    bool PararSolicitado() const override;
    void Concluir() override;

    QString TempoDecorrido() const;
    QString TempoEstimado() const;
    QString Verificadas() const;
    QString Aprovadas() const;
    QString Reprovadas() const;
    QString Porcentagem() const;
    QProgressBar* Barra() const { return m_barra; }

protected:
    void AoPressionarBotao() override;
    void MostrarContadores() override;

private:
    Relogio m_relogio;
    int m_contagem_verificadas = 0;
    int m_contagem_reprovadas = 0;
    QLabel* m_decorrido_texto;
    QLabel* m_estimado;
    QLabel* m_verificadas;
    QLabel* m_aprovadas;
    QLabel* m_reprovadas;
    QLabel* m_porcentagem;
    QProgressBar* m_barra;
};
