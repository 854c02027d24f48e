#pragma once

#include "app/controles/StaticCartao.h"

class CListaDeVolantes;
class CVarentaDoc;

// Mostra o cartão atual do documento desenhado sobre o volante e anda pela lista de
// cartões. O cartão atual do documento (m_indice_atual) acompanha o do mostrador, para
// que nunca aponte para um cartão já removido.
class CStaticCartaoVarenta : public CStaticCartao {
    Q_OBJECT
public:
    static constexpr int kLargura = 270;
    static constexpr int kAltura = 343;

    enum EModo { kPrimeiro = 0, kProximo = 1, kAnterior = 2, kUltimo = 3 };

    explicit CStaticCartaoVarenta(QWidget* pai = nullptr);

    // O documento e a sua lista de cartões; começa sem cartão atual.
    void DefinirDocumento(CVarentaDoc* documento);
    int Navegar(int modo, bool redesenhar) override;
    // Devolve as apostas simples do cartão removido (0 sem cartão atual).
    int RemoverAtual();
    // n a partir de 1; além do último cartão, nada muda.
    void IrPara(int n);
    // Deixa de desenhar um cartão (o volante aparece vazio) até a próxima navegação.
    void EsconderCartao();

    // Posição do cartão atual, a partir de 1; 0 sem cartão atual.
    int Posicao() const { return m_posicao; }

    // Caixa que a marca da coluna (0..4) do time (1 ou 2) ocupa no jogo (0..4); o fim é
    // exclusivo, como nos retângulos da plataforma original.
    static QRect RetanguloDaMarca(int jogo, int coluna, int time);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void MostrarCartao(int posicao);
    void Redesenhar(bool redesenhar);

    bool m_exibir = false;
    CListaDeVolantes* m_volantes = nullptr;
    int m_posicao = 0;
    CVarentaDoc* m_documento = nullptr;
};
