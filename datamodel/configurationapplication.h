#pragma once

#include "datamodel/korvane_datamodel_export.h"
#include "datamodel/language.h"
#include "datamodel/languagelist.h"
#include "datamodel/theme.h"

#include <QJsonObject>
#include <QObject>
#include <QQmlListProperty>
#include <QString>
#include <QStringList>

namespace korvane::datamodel {

// The look of the application: theme, display scale and orientation,
// language and start at login, plus the catalogues found on disk (never
// stored in the document). Assignable but not copyable: assignment leaves the
// language list alone because it describes the installation, not the user.
class KORVANE_DATAMODEL_EXPORT ConfigurationApplication : public QObject {
    Q_OBJECT
    Q_PROPERTY(Theme::Type theme READ theme WRITE set_theme NOTIFY themeChanged)
    Q_PROPERTY(double scale READ scale WRITE set_scale NOTIFY scaleChanged)
    Q_PROPERTY(QString orientation READ orientation WRITE set_orientation NOTIFY orientationChanged)
    Q_PROPERTY(QString language READ language WRITE set_language NOTIFY languageChanged)
    Q_PROPERTY(bool runStartup READ runStartup WRITE set_runStartup NOTIFY runStartupChanged)
    // Short sounds for an accepted and an ignored press, pause and resume;
    // off by default.
    Q_PROPERTY(bool soundCues READ soundCues WRITE set_soundCues NOTIFY soundCuesChanged)
    Q_PROPERTY(LanguageList languageList READ languageList WRITE set_languageList NOTIFY
            languageListChanged)
    // Filled once at start-up, before the scene exists: CONSTANT spares the
    // scene's bindings a warning about a property that never notifies.
    Q_PROPERTY(QQmlListProperty<korvane::datamodel::Language> languageQmlList READ languageQmlList
            CONSTANT)

public:
    explicit ConfigurationApplication(QObject* parent = nullptr);
    ConfigurationApplication(const ConfigurationApplication&) = delete;
    ConfigurationApplication& operator=(const ConfigurationApplication& other);

    const Theme::Type& theme() const { return m_theme; }
    Theme::Type& theme() { return m_theme; }
    const double& scale() const { return m_scale; }
    double& scale() { return m_scale; }
    const QString& orientation() const { return m_orientation; }
    QString& orientation() { return m_orientation; }
    const QString& language() const { return m_language; }
    QString& language() { return m_language; }
    const bool& runStartup() const { return m_runStartup; }
    bool& runStartup() { return m_runStartup; }
    bool soundCues() const { return m_soundCues; }
    const LanguageList& languageList() const { return m_languageList; }
    LanguageList& languageList() { return m_languageList; }

    QQmlListProperty<Language> languageQmlList();

    void read(const QJsonObject& object);
    QJsonObject write() const;

    // Exact, case-sensitive key text; anything else is ignored. Emits nothing:
    // the scene switches its visual theme itself right after the call.
    Q_INVOKABLE void setTheme(const QString& theme);
    Q_INVOKABLE bool isLight() const { return m_theme == Theme::LIGHT; }
    Q_INVOKABLE bool isDark() const { return m_theme == Theme::DARK; }
    Q_INVOKABLE QStringList getLanguageList() const { return m_languageList.nameList(); }

public slots:
    void set_theme(Theme::Type theme);
    void set_scale(double scale);
    void set_orientation(QString orientation);
    void set_language(QString language);
    void set_runStartup(bool runStartup);
    void set_soundCues(bool soundCues);
    void set_languageList(LanguageList languageList);

signals:
    void themeChanged(Theme::Type theme);
    void scaleChanged(double scale);
    void orientationChanged(QString orientation);
    void languageChanged(QString language);
    void runStartupChanged(bool runStartup);
    void soundCuesChanged(bool soundCues);
    void languageListChanged(LanguageList languageList);

private:
    static int NAME_count(QQmlListProperty<Language>* list);
    static Language* NAME_at(QQmlListProperty<Language>* list, int index);

    Theme::Type m_theme = Theme::LIGHT;
    double m_scale = 1.0;
    QString m_orientation;
    QString m_language;
    bool m_runStartup = true;
    bool m_soundCues = false;
    LanguageList m_languageList;
};

} // namespace korvane::datamodel
