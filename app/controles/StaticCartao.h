#pragma once

#include <QWidget>

// Base do mostrador de cartões: a navegação que o mostrador de cada loteria implementa.
class CStaticCartao : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // modo: 0 primeiro, 1 próximo, 2 anterior, 3 último; devolve a nova posição.
    virtual int Navegar(int modo, bool redesenhar);
};
