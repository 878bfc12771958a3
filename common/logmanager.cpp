#include "common/logmanager.h"

#include <QDebug>

namespace korvane::common {

const QString LogManager::cst_log_app_name = QStringLiteral("korvane");
LogManager* LogManager::_p_logManager = nullptr;

namespace {

// Every severity word is five characters wide so that the columns align.
QString lineFormat(LogLevel::Type level)
{
    switch (level) {
    case LogLevel::LEVEL_DEBUG:
        return QStringLiteral("%1 DEBUG %2 - %3");
    case LogLevel::LEVEL_INFO:
        return QStringLiteral("%1 INFO  %2 - %3");
    case LogLevel::LEVEL_WARNING:
        return QStringLiteral("%1 WARN  %2 - %3");
    case LogLevel::LEVEL_ERROR:
        return QStringLiteral("%1 ERROR %2 - %3");
    case LogLevel::LEVEL_FATAL:
        return QStringLiteral("%1 FATAL %2 - %3");
    }
    return QStringLiteral("%1 DEBUG %2 - %3");
}

} // namespace

LogManager& LogManager::GetInstance()
{
    if (!_p_logManager)
        _p_logManager = new LogManager();
    return *_p_logManager;
}

void LogManager::Destroy()
{
    delete _p_logManager;
    _p_logManager = nullptr;
}

void LogManager::setLogLevel(LogLevel::Type level)
{
    m_logLevel = level;
}

void LogManager::setBenchmarkEnabled(bool enabled)
{
    m_benchmarkEnabled = enabled;
}

void LogManager::setDefaultLogName(const QString&) { }

QString LogManager::formatLine(
    LogLevel::Type level, const QDateTime& when, const QString& logger, const QString& message)
{
    return lineFormat(level).arg(
        when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")), logger, message);
}

void LogManager::write(LogLevel::Type level, const QString& message, const QString& logger)
{
    if (!isWritten(level))
        return;
    const QString line = formatLine(level, QDateTime::currentDateTime(), logger, message);
    switch (level) {
    case LogLevel::LEVEL_DEBUG:
        qDebug().noquote() << line;
        break;
    case LogLevel::LEVEL_INFO:
        qInfo().noquote() << line;
        break;
    case LogLevel::LEVEL_WARNING:
        qWarning().noquote() << line;
        break;
    case LogLevel::LEVEL_ERROR:
    case LogLevel::LEVEL_FATAL:
        // Fatal goes to the critical channel: qFatal would end the program.
        qCritical().noquote() << line;
        break;
    }
}

void LogManager::benchmarkLog(const QString& message, QString logger)
{
    if (m_benchmarkEnabled)
        qDebug().noquote() << message;
    emit benchmark(QStringLiteral("----> %1").arg(message), logger);
}

void LogManager::debugLog(const QString& message, QString logger)
{
    write(LogLevel::LEVEL_DEBUG, message, logger);
    emit debug(message, logger);
}

void LogManager::infoLog(const QString& message, QString logger)
{
    write(LogLevel::LEVEL_INFO, message, logger);
    emit info(message, logger);
}

void LogManager::warningLog(const QString& message, QString logger)
{
    write(LogLevel::LEVEL_WARNING, message, logger);
    emit warning(message, logger);
}

void LogManager::errorLog(const QString& message, QString logger)
{
    write(LogLevel::LEVEL_ERROR, message, logger);
    emit error(message, logger);
}

void LogManager::fatalLog(const QString& message, QString logger)
{
    write(LogLevel::LEVEL_FATAL, message, logger);
    emit fatal(message, logger);
}

void LogManager::benchmarkLog(const QString& message)
{
    benchmarkLog(message, cst_log_app_name);
}
void LogManager::debugLog(const QString& message)
{
    debugLog(message, cst_log_app_name);
}
void LogManager::infoLog(const QString& message)
{
    infoLog(message, cst_log_app_name);
}
void LogManager::warningLog(const QString& message)
{
    warningLog(message, cst_log_app_name);
}
void LogManager::errorLog(const QString& message)
{
    errorLog(message, cst_log_app_name);
}
void LogManager::fatalLog(const QString& message)
{
    fatalLog(message, cst_log_app_name);
}

// List forms: one call per non-empty entry, in order.
#define KORVANE_LOG_LIST_FORMS(name)                                                               \
    void LogManager::name(const QStringList& message, QString logger)                              \
    {                                                                                              \
        for (const QString& entry : message) {                                                     \
            if (!entry.isEmpty())                                                                  \
                name(entry, logger);                                                               \
        }                                                                                          \
    }                                                                                              \
    void LogManager::name(const QStringList& message)                                              \
    {                                                                                              \
        name(message, cst_log_app_name);                                                           \
    }

KORVANE_LOG_LIST_FORMS(benchmarkLog)
KORVANE_LOG_LIST_FORMS(debugLog)
KORVANE_LOG_LIST_FORMS(infoLog)
KORVANE_LOG_LIST_FORMS(warningLog)
KORVANE_LOG_LIST_FORMS(errorLog)
KORVANE_LOG_LIST_FORMS(fatalLog)

#undef KORVANE_LOG_LIST_FORMS

} // namespace korvane::common
