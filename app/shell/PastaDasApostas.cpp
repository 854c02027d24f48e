#include "app/shell/PastaDasApostas.h"

#include "results/CaminhoDeDados.h"
#include "core/Configuracoes.h"
#include "core/ErroDoUsuario.h"
#include "app/shell/Servicos.h"

#include <QDir>
#include <QFileInfo>

CPastaDasApostas::CPastaDasApostas(const SServicos& servicos, const char* valor)
    : m_servicos(servicos), m_valor(valor) {}

QString CPastaDasApostas::Inicial() const
{
    const QString lembrada =
        QString::fromStdString(m_servicos.configuracoes.LerTexto(kSecaoDados, m_valor, ""));
    // Uma pasta apagada ou relativa levaria o diálogo para a pasta de trabalho.
    if (!lembrada.isEmpty() && QDir::isAbsolutePath(lembrada) && QFileInfo(lembrada).isDir())
        return lembrada;
    return PastaDeDadosOuCasa();
}

void CPastaDasApostas::Lembrar(const QString& arquivo)
{
    const QString pasta = QFileInfo(arquivo).absolutePath();
    m_servicos.configuracoes.GravarTexto(kSecaoDados, m_valor, pasta.toStdString());
}

QString CPastaDasApostas::PastaDeDadosOuCasa() const
{
    try {
        return QString::fromStdString(PastaDeDados(m_servicos.pastas).string());
    } catch (const CErroDoUsuario&) {
        return QDir::homePath();
    }
}
