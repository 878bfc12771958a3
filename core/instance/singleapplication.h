#pragma once

#include "core/application.h"
#include "core/korvane_core_export.h"

#include <QByteArray>

namespace korvane::core {

class SingleApplicationPrivate;

// The application object that keeps one instance running. While it is
// constructed it finds out whether another instance already runs; a second
// instance learns that from isSecondary(), may hand a message over with
// sendMessage() and is expected to end itself.
class KORVANE_CORE_EXPORT SingleApplication : public Application {
    Q_OBJECT
public:
    enum Mode {
        PerUser = 1 << 0, // the user's name enters the block name; the server admits only that user
        SystemWide = 1 << 1, // no user in the name (see below); the server admits every local user
        NotifySecondary = 1 << 2, // admitted secondaries announce themselves with instanceStarted
        ExcludeVersion = 1 << 3, // the application version stays out of the block name
        ExcludePath = 1 << 4, // the executable path stays out of the block name
    };
    Q_DECLARE_FLAGS(Options, Mode)

    // Where the operating system shares these names between all users (Unix),
    // the user's name is always part of the block name so that every user can
    // run an instance of their own; the server keeps the access chosen here.
    SingleApplication(int& argc, char** argv, bool allowSecondary = false,
        Options options = PerUser, int timeout = 100);
    ~SingleApplication() override;

    bool isPrimary() const;
    bool isSecondary() const;
    quint32 instanceId() const;
    qint64 primaryPid() const;

    // Hands `message` to the primary instance. False in the primary itself,
    // when the primary cannot be reached, or when the message is larger than
    // the primary accepts.
    bool sendMessage(const QByteArray& message, int timeout = 100);

    // For a restart that replaces the program's image in this process (see
    // platform::replaceProcessImage): the primary keeps its guard for the
    // next image instead of releasing it when it is destroyed. The block goes
    // on naming this process and the server's socket stays open, so a start
    // in between queues on it and learns it is secondary. False when there is
    // nothing to keep or the platform cannot keep it; the guard is then
    // released as usual.
    bool handOver();

signals:
    void instanceStarted();
    void receivedMessage(quint32 instanceId, QByteArray message);

private:
    SingleApplicationPrivate* d;
    friend class SingleApplicationPrivate;
};

} // namespace korvane::core

Q_DECLARE_OPERATORS_FOR_FLAGS(korvane::core::SingleApplication::Options)
