#pragma once

#include "core/Filtro.h"
#include "app/shell/Vista.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CAposta;
class CCampoInteiro;
class CChave;
class CCombinandoApostasDlg;
class CComboGridCtrl;
class CEditColor;
class CFiltrandoDlg;
class CReduzindoDlg;
class CScoreButton;
class CStaticCartaoVarenta;
class CStaticQuadro;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// Tela de apostas: o quadro dos cinco jogos, as chaves e suas condições, a geração e a
// filtragem dos cartões, o preço e o mostrador dos cartões. Tudo o que o jogador muda é
// copiado para o documento.
class CScoreForm : public CVista {
    Q_OBJECT

public:
    explicit CScoreForm(CDocumento& documento, QWidget* pai = nullptr);
    ~CScoreForm() override;

    void OnInitialUpdate() override;
    bool OnComando(int id) override;
    bool EstadoDoComando(int id, SEstadoDoComando& estado) const override;

    // Controles para o documento; 0 antes da atualização inicial.
    int SalvarNoDocumento();
    void RecontarChaves();
    void PreencherGrade();
    void LerGrade();
    // Falso (com a mensagem) se algum jogo está sem favorito.
    bool ValidarFavoritos();
    void AtualizarTotais();
    void HabilitarNavegacao();
    // refazer_resumo: o botão "Filtrar" refaz o resumo das chaves; o menu não.
    void FiltrarCartoes(bool refazer_resumo);

    void OnExecutar();
    void OnFiltrar();
    void OnConfigurarFiltros();
    // Pergunta a garantia e o tempo e troca os cartões pelos escolhidos ("Reduzindo...").
    void OnReduzirApostas();
    void OnLimpar();
    void OnRemover();
    void OnNavegar(int modo);
    void OnRemoverCartao();
    void OnBuscar();
    void OnRemoverCartoes();
    void OnComprovantes();

    const std::vector<std::shared_ptr<CChave>>& Chaves() const { return m_chaves; }
    bool Filtrado() const { return m_filtrado; }
    CCombinandoApostasDlg* DialogoDeGeracao() const { return m_dialogo_de_geracao; }
    CFiltrandoDlg* DialogoDeFiltragem() const { return m_dialogo_de_filtragem; }
    CReduzindoDlg* DialogoDeReducao() const { return m_dialogo_de_reducao; }

private:
    void CriarControles();
    void CriarQuadros();
    void CriarBotoesDeComando();
    void CriarLegenda();
    void CriarTotais();
    void CriarBotoesDoCartao();
    void Conectar();
    void CriarCelulas();
    void OrdenarOTab();
    void CarregarDoDocumento();

    // UpdateData: controles para os membros e de volta.
    void LerControles();
    void MostrarMembros();
    void KeyNameEditado(int jogo, const QString& texto);
    void MostrarNomeDaChave(size_t jogo, const QString& nome);
    void DefinirFaixaDasCompletas(int chaves);
    QString Preco() const;
    int QtdeDeChavesNosJogos(const std::string& nome) const;

    // Controles
    std::array<CStaticQuadro*, 5> m_quadros{};
    std::array<CScoreButton*, 125> m_celulas{};
    std::array<QLineEdit*, 5> m_campos_de_chave{};
    CCampoInteiro* m_campo_min = nullptr;
    CCampoInteiro* m_campo_max = nullptr;
    CComboGridCtrl* m_grade = nullptr;
    QComboBox* m_valor_das_apostas = nullptr;
    QPushButton* m_executar = nullptr;
    QPushButton* m_filtrar = nullptr;
    QPushButton* m_limpar = nullptr;
    QPushButton* m_remover = nullptr;
    std::array<CScoreButton*, 3> m_legenda{};
    CEditColor* m_campo_valor = nullptr;
    CEditColor* m_campo_qtde = nullptr;
    CEditColor* m_campo_atual = nullptr;
    CStaticCartaoVarenta* m_cartao = nullptr;
    QToolButton* m_primeiro = nullptr;
    QToolButton* m_anterior = nullptr;
    QToolButton* m_proximo = nullptr;
    QToolButton* m_ultimo = nullptr;
    QToolButton* m_remover_cartao = nullptr;
    QToolButton* m_buscar = nullptr;
    QToolButton* m_remover_cartoes = nullptr;

    // Membros
    std::array<std::string, 5> m_chave_do_jogo;
    std::vector<std::shared_ptr<CChave>> m_chaves;
    int32_t m_min_completas = 0;
    int32_t m_max_completas = 0;
    int32_t m_valor_da_aposta = 0;
    QString m_valor;
    int32_t m_qtde_cartoes = 0;
    int32_t m_cartao_atual = 0;

    CCombinandoApostasDlg* m_dialogo_de_geracao = nullptr;
    CFiltrandoDlg* m_dialogo_de_filtragem = nullptr;
    CReduzindoDlg* m_dialogo_de_reducao = nullptr;
    std::unique_ptr<CAposta> m_aposta;
    CFiltro m_filtro;
    bool m_iniciado = false;
    bool m_filtrado = false;
};
