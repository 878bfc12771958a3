#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/linux/keymapset.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace korvane::core {

// Keeps a key map set on the session's layouts: reads them from the first
// source that names any (the desktop's settings, then the system's) and
// follows the user's switches and changes to the keyboard file while the
// program runs. Lives on the GUI thread, as the injector that asks the set.
class KORVANE_CORE_EXPORT KeyboardLayoutFollower : public QObject {
    Q_OBJECT

public:
    // `desktop` as in XDG_CURRENT_DESKTOP ("GNOME", "ubuntu:GNOME", "KDE").
    KeyboardLayoutFollower(const QString& desktop, const QString& keyboardFile,
        std::function<KeyboardLayout()> localeService, QObject* parent = nullptr);

    std::shared_ptr<KeyMapSet> keys() const { return m_keys; }

signals:
    // Another layout list or another active layout; the log says which.
    void layoutsChanged();

private:
    void update();
    void watchKeyboardFile();

    std::function<SessionLayouts()> m_desktop;
    QString m_keyboardFile;
    std::function<KeyboardLayout()> m_localeService;
    QFileSystemWatcher m_watcher;
    std::shared_ptr<KeyMapSet> m_keys;
};

} // namespace korvane::core
