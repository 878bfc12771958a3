#include "datamodel/configurationapplication.h"

#include <QMetaType>

namespace korvane::datamodel {

namespace {

const QLatin1String cst_theme("theme");
const QLatin1String cst_scale("scale");
const QLatin1String cst_orientation("orientation");
const QLatin1String cst_language("language");
const QLatin1String cst_run_startup("runStartup");
const QLatin1String cst_sound_cues("sound_cues");

} // namespace

ConfigurationApplication::ConfigurationApplication(QObject* parent)
    : QObject(parent)
    , m_orientation(QStringLiteral("ORIENTATION_PREFERENCE_PORTRAIT"))
    , m_language(QStringLiteral("en"))
{
    static const bool registered = [] {
        qRegisterMetaType<LanguageList>();
        qRegisterMetaType<LanguageList>("LanguageList");
        qRegisterMetaType<Theme::Type>("Theme::Type");
        return true;
    }();
    Q_UNUSED(registered)
}

ConfigurationApplication& ConfigurationApplication::operator=(const ConfigurationApplication& other)
{
    m_theme = other.m_theme;
    m_scale = other.m_scale;
    m_orientation = other.m_orientation;
    m_language = other.m_language;
    m_runStartup = other.m_runStartup;
    m_soundCues = other.m_soundCues;
    return *this;
}

QQmlListProperty<Language> ConfigurationApplication::languageQmlList()
{
    return QQmlListProperty<Language>(
        this, nullptr, &ConfigurationApplication::NAME_count, &ConfigurationApplication::NAME_at);
}

int ConfigurationApplication::NAME_count(QQmlListProperty<Language>* list)
{
    return static_cast<ConfigurationApplication*>(list->object)->m_languageList.size();
}

Language* ConfigurationApplication::NAME_at(QQmlListProperty<Language>* list, int index)
{
    LanguageList& languages = static_cast<ConfigurationApplication*>(list->object)->m_languageList;
    if (index < 0 || index >= languages.size())
        return nullptr;
    return &languages.at(index);
}

void ConfigurationApplication::read(const QJsonObject& object)
{
    // A present application section always sets the theme: an absent or
    // unknown text reads as NONE.
    m_theme = Theme::fromJson(object.value(cst_theme));
    if (object.contains(cst_scale))
        m_scale = object.value(cst_scale).toDouble(0.0);
    if (object.contains(cst_orientation))
        m_orientation = object.value(cst_orientation).toString();
    if (object.contains(cst_language))
        m_language = object.value(cst_language).toString();
    if (object.contains(cst_run_startup))
        m_runStartup = object.value(cst_run_startup).toBool(false);
    // Only a present key changes it, so a user file without it keeps the
    // shipped choice; anything but true is off.
    if (object.contains(cst_sound_cues))
        m_soundCues = object.value(cst_sound_cues).toBool(false);
}

QJsonObject ConfigurationApplication::write() const
{
    QJsonObject object;
    object.insert(cst_theme, Theme::toJson(m_theme));
    object.insert(cst_scale, m_scale);
    object.insert(cst_orientation, m_orientation);
    object.insert(cst_language, m_language);
    object.insert(cst_run_startup, m_runStartup);
    // Written only when on: the file of a user who never turns them on stays
    // as it always was.
    if (m_soundCues)
        object.insert(cst_sound_cues, true);
    return object;
}

void ConfigurationApplication::setTheme(const QString& theme)
{
    for (int i = 0; i < Theme::cstSize; ++i) {
        if (theme == Theme::cstTab[i]) {
            m_theme = static_cast<Theme::Type>(i);
            return;
        }
    }
}

void ConfigurationApplication::set_theme(Theme::Type theme)
{
    if (m_theme == theme)
        return;
    m_theme = theme;
    emit themeChanged(m_theme);
}

void ConfigurationApplication::set_scale(double scale)
{
    // Exact comparison on purpose; a NaN never equals anything, so it is stored.
    if (m_scale == scale)
        return;
    m_scale = scale;
    emit scaleChanged(m_scale);
}

void ConfigurationApplication::set_orientation(QString orientation)
{
    if (m_orientation == orientation)
        return;
    m_orientation = orientation;
    emit orientationChanged(m_orientation);
}

void ConfigurationApplication::set_language(QString language)
{
    if (m_language == language)
        return;
    m_language = language;
    emit languageChanged(m_language);
}

void ConfigurationApplication::set_runStartup(bool runStartup)
{
    if (m_runStartup == runStartup)
        return;
    m_runStartup = runStartup;
    emit runStartupChanged(m_runStartup);
}

void ConfigurationApplication::set_soundCues(bool soundCues)
{
    if (m_soundCues == soundCues)
        return;
    m_soundCues = soundCues;
    emit soundCuesChanged(m_soundCues);
}

void ConfigurationApplication::set_languageList(LanguageList languageList)
{
    if (m_languageList == languageList)
        return;
    m_languageList = languageList;
    emit languageListChanged(m_languageList);
}

} // namespace korvane::datamodel
