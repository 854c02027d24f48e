#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

// Uma seção do manual: a página da pasta de ajuda e a âncora dentro dela.
struct SSecaoDaAjuda {
    QString pagina;
    QString ancora;
};

// A seção que explica a janela (ou a tela) pela sua classe; sem seção própria, a da janela
// que a abriu; a página inicial do manual se nenhuma tiver.
SSecaoDaAjuda SecaoDaJanela(const QWidget* janela);

// F1 em qualquer janela do programa abre o manual na seção dela. Na janela principal, a
// seção da tela ativa (a função dada); o atalho F1 do comando de ajuda não dispara junto.
class CAjudaDeContexto : public QObject {
    Q_OBJECT

public:
    using FuncaoAbrir = std::function<void(const SSecaoDaAjuda&)>;
    using FuncaoDaTela = std::function<SSecaoDaAjuda()>;

    CAjudaDeContexto(QWidget& principal, FuncaoDaTela secao_da_tela, FuncaoAbrir abrir);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    SSecaoDaAjuda SecaoDe(const QWidget& widget) const;

    QPointer<QWidget> m_principal;
    FuncaoDaTela m_secao_da_tela;
    FuncaoAbrir m_abrir;
};
