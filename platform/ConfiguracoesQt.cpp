#include "platform/ConfiguracoesQt.h"

#include "core/GravacaoSegura.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
constexpr QFileDevice::Permissions kSoODono = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Cria o arquivo vazio já com 0600 antes da primeira gravação: o conteúdo nunca passa
// por um arquivo que outros leem.
void CriarArquivoPrivado(const QString& arquivo)
{
#if defined(Q_OS_UNIX)
    if (QFileInfo::exists(arquivo) || !QDir().mkpath(QFileInfo(arquivo).absolutePath()))
        return;
    const int descritor = ::open(QFile::encodeName(arquivo).constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (descritor >= 0)
        ::close(descritor);
#else
    Q_UNUSED(arquivo);
#endif
}

QString Chave(const std::string& secao, const std::string& nome)
{
    return QString::fromStdString(secao) + QLatin1Char('/') + QString::fromStdString(nome);
}
}

CConfiguracoesQt::CConfiguracoesQt()
    : m_armazem(QSettings::NativeFormat, QSettings::UserScope, kEmpresa, kAplicacao) {}

int CConfiguracoesQt::LerInteiro(const std::string& secao, const std::string& nome, int padrao) const
{
    m_armazem.sync();
    const QVariant valor = m_armazem.value(Chave(secao, nome));
    // toInt() corta o texto "4294967329" para 33: lido em 64 bits, o que não cabe num int
    // conta como ausente.
    bool ok = false;
    const qlonglong inteiro = valor.toLongLong(&ok);
    if (!ok || inteiro < std::numeric_limits<int>::min() || inteiro > std::numeric_limits<int>::max())
        return padrao;
    return static_cast<int>(inteiro);
}

void CConfiguracoesQt::GravarInteiro(const std::string& secao, const std::string& nome, int valor)
{
    m_armazem.setValue(Chave(secao, nome), valor);
    Sincronizar();
}

std::string CConfiguracoesQt::LerTexto(const std::string& secao, const std::string& nome,
                                       const std::string& padrao) const
{
    m_armazem.sync();
    const QVariant valor = m_armazem.value(Chave(secao, nome));
    return valor.isValid() ? valor.toString().toStdString() : padrao;
}

void CConfiguracoesQt::GravarTexto(const std::string& secao, const std::string& nome, const std::string& valor)
{
    m_armazem.setValue(Chave(secao, nome), QString::fromStdString(valor));
    Sincronizar();
}

bool CConfiguracoesQt::Sincronizar()
{
    const bool gravou = GravarNoDisco();
    // Falhas ao gravar as configurações não são mostradas ao usuário; ficam no registro de erros.
    if (!gravou)
        qWarning() << "Configurações não gravadas em" << m_armazem.fileName();
    return gravou;
}

bool CConfiguracoesQt::GravarNoDisco()
{
    // No formato nativo do Windows o armazém é o registro, sem arquivo a proteger.
    const QString arquivo = m_armazem.fileName();
    const bool em_arquivo = QFileInfo(arquivo).isAbsolute();
    if (em_arquivo)
        CriarArquivoPrivado(arquivo);
    m_armazem.sync();
    if (m_armazem.status() != QSettings::NoError)
        return false;
    if (!em_arquivo)
        return true;
    // O QSettings troca o arquivo inteiro de uma vez, mas não promete levá-lo ao disco:
    // o arquivo e a pasta (a troca de nome) vão ao disco aqui.
    const std::filesystem::path caminho = QFile::encodeName(arquivo).toStdString();
    return QFile::setPermissions(arquivo, kSoODono) && LevarAoDisco(caminho) && LevarAoDisco(caminho.parent_path());
}
