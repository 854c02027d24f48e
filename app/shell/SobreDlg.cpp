#include "app/shell/SobreDlg.h"

#include "app/shell/Icones.h"
#include "app/shell/Comandos.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CSobreDlg::CSobreDlg(QWidget* pai) : QDialog(pai)
{
    setWindowTitle(QStringLiteral("Sobre Quinaro"));
    auto* icone = new QLabel;
    icone->setPixmap(IconeDoRecurso(Recurso::kPrincipal).pixmap(48, 48));
    icone->setAlignment(Qt::AlignTop);

    auto* textos = new QVBoxLayout;
    for (const char* linha : {"Quinaro Professional versão 1.0", "Copyright (C) Orvane Technologies",
                              "Suporte: suporte@orvane.example", "www.orvane.example"})
        textos->addWidget(new QLabel(QString::fromUtf8(linha)));

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(icone);
    corpo->addLayout(textos, 1);

    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(corpo);
    layout->addWidget(botoes);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
