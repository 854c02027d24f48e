#include "app/shell/ArquivosRecentes.h"

#include "core/Configuracoes.h"

#include <QFileInfo>

namespace {
constexpr const char* kSecao = "Recent File List";

std::string NomeDoValor(int indice)
{
    return "File" + std::to_string(indice + 1);
}
}  // namespace

CArquivosRecentes::CArquivosRecentes(IConfiguracoes& configuracoes) : m_configuracoes(configuracoes)
{
    for (int i = 0; i < kTamanho; ++i) {
        const QString caminho = QString::fromStdString(m_configuracoes.LerTexto(kSecao, NomeDoValor(i), ""));
        if (!caminho.isEmpty())
            m_lista.append(caminho);
    }
}

void CArquivosRecentes::Adicionar(const QString& caminho)
{
    const QString absoluto = QFileInfo(caminho).absoluteFilePath();
    m_lista.removeAll(absoluto);
    m_lista.prepend(absoluto);
    while (m_lista.size() > kTamanho)
        m_lista.removeLast();
    Gravar();
}

void CArquivosRecentes::Remover(int indice)
{
    if (indice < 0 || indice >= m_lista.size())
        return;
    m_lista.removeAt(indice);
    Gravar();
}

void CArquivosRecentes::Gravar() const
{
    for (int i = 0; i < kTamanho; ++i)
        m_configuracoes.GravarTexto(kSecao, NomeDoValor(i), i < m_lista.size() ? m_lista[i].toStdString() : "");
}
