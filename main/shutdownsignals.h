#pragma once

#include <QObject>

namespace korvane::shell {

// Turns the operating system's polite requests to end (SIGTERM, SIGINT and
// SIGHUP on Unix) into a normal end of the event loop, so the settings are
// written back as after "Exit". Install once per process; watch() once per pass.
class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    static void install();
    // Right before the program starts afresh in this process: a request that
    // came, or comes until the new image has installed, reaches that image as
    // a pending signal. install() takes requests again if the new image did
    // not start.
    static void holdForNextImage();

    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void requested();

private:
    struct Private;
    Private* d;
};

} // namespace korvane::shell
