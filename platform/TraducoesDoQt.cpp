#include "platform/TraducoesDoQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>

CTraducoesDoQt::CTraducoesDoQt(const QLocale& lingua)
{
    // pt_BR, depois pt: o QTranslator tenta do nome mais específico ao mais geral.
    m_carregada = m_qtbase.load(lingua, QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                  QCoreApplication::installTranslator(&m_qtbase);
}

CTraducoesDoQt::~CTraducoesDoQt()
{
    if (m_carregada)
        QCoreApplication::removeTranslator(&m_qtbase);
}
