#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs a program of ours as a user would, in the sandbox the test runs in, and
// watches what it logs.
class ProgramRunner {
public:
    explicit ProgramRunner(QString program);
    ~ProgramRunner();

    void start(const QStringList& arguments = {});
    // Starts it without these environment variables.
    void unset(const QStringList& names);
    bool waitForLog(const QString& text, int timeoutMs = 20000);
    bool terminate(int timeoutMs = 20000); // SIGTERM, then wait for the end
    bool waitForFinished(int timeoutMs = 20000);

    QString log() const { return m_log; }
    int logCount(const QString& text) const { return m_log.count(text); }
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    qint64 pid() const { return m_process.processId(); }

private:
    void readOutput();

    QString m_program;
    QProcess m_process;
    QString m_log;
};

// The sandbox's display, through xdotool: what it prints for `arguments`.
QString xdotool(const QStringList& arguments, int timeoutMs = 10000);
// The first visible window whose name matches `title` (a pattern), or "".
QString visibleWindow(const QString& title);
QString waitForVisibleWindow(const QString& title);

// The home folder of the sandbox and the files the program keeps there.
QString homeFile(const QString& name);
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
