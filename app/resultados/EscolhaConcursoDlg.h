#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>

class QComboBox;

// "Selecione o concurso:": escolhe um dos concursos gravados no arquivo de resultados.
class CEscolhaConcursoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEscolhaConcursoDlg(QWidget* pai = nullptr);

    // Mostra a lista do arquivo e devolve o número escolhido, ou -1 se o usuário
    // desistiu. Arquivo danificado: CArquivoDanificado, antes de mostrar o diálogo.
    int Escolher(const std::filesystem::path& caminho);
    // Preenche a lista com os concursos de m_caminho (cinco algarismos) e seleciona o
    // primeiro; falso (com "Erro ao Abrir Arquivo") se o arquivo não abre.
    bool OnInitDialog();

    std::filesystem::path m_caminho;
    QComboBox* m_combo = nullptr;
    QString m_texto;  // o item escolhido

public slots:
    void accept() override;
};
