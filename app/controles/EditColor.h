#pragma once

#include <QColor>
#include <QLineEdit>

// Campo de texto com fundo e texto em cores fixas, escolhidas por quem o cria.
class CEditColor : public QLineEdit {
    Q_OBJECT
public:
    CEditColor(QColor fundo, QColor texto, QWidget* pai = nullptr);
};
