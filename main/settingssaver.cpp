#include "main/settingssaver.h"

#include "common/logmanager.h"
#include "datamodel/configuration.h"
#include "main/configurationfile.h"
#include "main/screensettings.h"

#include <QGuiApplication>
#include <QMetaMethod>
#include <QMetaProperty>

namespace korvane::shell {

using common::LogManager;

SettingsSaver::SettingsSaver(const datamodel::Configuration& configuration,
    QString configurationPath, QString screenPath, bool configurationWritable, QObject* parent)
    : QObject(parent)
    , m_configuration(configuration)
    , m_configurationPath(std::move(configurationPath))
    , m_screenPath(std::move(screenPath))
    , m_configurationWritable(configurationWritable)
{
    // What was just read counts as saved: a start without any change writes
    // nothing before the end of the run.
    const auto& application = m_configuration.get_configurationApplication();
    m_configurationBytes = m_configuration.toJson(QJsonDocument::Indented);
    m_screenBytes = ScreenSettings::content(application.scale(), application.orientation());
    m_timer.setSingleShot(true);
    m_timer.setInterval(cst_delay_ms);
    connect(&m_timer, &QTimer::timeout, this, &SettingsSaver::saveChanges);
}

void SettingsSaver::watch(QObject* object)
{
    // Every property rather than a list of them, so a setting added later is
    // saved without anyone remembering to add it here.
    const QMetaObject* meta = object->metaObject();
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("changed()"));
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.hasNotifySignal())
            connect(object, property.notifySignal(), this, slot);
    }
}

void SettingsSaver::followSession(QGuiApplication* application)
{
    connect(application, &QGuiApplication::commitDataRequest, this, [this] { saveAll(); });
}

void SettingsSaver::changed()
{
    m_timer.start();
}

bool SettingsSaver::saveChanges()
{
    return save(false);
}

bool SettingsSaver::saveAll()
{
    return save(true);
}

bool SettingsSaver::save(bool always)
{
    m_timer.stop();
    auto& log = LogManager::GetInstance();
    const auto& application = m_configuration.get_configurationApplication();
    bool ok = true;
    bool wrote = false;
    QString reason;

    const QByteArray configuration = m_configuration.toJson(QJsonDocument::Indented);
    // A user file that could not be read is reported once, at the end.
    const bool keptAsItIs = !m_configurationWritable && !always;
    if (!keptAsItIs && (always || configuration != m_configurationBytes)) {
        wrote = true;
        if (!m_configurationWritable) {
            ok = false;
            log.errorLog(QStringLiteral("Cannot write user configuration: the file could not be "
                                        "read and is kept as it is"),
                LogManager::cst_log_app_name);
        } else if (!ConfigurationFile::write(m_configurationPath, m_configuration, &reason)) {
            ok = false;
            log.errorLog(QStringLiteral("Cannot write user configuration: %1").arg(reason),
                LogManager::cst_log_app_name);
        } else {
            // Once written, so whoever reads the log may rely on the file.
            log.debugLog(
                QStringLiteral("Write user configuration into %1").arg(m_configurationPath),
                LogManager::cst_log_app_name);
            m_configurationBytes = configuration;
        }
    }

    const QByteArray screen
        = ScreenSettings::content(application.scale(), application.orientation());
    if (always || screen != m_screenBytes) {
        wrote = true;
        if (ScreenSettings::write(
                m_screenPath, application.scale(), application.orientation(), &reason)) {
            m_screenBytes = screen;
        } else {
            ok = false;
            log.errorLog(QStringLiteral("Cannot write screen settings: %1").arg(reason),
                LogManager::cst_log_app_name);
        }
    }

    if (wrote)
        emit saved(ok);
    return ok;
}

} // namespace korvane::shell
