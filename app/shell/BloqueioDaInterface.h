#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Enquanto uma geração ou filtragem trata mensagens no meio da execução, só o diálogo de
// progresso (o botão "Parar") recebe o que o usuário faz: cliques, teclas e atalhos dos
// outros lugares são descartados e os comandos ficam desabilitados (a janela principal
// também recusa fechar enquanto houver um bloqueio).
class CBloqueioDaInterface : public QObject {
    Q_OBJECT

public:
    explicit CBloqueioDaInterface(QWidget* permitido);
    ~CBloqueioDaInterface() override;

    static bool Ativo();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    static bool EntradaDoUsuario(const QEvent* evento);
    bool Permitido(const QObject* alvo) const;
    static void AtualizarJanelasPrincipais();

    QPointer<QWidget> m_permitido;
};
