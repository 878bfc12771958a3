#include "main/windownotices.h"

#include "common/logmanager.h"
#include "common/translator.h"
#include "datamodel/configuration.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QMetaProperty>

namespace korvane::shell {

WindowNotices::WindowNotices(QObject* parent)
    : QObject(parent)
{
    // The words are made here, beyond the scene's retranslation.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool WindowNotices::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
        emit changed();
    return QObject::eventFilter(watched, event);
}

QString WindowNotices::trayText() const
{
    if (!m_trayMissing)
        return QString();
    return Translator::tr("No systray was found.") + QLatin1Char(' ')
        + Translator::tr("This desktop has no tray area, so %1 shows its window instead. Keep it "
                         "open or minimise it: closing it ends %1, and the switch stops working.")
              .arg(QGuiApplication::applicationDisplayName());
}

QString WindowNotices::settingsText() const
{
    if (m_settingsPath.isEmpty())
        return QString();
    const QString name = QGuiApplication::applicationDisplayName();
    const QString kept = QDir::toNativeSeparators(m_settingsKeptAt);
    if (m_settingsKeptAt == m_settingsPath)
        return Translator::tr("Your settings could not be read, so %1 runs on its defaults. The "
                              "file %2 is left as it was and is not written over.")
            .arg(name, kept);
    return Translator::tr("Your settings could not be read, so %1 runs on its defaults. The old "
                          "text was kept in %2.")
        .arg(name, kept);
}

QString WindowNotices::portText() const
{
    if (m_port.isEmpty())
        return QString();
    return Translator::tr("A switch was plugged in on %1: %2 listens to it now.")
        .arg(m_port, QGuiApplication::applicationDisplayName());
}

void WindowNotices::watchDocument(datamodel::Configuration& configuration)
{
    auto& switchSection = configuration.get_configurationSwitch();
    watch(&configuration.get_configurationApplication());
    watch(&switchSection, { QStringLiteral("serialName") });
    watch(&switchSection.leftChannel());
    watch(&switchSection.rightChannel());
}

void WindowNotices::log(const QString& text) const
{
    common::LogManager::GetInstance().infoLog(
        QStringLiteral("The window says: %1").arg(text), common::LogManager::cst_log_app_name);
}

void WindowNotices::watch(QObject* section, const QStringList& ignored)
{
    const QMetaObject* meta = section->metaObject();
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("settingChanged()"));
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.hasNotifySignal() && !ignored.contains(QLatin1String(property.name())))
            connect(section, property.notifySignal(), this, slot, Qt::UniqueConnection);
    }
}

void WindowNotices::setTrayMissing(bool missing)
{
    if (m_trayMissing == missing)
        return;
    m_trayMissing = missing;
    if (missing)
        log(trayText());
    emit changed();
}

void WindowNotices::reportUnreadSettings(const QString& path, const QString& keptAt)
{
    m_settingsPath = path;
    m_settingsKeptAt = keptAt;
    log(settingsText());
    emit changed();
}

void WindowNotices::reportPortFound(const QString& port)
{
    m_port = port;
    log(portText());
    emit changed();
}

void WindowNotices::dismissTray()
{
    setTrayMissing(false);
}

void WindowNotices::dismissSettings()
{
    if (m_settingsPath.isEmpty())
        return;
    m_settingsPath.clear();
    m_settingsKeptAt.clear();
    emit changed();
}

void WindowNotices::dismissPort()
{
    if (m_port.isEmpty())
        return;
    m_port.clear();
    emit changed();
}

void WindowNotices::settingChanged()
{
    dismissSettings();
}

} // namespace korvane::shell
