#pragma once

#include "common/korvane_common_export.h"
#include "common/loglevel.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

namespace korvane::common {

// The program's one logger. Lines go to Qt's message channels (no file, no
// handler of its own); every call also emits a signal with the raw message,
// even when the level filters the line out, so listeners see everything.
class KORVANE_COMMON_EXPORT LogManager : public QObject {
    Q_OBJECT
public:
    static const QString cst_log_app_name;

    static LogManager& GetInstance();
    static void Destroy();

    void setLogLevel(LogLevel::Type level);
    void setBenchmarkEnabled(bool enabled);
    // Kept for callers that name their logger; the name is not used.
    void setDefaultLogName(const QString& name);

    LogLevel::Type logLevel() const { return m_logLevel; }
    bool benchmarkEnabled() const { return m_benchmarkEnabled; }

    // The line written for a message at a severity, e.g.
    // "2024-03-05 09:07:01.042 INFO  main - started".
    static QString formatLine(
        LogLevel::Type level, const QDateTime& when, const QString& logger, const QString& message);

signals:
    void benchmark(QString message, QString logger);
    void debug(QString message, QString logger);
    void info(QString message, QString logger);
    void warning(QString message, QString logger);
    void error(QString message, QString logger);
    void fatal(QString message, QString logger);

public slots:
    void benchmarkLog(const QString& message, QString logger);
    void benchmarkLog(const QString& message);
    void debugLog(const QString& message, QString logger);
    void debugLog(const QString& message);
    void infoLog(const QString& message, QString logger);
    void infoLog(const QString& message);
    void warningLog(const QString& message, QString logger);
    void warningLog(const QString& message);
    void errorLog(const QString& message, QString logger);
    void errorLog(const QString& message);
    void fatalLog(const QString& message, QString logger);
    void fatalLog(const QString& message);

    void benchmarkLog(const QStringList& message, QString logger);
    void benchmarkLog(const QStringList& message);
    void debugLog(const QStringList& message, QString logger);
    void debugLog(const QStringList& message);
    void infoLog(const QStringList& message, QString logger);
    void infoLog(const QStringList& message);
    void warningLog(const QStringList& message, QString logger);
    void warningLog(const QStringList& message);
    void errorLog(const QStringList& message, QString logger);
    void errorLog(const QStringList& message);
    void fatalLog(const QStringList& message, QString logger);
    void fatalLog(const QStringList& message);

private:
    LogManager() = default;
    ~LogManager() override = default;

    bool isWritten(LogLevel::Type level) const { return m_logLevel <= level; }
    void write(LogLevel::Type level, const QString& message, const QString& logger);

    static LogManager* _p_logManager;

    bool m_benchmarkEnabled = false;
    LogLevel::Type m_logLevel = LogLevel::LEVEL_DEBUG;
};

} // namespace korvane::common
