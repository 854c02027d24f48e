#pragma once

#include "results/ResultadoVarenta.h"
#include "app/dialogos/RitmoDaInterface.h"

#include <QDialog>

class CListaDeVolantes;
class IPastas;
class QComboBox;
class QHBoxLayout;
class QPushButton;
class CGradeDaAnalise;

// "Conferência": os cartões do documento conferidos com cada concurso de uma faixa do
// arquivo de resultados. A parte geral: a grade, os dois seletores de concurso, a lista
// de resultados do diálogo, o pedido de parada e os cartões emprestados.
class CConferenciaAvancadaDlg : public QDialog {
    Q_OBJECT
public:
    CConferenciaAvancadaDlg(const IPastas& pastas, QWidget* pai = nullptr);
    ~CConferenciaAvancadaDlg() override;

    // Guarda os cartões, prepara a grade e mostra o diálogo (modal).
    virtual int AbrirAnalise(const CListaDeVolantes& volantes);
    virtual void PrepararGrade();
    virtual void Analisar();
    void OnParar();

    // Posição na lista de resultados do item escolhido em cada seletor (-1 sem item).
    int PosicaoInicial() const;
    int PosicaoFinal() const;
    bool Analisando() const { return m_analisando; }
    void TrocarRelogioDoRitmo(CRitmoDaInterface::Relogio relogio) { m_ritmo.TrocarRelogio(std::move(relogio)); }

    QComboBox* m_inicial = nullptr;
    QComboBox* m_final = nullptr;
    CGradeDaAnalise* m_grade = nullptr;
    QPushButton* m_botao_analisar = nullptr;
    QPushButton* m_botao_parar = nullptr;
    QPushButton* m_botao_ok = nullptr;

public slots:
    // Fechar no meio de uma análise não vale: "OK" está desabilitado enquanto ela roda.
    void reject() override;

protected:
    // Lê o arquivo de resultados e preenche os seletores (ordem alfabética; o inicial
    // no primeiro item, o final no último).
    void CarregarResultados();
    // Relê o arquivo mudado, mantendo os concursos escolhidos que ainda estão nele; no
    // meio de uma análise, só quando ela acaba (a análise lê a lista do diálogo).
    void RecarregarResultados();
    // Liga ou desliga "OK" e "Analisar" durante uma análise.
    void MarcarAnalise(bool analisando);
    // Botão a mais da análise, antes de "Analisar".
    void AcrescentarBotao(QPushButton* botao);

    const IPastas& m_pastas;
    CListaDeResultados m_resultados;
    const CListaDeVolantes* m_volantes = nullptr;
    bool m_parar = false;
    // A vez da interface durante a análise: repintar e atender "Parar".
    CRitmoDaInterface m_ritmo;

private:
    void PreencherSeletores();
    bool m_analisando = false;
    bool m_recarregar_ao_fim = false;
    QHBoxLayout* m_botoes = nullptr;
};
