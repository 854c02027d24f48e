#pragma once

#include <QApplication>

// Cursor de espera enquanto o objeto vive (em todo caminho de saída).
class CCursorDeEspera {
public:
    CCursorDeEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CCursorDeEspera() { QApplication::restoreOverrideCursor(); }
    CCursorDeEspera(const CCursorDeEspera&) = delete;
    CCursorDeEspera& operator=(const CCursorDeEspera&) = delete;
};
