#include "common/logmanager.h"
#include "messagecapture.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using korvane::common::LogLevel;
using korvane::common::LogManager;

Q_DECLARE_METATYPE(LogLevel::Type)

class TestLogging : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { LogManager::Destroy(); }

    void levelTable()
    {
        QCOMPARE(LogLevel::getValues(),
            QStringList(
                { "LEVEL_DEBUG", "LEVEL_INFO", "LEVEL_WARNING", "LEVEL_ERROR", "LEVEL_FATAL" }));
        QCOMPARE(LogLevel::toString(LogLevel::LEVEL_ERROR), QStringLiteral("LEVEL_ERROR"));
        QCOMPARE(LogLevel::toJson(LogLevel::LEVEL_INFO), QJsonValue("LEVEL_INFO"));
        QCOMPARE(LogLevel::toString(static_cast<LogLevel::Type>(9)), QString());
        QCOMPARE(LogLevel::toJson(static_cast<LogLevel::Type>(-1)), QJsonValue(QString()));
    }

    void get_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("exact") << "LEVEL_FATAL" << 4;
        QTest::newRow("lower case") << "level_info" << 1;
        QTest::newRow("absent") << "LEVEL_TRACE" << 5;
        QTest::newRow("empty") << "" << 5;
    }
    void get()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(LogLevel::get(text), position);
    }

    void fromJson_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<LogLevel::Type>("level");
        QTest::addColumn<bool>("ok");
        QTest::newRow("small letters")
            << QJsonValue("level_warning") << LogLevel::LEVEL_WARNING << true;
        QTest::newRow("exact") << QJsonValue("LEVEL_FATAL") << LogLevel::LEVEL_FATAL << true;
        QTest::newRow("unknown text") << QJsonValue("LEVEL_LOUD") << LogLevel::LEVEL_DEBUG << false;
        QTest::newRow("number") << QJsonValue(3) << LogLevel::LEVEL_DEBUG << false;
        QTest::newRow("null") << QJsonValue() << LogLevel::LEVEL_DEBUG << false;
        QTest::newRow("empty text") << QJsonValue("") << LogLevel::LEVEL_DEBUG << false;
    }
    void fromJson()
    {
        QFETCH(QJsonValue, value);
        QFETCH(LogLevel::Type, level);
        QFETCH(bool, ok);
        bool success = !ok;
        QCOMPARE(LogLevel::fromJson(value, &success), level);
        QCOMPARE(success, ok);
        QCOMPARE(LogLevel::fromJson(value), level);
    }

    void displayName_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("name");
        QTest::newRow("debug") << 0 << "Debug";
        QTest::newRow("warning") << 2 << "Warning";
        QTest::newRow("fatal") << 4 << "Fatal";
        QTest::newRow("above") << 5 << "";
        QTest::newRow("negative") << -1 << "";
    }
    void displayName()
    {
        QFETCH(int, value);
        QFETCH(QString, name);
        QCOMPARE(LogLevel::getDisplayName(static_cast<LogLevel::Type>(value)), name);
    }

    void lineFormat_data()
    {
        QTest::addColumn<LogLevel::Type>("level");
        QTest::addColumn<QString>("line");
        QTest::newRow("debug") << LogLevel::LEVEL_DEBUG
                               << "2024-03-05 09:07:01.042 DEBUG main - started";
        QTest::newRow("info") << LogLevel::LEVEL_INFO
                              << "2024-03-05 09:07:01.042 INFO  main - started";
        QTest::newRow("warning") << LogLevel::LEVEL_WARNING
                                 << "2024-03-05 09:07:01.042 WARN  main - started";
        QTest::newRow("error") << LogLevel::LEVEL_ERROR
                               << "2024-03-05 09:07:01.042 ERROR main - started";
        QTest::newRow("fatal") << LogLevel::LEVEL_FATAL
                               << "2024-03-05 09:07:01.042 FATAL main - started";
    }
    void lineFormat()
    {
        QFETCH(LogLevel::Type, level);
        QFETCH(QString, line);
        const QDateTime when(QDate(2024, 3, 5), QTime(9, 7, 1, 42));
        QCOMPARE(LogManager::formatLine(level, when, "main", "started"), line);
    }

    // Each severity at each level: the line goes to the right Qt channel only
    // when the level lets it through, and the signal is emitted in every case.
    void filtering_data()
    {
        QTest::addColumn<LogLevel::Type>("configured");
        QTest::addColumn<LogLevel::Type>("severity");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("word");
        const QList<int> channels
            = { QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg, QtCriticalMsg };
        const QStringList words = { "DEBUG", "INFO ", "WARN ", "ERROR", "FATAL" };
        for (int configured = 0; configured < 5; ++configured) {
            for (int severity = 0; severity < 5; ++severity) {
                QTest::addRow("level %d, severity %d", configured, severity)
                    << static_cast<LogLevel::Type>(configured)
                    << static_cast<LogLevel::Type>(severity) << (configured <= severity)
                    << channels.at(severity) << words.at(severity);
            }
        }
    }
    void filtering()
    {
        QFETCH(LogLevel::Type, configured);
        QFETCH(LogLevel::Type, severity);
        QFETCH(bool, written);
        QFETCH(int, channel);
        QFETCH(QString, word);

        LogManager& log = LogManager::GetInstance();
        log.setLogLevel(configured);
        using Slot = void (LogManager::*)(const QString&, QString);
        using Signal = void (LogManager::*)(QString, QString);
        const Slot slotList[] = { &LogManager::debugLog, &LogManager::infoLog,
            &LogManager::warningLog, &LogManager::errorLog, &LogManager::fatalLog };
        const Signal signalList[] = { &LogManager::debug, &LogManager::info, &LogManager::warning,
            &LogManager::error, &LogManager::fatal };
        QSignalSpy spy(&log, signalList[severity]);
        MessageCapture capture;
        const QDateTime before = QDateTime::currentDateTime();
        (log.*slotList[severity])("the message", "unit");
        const QDateTime after = QDateTime::currentDateTime();

        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), QVariantList({ "the message", "unit" }));
        if (!written) {
            QVERIFY(capture.entries().isEmpty());
            return;
        }
        QCOMPARE(capture.entries().size(), 1);
        const auto entry = capture.entries().first();
        QCOMPARE(static_cast<int>(entry.first), channel);
        const QRegularExpression pattern(QStringLiteral(
            "^(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}) %1 unit - the message$")
                                             .arg(word));
        const auto match = pattern.match(entry.second);
        QVERIFY2(match.hasMatch(), qPrintable(entry.second));
        const QDateTime stamp = QDateTime::fromString(match.captured(1), "yyyy-MM-dd hh:mm:ss.zzz");
        QVERIFY(stamp.isValid());
        QVERIFY(stamp >= before && stamp <= after);
    }

    void defaultLoggerName()
    {
        LogManager& log = LogManager::GetInstance();
        log.setLogLevel(LogLevel::LEVEL_ERROR);
        QSignalSpy spy(&log, &LogManager::debug);
        MessageCapture capture;
        log.debugLog("quiet");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), QVariantList({ "quiet", "korvane" }));
        QVERIFY(capture.entries().isEmpty());
        QCOMPARE(LogManager::cst_log_app_name, QStringLiteral("korvane"));
    }

    void fatalReturns()
    {
        MessageCapture capture;
        LogManager::GetInstance().fatalLog("still alive");
        QCOMPARE(capture.entries().size(), 1);
        QCOMPARE(capture.entries().first().first, QtCriticalMsg);
        QVERIFY(capture.entries().first().second.endsWith(" FATAL korvane - still alive"));
    }

    void listForms_data()
    {
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("middle empty") << QStringList { "a", "", "c" } << QStringList { "a", "c" };
        QTest::newRow("all empty") << QStringList { "", "" } << QStringList {};
        QTest::newRow("none") << QStringList {} << QStringList {};
        QTest::newRow("order kept")
            << QStringList { "3", "1", "2" } << QStringList { "3", "1", "2" };
    }
    void listForms()
    {
        QFETCH(QStringList, messages);
        QFETCH(QStringList, written);
        LogManager& log = LogManager::GetInstance();
        QSignalSpy debugSpy(&log, &LogManager::debug);
        QSignalSpy warningSpy(&log, &LogManager::warning);
        MessageCapture capture;
        log.debugLog(messages, "list");
        log.warningLog(messages);
        QCOMPARE(debugSpy.count(), written.size());
        QCOMPARE(warningSpy.count(), written.size());
        QCOMPARE(capture.entries().size(), 2 * written.size());
        for (int i = 0; i < written.size(); ++i) {
            QCOMPARE(debugSpy.at(i), QVariantList({ written.at(i), "list" }));
            QCOMPARE(warningSpy.at(i), QVariantList({ written.at(i), "korvane" }));
            QVERIFY(capture.entries().at(i).second.endsWith(" DEBUG list - " + written.at(i)));
        }
    }

    void benchmark_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<LogLevel::Type>("level");
        QTest::newRow("disabled") << false << LogLevel::LEVEL_DEBUG;
        QTest::newRow("enabled") << true << LogLevel::LEVEL_DEBUG;
        QTest::newRow("enabled, level ignored") << true << LogLevel::LEVEL_FATAL;
    }
    void benchmark()
    {
        QFETCH(bool, enabled);
        QFETCH(LogLevel::Type, level);
        LogManager& log = LogManager::GetInstance();
        log.setBenchmarkEnabled(enabled);
        log.setLogLevel(level);
        QSignalSpy spy(&log, &LogManager::benchmark);
        MessageCapture capture;
        log.benchmarkLog("step 1");
        log.benchmarkLog(QStringList { "step 2" }, "bench");
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0), QVariantList({ "----> step 1", "korvane" }));
        QCOMPARE(spy.at(1), QVariantList({ "----> step 2", "bench" }));
        if (!enabled) {
            QVERIFY(capture.entries().isEmpty());
            return;
        }
        QCOMPARE(capture.entries().size(), 2);
        QCOMPARE(capture.entries().at(0), qMakePair(QtDebugMsg, QStringLiteral("step 1")));
        QCOMPARE(capture.entries().at(1), qMakePair(QtDebugMsg, QStringLiteral("step 2")));
    }

    void destroyResetsState()
    {
        LogManager* first = &LogManager::GetInstance();
        first->setLogLevel(LogLevel::LEVEL_FATAL);
        first->setBenchmarkEnabled(true);
        first->setDefaultLogName("ignored");
        QCOMPARE(&LogManager::GetInstance(), first);
        LogManager::Destroy();
        LogManager::Destroy(); // a second call must be harmless
        LogManager& second = LogManager::GetInstance();
        QCOMPARE(second.logLevel(), LogLevel::LEVEL_DEBUG);
        QCOMPARE(second.benchmarkEnabled(), false);
    }
};

QTEST_GUILESS_MAIN(TestLogging)
#include "tst_logging.moc"
