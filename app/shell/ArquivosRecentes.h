#pragma once

#include <QStringList>

class IConfiguracoes;

// Os últimos arquivos abertos ou salvos (o mais recente primeiro), guardados na seção
// "Recent File List" como "File1" a "File4" a cada mudança.
class CArquivosRecentes {
public:
    static constexpr int kTamanho = 4;

    explicit CArquivosRecentes(IConfiguracoes& configuracoes);

    const QStringList& Lista() const { return m_lista; }
    void Adicionar(const QString& caminho);
    void Remover(int indice);

private:
    void Gravar() const;

    IConfiguracoes& m_configuracoes;
    QStringList m_lista;
};
