#pragma once

#include "results/RelogioDoSistema.h"
#include "app/resultados/UnidadesDeDialogo.h"
#include "results/ValoresDoResultado.h"

#include <QDate>
#include <QDialog>
#include <QTime>

#include <array>

class CDinheiroEdit;
class CGradeDoResultado;
class QDateEdit;
class QLineEdit;

// "Cadastro de resultados": os valores de um concurso e o placar de cada jogo. Só a
// troca de dados ao confirmar; nenhum outro tratamento.
class CResultadoVarentaDlg : public QDialog {
    Q_OBJECT
public:
    // agora: o momento da abertura (o dia inicial do campo e a hora gravada).
    explicit CResultadoVarentaDlg(QWidget* pai = nullptr, const SDiaEHora& agora = CRelogioDoSistema().Agora());

    // Os valores aceitos pelo último "OK".
    const SValoresDoResultado& Valores() const { return m_valores; }

    // Campos na ordem da conferência.
    QLineEdit* m_edit_concurso = nullptr;
    QDateEdit* m_data = nullptr;
    std::array<QLineEdit*, 3> m_edit_ganhadores{};
    std::array<QLineEdit*, 3> m_edit_rateios{};
    CDinheiroEdit* m_edit_acumulado = nullptr;
    CGradeDoResultado* m_grade = nullptr;

public slots:
    void accept() override;

private:
    void CriarCampos();
    QLineEdit* NovoCampo(const char* rotulo, int x_do_rotulo, int y, int largura);
    // Confere e lê os campos na ordem da tabela; falso no primeiro recusado.
    bool LerCampos();

    CUnidadesDeDialogo m_unidades;
    SValoresDoResultado m_valores;
    // A data guarda a hora em que o diálogo abriu.
    QDate m_dia_de_abertura;
    QTime m_hora_de_abertura;
};
