// Plays another instance of the program for the single-instance tests.
//
// singleapp-helper [--org O] [--domain D] [--version V] [--mode N] [--timeout ms]
//                  [--allow-secondary] [--exit-if-secondary] [--tmpdir DIR] [--uid N]
//                  [extra arguments...]
//
// Prints "role primary|secondary <instanceId> <primaryPid>" once constructed. With
// --exit-if-secondary a secondary does what the program does: sends its
// arguments joined by blanks and ends with status 1. Otherwise it keeps
// running and prints "started" and "message <id> <base64>" as they arrive.
// Commands on standard input, one a line: "quit", "send <base64>" (answers
// "sent 1" or "sent 0"), "pid" (answers "pid <primaryPid>"), "restart" (hands
// the guard over and ends the application object as the program's restart
// does, says "handed over" once it is gone, then waits for "go" to start
// itself again in this process). End of input quits.

#include "core/instance/singleapplication.h"
#include "core/platform/processimage.h"

#include <QByteArray>
#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <unistd.h>
#include <vector>

using korvane::core::SingleApplication;

namespace {

void say(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

const char* option(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return nullptr;
}

bool flag(int argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}

constexpr int cst_restart_code = 999;

// Blocks until a whole line came on standard input; false at its end.
bool readLine(QByteArray* line)
{
    line->clear();
    char c;
    while (read(STDIN_FILENO, &c, 1) == 1) {
        if (c == '\n')
            return true;
        line->append(c);
    }
    return false;
}

int run(int argc, char** argv);

} // namespace

int main(int argc, char** argv)
{
    const std::vector<char*> arguments(argv, argv + argc + 1);
    const int code = run(argc, argv);
    if (code != cst_restart_code)
        return code;
    say("handed over");
    QByteArray line;
    while (readLine(&line) && line.trimmed() != "go") { }
    korvane::core::platform::replaceProcessImage(arguments.data());
    return 2;
}

namespace {

int run(int argc, char** argv)
{
    if (const char* uid = option(argc, argv, "--uid")) {
        const auto id = static_cast<uid_t>(std::strtoul(uid, nullptr, 10));
        if (setgroups(0, nullptr) != 0 || setgid(id) != 0 || setuid(id) != 0) {
            std::perror("singleapp-helper: cannot change user");
            return 3;
        }
    }
    if (const char* dir = option(argc, argv, "--tmpdir"))
        qputenv("TMPDIR", dir);
    if (const char* v = option(argc, argv, "--org"))
        QCoreApplication::setOrganizationName(QString::fromUtf8(v));
    if (const char* v = option(argc, argv, "--domain"))
        QCoreApplication::setOrganizationDomain(QString::fromUtf8(v));
    if (const char* v = option(argc, argv, "--version"))
        QCoreApplication::setApplicationVersion(QString::fromUtf8(v));
    const char* mode = option(argc, argv, "--mode");
    const char* timeout = option(argc, argv, "--timeout");
    const SingleApplication::Options options(mode ? std::atoi(mode) : 18);

    SingleApplication app(argc, argv, flag(argc, argv, "--allow-secondary"), options,
        timeout ? std::atoi(timeout) : 100);
    say(QByteArray(app.isPrimary() ? "role primary " : "role secondary ")
        + QByteArray::number(app.instanceId()) + ' ' + QByteArray::number(app.primaryPid()));

    if (app.isSecondary() && flag(argc, argv, "--exit-if-secondary")) {
        app.sendMessage(QCoreApplication::arguments().join(QLatin1Char(' ')).toUtf8(), 100);
        return 1;
    }

    QObject::connect(&app, &SingleApplication::instanceStarted, [] { say("started"); });
    QObject::connect(
        &app, &SingleApplication::receivedMessage, [](quint32 id, const QByteArray& message) {
            say("message " + QByteArray::number(id) + ' ' + message.toBase64());
        });

    QByteArray input;
    QSocketNotifier stdinReady(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&stdinReady, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            stdinReady.setEnabled(false);
            QCoreApplication::exit(0);
            return;
        }
        input.append(buffer, static_cast<int>(n));
        int end;
        while ((end = input.indexOf('\n')) >= 0) {
            const QByteArray line = input.left(end).trimmed();
            input.remove(0, end + 1);
            if (line == "quit") {
                QCoreApplication::exit(0);
            } else if (line.startsWith("send ")) {
                const bool sent = app.sendMessage(QByteArray::fromBase64(line.mid(5)), 1000);
                say(sent ? "sent 1" : "sent 0");
            } else if (line == "pid") {
                say("pid " + QByteArray::number(app.primaryPid()));
            } else if (line == "restart") {
                stdinReady.setEnabled(false);
                QCoreApplication::exit(cst_restart_code);
            }
        }
    });
    const int code = app.exec();
    if (code == cst_restart_code && !app.handOver())
        return 4;
    return code;
}

} // namespace
