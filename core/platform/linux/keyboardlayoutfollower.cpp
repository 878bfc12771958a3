#include "core/platform/linux/keyboardlayoutfollower.h"

#include "common/logmanager.h"
#include "core/platform/linux/gnomeinputsources.h"
#include "core/platform/linux/kdekeyboardlayouts.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace korvane::core {

KeyboardLayoutFollower::KeyboardLayoutFollower(const QString& desktop, const QString& keyboardFile,
    std::function<KeyboardLayout()> localeService, QObject* parent)
    : QObject(parent)
    , m_keyboardFile(keyboardFile)
    , m_localeService(std::move(localeService))
{
    const QStringList desktops = desktop.split(QLatin1Char(':'));
    if (desktops.contains(QLatin1String("GNOME"), Qt::CaseInsensitive)) {
        auto* gnome = new GnomeInputSources(this);
        connect(gnome, &GnomeInputSources::changed, this, &KeyboardLayoutFollower::update);
        m_desktop = [gnome] { return gnome->layouts(); };
    } else if (desktops.contains(QLatin1String("KDE"), Qt::CaseInsensitive)) {
        auto* kde = new KdeKeyboardLayouts(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                + QStringLiteral("/kxkbrc"),
            QDBusConnection::sessionBus(), this);
        connect(kde, &KdeKeyboardLayouts::changed, this, &KeyboardLayoutFollower::update);
        m_desktop = [kde] { return kde->layouts(); };
    }
    // Editors and dpkg replace the file, so its folder is watched as well.
    const auto keyboardFileChanged = [this] {
        watchKeyboardFile();
        update();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, keyboardFileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, keyboardFileChanged);
    watchKeyboardFile();

    m_keys = std::make_shared<KeyMapSet>(
        SessionLayouts::resolve(m_desktop, m_keyboardFile.toStdString(), m_localeService),
        [](const std::string& notice) {
            common::LogManager::GetInstance().infoLog(QString::fromStdString(notice));
        });
}

void KeyboardLayoutFollower::watchKeyboardFile()
{
    const QString folder = QFileInfo(m_keyboardFile).absolutePath();
    if (QFileInfo::exists(folder) && !m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (QFileInfo::exists(m_keyboardFile) && !m_watcher.files().contains(m_keyboardFile))
        m_watcher.addPath(m_keyboardFile);
}

void KeyboardLayoutFollower::update()
{
    const SessionLayouts layouts
        = SessionLayouts::resolve(m_desktop, m_keyboardFile.toStdString(), m_localeService);
    if (layouts == m_keys->layouts())
        return;
    m_keys->setLayouts(layouts);
    common::LogManager::GetInstance().infoLog(
        QStringLiteral("Keyboard layouts now: %1").arg(QString::fromStdString(layouts.describe())));
    emit layoutsChanged();
}

} // namespace korvane::core
