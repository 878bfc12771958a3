#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace korvane::datamodel {
class Configuration;
}

namespace korvane::shell {

// What the window says beside its content, without blocking anything: that
// this desktop has no tray area (so the window stays and closing it ends the
// switch), that the user's settings could not be read (so the defaults are in
// use, and where the old text is), and that a switch was found by itself.
// Each says it until the user dismisses it; the settings notice also goes as
// soon as the user changes a setting, which makes the defaults theirs.
class WindowNotices : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString trayText READ trayText NOTIFY changed)
    Q_PROPERTY(QString settingsText READ settingsText NOTIFY changed)
    Q_PROPERTY(QString portText READ portText NOTIFY changed)

public:
    explicit WindowNotices(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

    QString trayText() const;
    QString settingsText() const;
    QString portText() const;

    // From now on a change of any setting in `configuration` counts as the
    // user's, except the port, which Korvane also sets by itself when a
    // switch is plugged in.
    void watchDocument(datamodel::Configuration& configuration);

public slots:
    void setTrayMissing(bool missing);
    // The settings at `path` could not be read; their text is kept at
    // `keptAt` (a copy beside it, or the file itself, left as it was).
    void reportUnreadSettings(const QString& path, const QString& keptAt);
    // While no port was set, a switch appeared on `port` and is in use.
    void reportPortFound(const QString& port);
    void dismissTray();
    void dismissSettings();
    void dismissPort();

signals:
    void changed();

private slots:
    void settingChanged();

private:
    void watch(QObject* section, const QStringList& ignored = {});
    // What the user was told is part of what happened.
    void log(const QString& text) const;

    bool m_trayMissing = false;
    QString m_settingsPath;
    QString m_settingsKeptAt;
    QString m_port;
};

} // namespace korvane::shell
