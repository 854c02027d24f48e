#pragma once

#include <QMdiSubWindow>

class CVista;

// Moldura filha de uma tela: legenda vazia (o título do documento não entra nela), o
// ícone do recurso da tela, e o menu do mesmo recurso enquanto é a ativa.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CChildFrame(int recurso, QWidget* pai = nullptr);

    int Recurso() const { return m_recurso; }
    CVista* Vista() const { return m_vista; }
    // A vista passa a ser da moldura (dentro de uma área de rolagem, como um formulário).
    void DefinirVista(CVista* vista);

protected:
    // A vista sai junto com o fechamento, para que o documento saiba na hora que
    // perdeu uma tela (a última fecha o documento).
    void closeEvent(QCloseEvent* evento) override;

private:
    int m_recurso;
    CVista* m_vista = nullptr;
};
