#pragma once

// Ajuda aos testes de interface: responder aos diálogos modais que o programa abre e
// guardar capturas de tela para revisão.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <functional>

class QAbstractButton;
class QWidget;

// Responde, em ordem, aos diálogos modais que forem abrindo: cada resposta cuida de um.
class CRespostasModais : public QObject {
    Q_OBJECT

public:
    struct SMensagem {
        QString texto;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
    };

    CRespostasModais();
    ~CRespostasModais() override;

    void Responder(std::function<void(QWidget*)> acao);
    // A próxima caixa de mensagem é fechada com OK; o texto e o ícone ficam guardados.
    void AceitarMensagem();
    const QList<SMensagem>& Mensagens() const { return m_mensagens; }
    QStringList Textos() const;
    bool Pendente() const { return !m_fila.empty(); }
    // Um diálogo modal sem resposta na fila faz o teste falhar com o seu título e é fechado.
    void FalharComDialogosInesperados() { m_falhar_sem_resposta = true; }

private:
    void Verificar();

    QTimer m_relogio;
    std::deque<std::function<void(QWidget*)>> m_fila;
    QPointer<QWidget> m_ultimo;
    QList<SMensagem> m_mensagens;
    bool m_falhar_sem_resposta = false;
};

// Resposta a um diálogo de arquivo: digita o caminho e confirma. Sem `confirmar`, fecha
// o diálogo direto com o nome digitado (uma pasta confirmada só abriria a pasta).
void EscolherArquivo(QWidget* modal, const std::filesystem::path& arquivo, bool confirmar = true);
// Um clique do botão esquerdo no meio do botão.
void Clicar(QAbstractButton* botao);
// Grava a imagem do widget na pasta de capturas da compilação.
void SalvarCaptura(QWidget* widget, const QString& nome);
