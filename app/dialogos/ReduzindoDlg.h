#pragma once

#include "app/dialogos/DialogoDeProgresso.h"
#include "checking/ProgressoDoFechamento.h"

#include <QElapsedTimer>

class QLabel;
class QProgressBar;
struct SReducaoDeApostas;

// "Reduzindo...": progresso da redução dos cartões do documento (etapa, trocas da busca,
// cartões garantidos e escolhidos) e, no fim, os cartões e o preço antes e depois, o piso
// e o título dizendo que acabou. O botão para a
// busca na primeira vez (fica o menor conjunto válido até ali) e fecha o diálogo na segunda.
class CReduzindoDlg : public CDialogoDeProgresso, public IProgressoFechamento {
    Q_OBJECT
public:
    explicit CReduzindoDlg(QWidget* pai);

    // Mostra e centra o diálogo, limpa o pedido de parada e os números.
    void Iniciar();
    void Atualizar(const SProgressoDoFechamento& progresso) override;
    void BombearMensagens() override;
    bool PararSolicitado() const override;
    // Fim: os números finais, o antes e o depois, botão "Fechar".
    void Concluir(const SReducaoDeApostas& reducao, const QString& preco_antes, const QString& preco_depois);

    QString Situacao() const;
    QString Cartoes() const;
    QString Preco() const;
    QString Piso() const;

protected:
    void AoPressionarBotao() override;
    void MostrarContadores() override;

private:
    SProgressoDoFechamento m_progresso;
    QElapsedTimer m_inicio;
    QLabel* m_situacao;
    QLabel* m_decorrido;
    QLabel* m_passos;
    QLabel* m_cobertos;
    QLabel* m_escolhidos;
    QLabel* m_melhor;
    QLabel* m_cartoes;
    QLabel* m_preco;
    QLabel* m_piso;
    QProgressBar* m_barra;
};
