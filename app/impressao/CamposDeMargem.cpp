#include "app/impressao/CamposDeMargem.h"

#include "app/impressao/MargemEmMilimetros.h"
#include "app/resultados/TrocaDeDados.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

QLineEdit* AdicionarCampoDeMargem(QGridLayout* grade, int linha, const QString& rotulo)
{
    auto* campo = new QLineEdit;
    campo->setMaximumWidth(80);
    grade->addWidget(new QLabel(rotulo), linha, 0);
    grade->addWidget(campo, linha, 1);
    grade->addWidget(new QLabel(QStringLiteral("mm")), linha, 2);
    return campo;
}

bool LerCampoDeMargem(QWidget* pagina, QLineEdit* campo, int& centesimos)
{
    const std::optional<int> lida = MargemDoTexto(campo->text());
    if (!lida) {
        RecusarCampo(pagina, campo, QStringLiteral("Enter a number."));
        return false;
    }
    centesimos = *lida;
    return true;
}
