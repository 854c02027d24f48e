#pragma once

#include "app/conferencia/ConferenciaAvancadaDlg.h"
#include "checking/ProgressoDaAnalise.h"

// A análise para os cinco jogos e as seis classes de acertos desta loteria.
class CConferenciaAvancadaVarentaDlg : public CConferenciaAvancadaDlg, public IProgressoAnalise {
    Q_OBJECT
public:
    using CConferenciaAvancadaDlg::CConferenciaAvancadaDlg;

    void PrepararGrade() override;
    void Analisar() override;

    // Durante a análise: a vez da interface, o pedido de parada e cada concurso pronto.
    void BombearMensagens() override;
    bool PararSolicitado() const override { return m_parar; }
    void ConcursoConcluido(const SLinhaDaAnalise& linha) override;

private:
    void EscreverContagens(int linha, const std::array<int64_t, 6>& acertos, bool total);
    int m_linha_atual = 1;
};
