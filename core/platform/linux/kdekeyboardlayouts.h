#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/linux/sessionlayouts.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace korvane::core {

// The layouts a KDE Plasma user chose in the desktop's settings (kxkbrc's
// [Layout] group) and the one in use, which only the running desktop knows
// (org.kde.keyboard on the session bus). Silent when the user left the
// layouts to the system (Use=false) or listed none.
class KORVANE_CORE_EXPORT KdeKeyboardLayouts : public QObject {
    Q_OBJECT

public:
    static const char* const cstService;
    static const char* const cstPath;
    static const char* const cstInterface;

    explicit KdeKeyboardLayouts(const QString& configFile,
        QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    SessionLayouts layouts() const;

signals:
    // The user switched layouts or changed the list.
    void changed();

private slots:
    void onLayoutChanged(uint index);
    void onLayoutListChanged();

private:
    void askActive();

    QString m_configFile;
    QDBusConnection m_bus;
    uint m_active = 0;
};

} // namespace korvane::core
