#pragma once

#include "common/korvane_common_export.h"

#include <QElapsedTimer>
#include <QObject>

namespace korvane::common {

// A stopwatch for the scene. stop() only clears the running flag: elapsed
// keeps counting from the last start or restart.
class KORVANE_COMMON_EXPORT ElapsedTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int elapsed READ elapsed)
    Q_PROPERTY(bool running READ running)
public:
    explicit ElapsedTimer(QObject* parent = nullptr);

    // Milliseconds since the last start or restart; 0 before the first one.
    int elapsed() const;
    bool running() const { return m_running; }

public slots:
    void start();
    void restart();
    void stop();

private:
    QElapsedTimer m_timer;
    bool m_running = false;
};

} // namespace korvane::common
