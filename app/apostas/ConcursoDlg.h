#pragma once

#include <QDialog>

#include <cstdint>

class QLineEdit;

// "Concurso": pede o número do concurso dos comprovantes. "Cancelar", Esc e o fechamento
// da janela desistem dos comprovantes, sem mudar o número.
class CConcursoDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConcursoDlg(QWidget* pai = nullptr);

    uint32_t m_concurso = 0;

    QLineEdit* Campo() const { return m_campo; }
    void accept() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLineEdit* m_campo;
};
