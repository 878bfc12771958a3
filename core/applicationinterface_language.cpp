#include "core/applicationinterface.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>
#include <QTranslator>

namespace korvane::core {

namespace {
const QString cstTranslationFolder = QStringLiteral(":/translations");

// A catalogue that is missing stays uninstalled, so its texts show in English.
QTranslator* loadCatalogue(const QString& name)
{
    auto* translator = new QTranslator;
    if (translator->load(name, cstTranslationFolder))
        QCoreApplication::installTranslator(translator);
    return translator;
}
} // namespace

void ApplicationInterface::setLanguage(QString language)
{
    if (language == m_language)
        return;
    m_language = language;
    updateTranslation(m_language);
    emit languageChanged(language);
}

void ApplicationInterface::updateTranslation(QString language)
{
    delete m_qtTranslator;
    m_qtTranslator = nullptr;
    delete m_appTranslator;
    m_appTranslator = nullptr;

    m_qtTranslator = loadCatalogue(QStringLiteral("qt_%1").arg(language));
    m_appTranslator = loadCatalogue(QStringLiteral("korvane_%1").arg(language));

    qDebug().noquote() << QLocale::languageToString(QLocale(language).language());

    if (language.contains(QLatin1String("fr")))
        QLocale::setDefault(QLocale(QLocale::French, QLocale::AnyCountry));
    else
        QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
}

} // namespace korvane::core
