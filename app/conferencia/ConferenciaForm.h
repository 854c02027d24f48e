#pragma once

#include "results/ResultadoVarenta.h"
#include "app/shell/Vista.h"

#include <array>

class CColorListBox;
class CGradeDoResultado;
class QComboBox;
class QListWidget;
class QPushButton;

// Tela de conferência: o jogador escolhe um concurso gravado ou marca um resultado à
// mão, confere os cartões do documento e lê o resumo e os cartões premiados. Daqui
// abre-se a análise de vários concursos.
class CConferenciaForm : public CVista {
    Q_OBJECT
public:
    explicit CConferenciaForm(CDocumento& documento, QWidget* pai = nullptr);
    ~CConferenciaForm() override;

    void OnInitialUpdate() override;

    void OnConferir();
    void OnLimparTudo();
    void OnAvancado();
    void OnSelchangeConcurso();

    // Lê o arquivo de resultados para a lista da tela: na primeira exibição e a cada
    // aviso de que o arquivo mudou.
    void CarregarResultados();
    // Relê o arquivo mudado; o concurso escolhido continua escolhido se ainda estiver nele.
    void RecarregarResultados();
    // "Nenhum" e os concursos da lista, com cinco algarismos.
    void PreencherConcursos();

    const CListaDeResultados& Resultados() const { return m_resultados; }

    QComboBox* m_concurso = nullptr;
    QPushButton* m_botao_conferir = nullptr;
    QPushButton* m_botao_limpar = nullptr;
    QPushButton* m_botao_avancado = nullptr;
    CGradeDoResultado* m_grade = nullptr;
    QListWidget* m_analise = nullptr;
    CColorListBox* m_premiados = nullptr;

private:
    void CriarControles();
    void Conectar();
    void EsvaziarListas();
    // Dez colunas de resultado (time 1 e time 2 de cada jogo), mostradas nos botões.
    std::array<int, 10> m_colunas{};
    CListaDeResultados m_resultados;
};
