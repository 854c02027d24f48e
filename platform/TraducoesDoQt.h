#pragma once

#include <QLocale>
#include <QTranslator>

// As traduções do próprio Qt (diálogos de arquivo, impressão e cor, botões, menus de
// contexto), das que a distribuição instala junto com o Qt. O programa é todo em
// português: o Qt também, qualquer que seja a língua do usuário. Os textos do programa
// não passam por aqui.
class CTraducoesDoQt {
public:
    explicit CTraducoesDoQt(const QLocale& lingua = QLocale(QLocale::Portuguese, QLocale::Brazil));
    ~CTraducoesDoQt();
    CTraducoesDoQt(const CTraducoesDoQt&) = delete;
    CTraducoesDoQt& operator=(const CTraducoesDoQt&) = delete;

    // Falso quando não há tradução instalada para a língua (o Qt fica em inglês).
    bool Carregada() const { return m_carregada; }

private:
    QTranslator m_qtbase;
    bool m_carregada = false;
};
