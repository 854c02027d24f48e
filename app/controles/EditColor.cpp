#include "app/controles/EditColor.h"

// As cores valem em todos os estados, inclusive desabilitado ou somente leitura.
CEditColor::CEditColor(QColor fundo, QColor texto, QWidget* pai) : QLineEdit(pai)
{
    QPalette paleta = palette();
    for (const QPalette::ColorGroup grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paleta.setColor(grupo, QPalette::Base, fundo);
        paleta.setColor(grupo, QPalette::Text, texto);
    }
    setPalette(paleta);
}
