#pragma once

#include "app/conferencia/ConferenciaAvancadaDlg.h"
#include "checking/ProgressoDaAnalise.h"
#include "checking/RetornoDaAposta.h"

#include <optional>

struct SServicos;

// A análise para os cinco jogos e as seis classes de acertos desta loteria, com o
// retorno da aposta (prêmio, custo e saldo) de cada concurso e o relatório dele.
class CConferenciaAvancadaVarentaDlg : public CConferenciaAvancadaDlg, public IProgressoAnalise {
    Q_OBJECT
public:
    explicit CConferenciaAvancadaVarentaDlg(const SServicos& servicos, QWidget* pai = nullptr);

    // Preço da aposta inteira, pago em cada concurso (PrecoDaAposta do documento).
    void DefinirPrecoDaAposta(double preco) { m_preco = preco; }

    void PrepararGrade() override;
    void Analisar() override;
    // Grava o relatório do retorno da última análise e o abre no navegador.
    void OnRelatorio();

    // Durante a análise: a vez da interface, o pedido de parada e cada concurso pronto.
    void BombearMensagens() override;
    bool PararSolicitado() const override { return m_parar; }
    void ConcursoConcluido(const SLinhaDaAnalise& linha) override;

    QPushButton* m_botao_relatorio = nullptr;

private:
    void EscreverContagens(int linha, const std::array<int64_t, 6>& acertos, bool total);
    void EscreverValores(int linha, const SRetornoDoConcurso& retorno, bool total);
    void EscreverRetorno(const CRetornoDaAposta& retorno);

    const SServicos& m_servicos;
    double m_preco = 0.0;
    std::optional<CRetornoDaAposta> m_retorno;
    int m_linha_atual = 1;
};
