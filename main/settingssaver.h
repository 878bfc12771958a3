#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QGuiApplication;

namespace korvane::datamodel {
class Configuration;
}

namespace korvane::shell {

// Keeps the user configuration and the screen settings on disk as they are in
// memory: about a second after the last change, a file whose content differs
// from what was last read or written is replaced (atomically), so a crash, a
// `kill -9` or a lost display loses at most that second. saveAll() is the
// write at the end of a run and for the session manager.
class SettingsSaver : public QObject {
    Q_OBJECT

public:
    static constexpr int cst_delay_ms = 1000;

    // The document must outlive the saver. `configurationWritable` false keeps
    // a user file that could not be read safe from every write.
    SettingsSaver(const datamodel::Configuration& configuration, QString configurationPath,
        QString screenPath, bool configurationWritable, QObject* parent = nullptr);

    // Every notifying property of `object` counts as a change of the document.
    void watch(QObject* object);

    // Saves everything whenever the session manager asks. It asks also when
    // it only saves the session or when the user cancels a logout, so the run
    // goes on: its end, if it comes, comes as a signal.
    void followSession(QGuiApplication* application);

    bool isPending() const { return m_timer.isActive(); }

public slots:
    // Writes what changed since the last write; true when nothing failed.
    bool saveChanges();
    // Writes both files whatever they hold.
    bool saveAll();

signals:
    // After every write attempt that wrote something or failed.
    void saved(bool ok);

private slots:
    void changed();

private:
    bool save(bool always);

    const datamodel::Configuration& m_configuration;
    const QString m_configurationPath;
    const QString m_screenPath;
    const bool m_configurationWritable;
    QByteArray m_configurationBytes;
    QByteArray m_screenBytes;
    QTimer m_timer;
};

} // namespace korvane::shell
