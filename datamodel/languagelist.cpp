#include "datamodel/languagelist.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace korvane::datamodel {

namespace {
// A language is listed in its own words ("Français"): someone who cannot read
// the current language must still find theirs.
QString nativeName(const QLocale& locale)
{
    QString name = locale.nativeLanguageName();
    if (name.isEmpty())
        return QLocale::languageToString(locale.language());
    return name.left(1).toUpper() + name.mid(1);
}
} // namespace

LanguageList::LanguageList() = default;

LanguageList::LanguageList(const LanguageList& other)
    : GenericContainerJson<Language>(other)
{
}

LanguageList::LanguageList(LanguageList&& other) noexcept
{
    m_list.swap(other.m_list);
}

LanguageList::~LanguageList() = default;

LanguageList& LanguageList::operator=(const LanguageList& other)
{
    GenericContainerJson<Language>::operator=(other);
    return *this;
}

LanguageList& LanguageList::operator=(LanguageList&& other) noexcept
{
    m_list.swap(other.m_list);
    return *this;
}

void LanguageList::loadDirectory(const QString& path)
{
    const QFileInfoList entries
        = QDir(path).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (!entry.isFile())
            continue;
        const QString suffix = entry.suffix();
        if (!suffix.isEmpty() && !suffix.contains(QLatin1String("qm")))
            continue;
        const QString fileName = entry.fileName();
        if (!fileName.contains(QLatin1String("korvane")))
            continue;

        QString code = fileName;
        code.remove(QLatin1String(".qm"));
        code.remove(QLatin1String("korvane_"));

        Language language;
        language.setCode(code);
        language.setName(nativeName(QLocale(code)));
        language.setFileName(entry.absoluteFilePath());
        append(language);
    }
}

QStringList LanguageList::nameList() const
{
    QStringList names;
    names.reserve(m_list.size());
    for (const Language& language : m_list)
        names.append(language.name());
    return names;
}

} // namespace korvane::datamodel
