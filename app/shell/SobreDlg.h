#pragma once

#include <QDialog>

// Caixa "Sobre": nome e versão do programa e quem o faz.
class CSobreDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSobreDlg(QWidget* pai = nullptr);
};
