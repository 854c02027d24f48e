#include "tests/app/Interacao.h"

#include "tests/app/SentinelaDeModais.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

CRespostasModais::CRespostasModais()
{
    connect(&m_relogio, &QTimer::timeout, this, &CRespostasModais::Verificar);
    m_relogio.start(5);
}

CRespostasModais::~CRespostasModais()
{
    for (size_t i = 0; i < m_fila.size(); ++i)
        CumprirRespostaModal();
}

void CRespostasModais::Responder(std::function<void(QWidget*)> acao)
{
    PlanejarRespostaModal();
    m_fila.push_back(std::move(acao));
}

void CRespostasModais::AceitarMensagem()
{
    Responder([this](QWidget* modal) {
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        if (caixa == nullptr) {
            m_mensagens.append({QStringLiteral("<não é mensagem: %1>").arg(modal->windowTitle()), QMessageBox::NoIcon});
            modal->close();
            return;
        }
        m_mensagens.append({caixa->text(), caixa->icon()});
        Clicar(caixa->button(QMessageBox::Ok));
    });
}

QStringList CRespostasModais::Textos() const
{
    QStringList textos;
    for (const SMensagem& mensagem : m_mensagens)
        textos.append(mensagem.texto);
    return textos;
}

void CRespostasModais::Verificar()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == m_ultimo || !modal->isVisible())
        return;
    if (m_fila.empty()) {
        if (m_falhar_sem_resposta) {
            ADD_FAILURE() << "diálogo modal inesperado: " << modal->windowTitle().toStdString() << " ("
                          << modal->metaObject()->className() << ")";
            m_ultimo = modal;
            modal->close();
        }
        return;
    }
    m_ultimo = modal;
    ReivindicarModal(modal);
    auto acao = std::move(m_fila.front());
    m_fila.pop_front();
    CumprirRespostaModal();
    // Fora deste temporizador, para que um diálogo aberto pela própria resposta também
    // seja atendido (um temporizador não dispara de novo enquanto trata o seu evento).
    QTimer::singleShot(0, this, [acao = std::move(acao), alvo = QPointer<QWidget>(modal)] {
        if (alvo != nullptr)
            acao(alvo);

    });
}

void EscolherArquivo(QWidget* modal, const std::filesystem::path& arquivo, bool confirmar)
{
    auto* dialogo = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialogo, nullptr);
    auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nome, nullptr);
    nome->setText(QString::fromStdString(arquivo.string()));
    if (confirmar)
        static_cast<QDialog*>(dialogo)->accept();
    else
        static_cast<QDialog*>(dialogo)->done(QDialog::Accepted);
}

void Clicar(QAbstractButton* botao)
{
    QTest::mouseClick(botao, Qt::LeftButton);
}

void SalvarCaptura(QWidget* widget, const QString& nome)
{
    const QString pasta = QStringLiteral(QUINARO_SCREENSHOTS);
    QDir().mkpath(pasta);
    widget->grab().save(pasta + QLatin1Char('/') + nome);
}
