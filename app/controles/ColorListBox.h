#pragma once

#include <QListWidget>

#include <cstdint>

// Lista em que cada linha tem a sua cor de texto (guardada no item; 0 = cor padrão).
// Selecionada, a linha colorida mantém a sua cor sobre o fundo de destaque.
class CColorListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kPapelDaCor = Qt::UserRole;

    explicit CColorListBox(QWidget* pai = nullptr);

    // cor no formato Rgb(r, g, b); 0 desenha com a cor padrão do texto.
    void AdicionarLinha(const QString& texto, uint32_t cor);
    uint32_t CorDaLinha(int linha) const;
};
