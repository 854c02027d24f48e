#pragma once

class QGridLayout;
class QLineEdit;
class QString;
class QWidget;

// "Margem x:" [campo] "mm" numa linha da grade; devolve o campo.
QLineEdit* AdicionarCampoDeMargem(QGridLayout* grade, int linha, const QString& rotulo);
// Lê a margem do campo para `centesimos`; sem número, mostra "Enter a number." e deixa o
// valor como estava.
bool LerCampoDeMargem(QWidget* pagina, QLineEdit* campo, int& centesimos);
